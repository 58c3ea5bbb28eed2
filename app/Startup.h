#pragma once
// The start-up steps run on the first one-second tick, and the (re)start of the chart engine.

#include <string>

class MapView;
class QToolButton;
class TForm1;

// Reads Startup.ini, makes the data folders, prepares the shared tables, starts the 3D
// generator and binds the outside libraries.
void StartupInit();

// Loads the settings and starts the services in their order.
void StartupSetup(TForm1& form);

// (Re)creates the chart engine, its views and the radar and weather services. A non-empty
// reason shows the restart notice first.
void StartChartEngine(TForm1& form, const std::string& reason);

// A radar or weather service that failed: its error text shown under caption (warning icon,
// task-modal, on top), the service off for the rest of the run (available cleared: an engine
// restart does not start it again) and its tool button raised and disabled. The caller deletes it.
void TakeServiceOff(const std::string& errorText, const std::string& caption, bool& available, QToolButton* button);

// Deletes, each when present, the weather and the radar service, the mini and the main view and
// the chart engine, and clears their pointers (before a restart, and as the main window goes).
void ReleaseChartEngine();

// The weather service takes the area the main chart shows now as its request area.
void GiveWeatherTheChartArea(const TForm1& form);

// Gives a chart view the pixel size of this screen for true-scale display, from the monitor
// diagonal of the settings.
void ApplyMonitorGeometry(MapView& view);

// Places the 3D window on the second monitor from the virtual screen (vx, vy, vw, vh) and the
// primary screen (w, h).
struct WindowPlace {
    int x, y, width, height;
};
WindowPlace ThreeDWindowOnSecondMonitor(int vx, int vy, int vw, int vh, int w, int h);
