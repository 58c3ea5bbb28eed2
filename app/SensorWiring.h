#pragma once
// What the start-up gives the sensor side (its settings from the settings record, its hooks into
// the main window, the route table and the sensor-feed library) and the route
// code (its hooks into the main window).

class TForm1;

// Copies the settings the sensor handlers and the output thread read from SetupParameters, under
// ComOutStateLock (call it without the lock); run again after a settings dialog changed them.
void RefreshSensorSettings();

// Fills SensorSetup and the sensor and AIS hooks (which reach the window through Form1) with those
// of the target table, and lets a GPS date set the PC clock.
void WireSensors(TForm1& form);

// Hooks the route code to the main window: the chart point under the pointer and the redraw
// request of the next 100 ms tick.
void WireRouteHooks();
