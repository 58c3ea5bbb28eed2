#pragma once
// The radar service the program runs: the chart engine's chart radar over the database the chart
// engine has open (the one the views show), with the targets of the target table and the range file of the program folder.

#include "platform/chartengine/RadarService.h"
#include "platform/geodesy/GeoTypes.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class MapView;

// The program folder's "RPFiles/Rp.ini".
std::filesystem::path RadarRangeFile();
// The positions of the targets in use (records 0..1999 with an id).
std::vector<cmgbase::GeoPoint> TargetPositions();
// The chart radar for a view; null while the chart engine has no open database.
std::unique_ptr<chartengine::RadarService> MakeChartRadar(MapView& view);

// The maker of the service of every radar manager the program makes (the start-up's and a chart
// restart's): MakeChartRadar. A test puts another maker here to start the program with a radar
// service that fails.
extern std::function<std::unique_ptr<chartengine::RadarService>(MapView& view)> ProgramRadarServiceMaker;
