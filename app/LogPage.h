#pragma once
// The "Log" page of the tool dialog: the position log's switch and interval, a day's log viewed
// or taken as a route, replay mode, the AIS history search, the AIS guard-zone log and the
// screenshots.

#include <filesystem>
#include <optional>

class TForm1;

void ConnectLogPage(TForm1& form);

// The check box into the settings.
void ckLogActiveClick(TForm1& form);
// The interval chosen: into the settings and LogIntervalSeconds, and the next due time anew.
// Nothing before the start-up is done; the first tick runs it once so the stored choice holds.
void cbLogIntervalChange(TForm1& form);

// The day chosen: its log's path, and "Access" and "As route" enabled when it exists.
void dtLogDateChange(TForm1& form);
// The day's log in the text editor (485 x 400).
void btnLogLogClick(TForm1& form);
// The day's log as the route table, at most its capacity of waypoints; the route is started when
// it has two or more (true). Nothing while a route is shown, followed, drawn or edited.
bool btnLogRouteClick(TForm1& form);
// The AIS history window shown while btnAisDb is down.
void btnAisDbClick(TForm1& form);
// The AIS guard-zone log in the text editor (915 x 600) while btnAisLog is down.
void btnAisLogClick(TForm1& form);
// A picked screenshot to the desktop's viewer.
void btnScreenshotsClick(TForm1& form);
// The file a picked name may open: an existing regular file ending in ".jpg" (any case).
std::optional<std::filesystem::path> ScreenshotToOpen(const std::filesystem::path& file);
