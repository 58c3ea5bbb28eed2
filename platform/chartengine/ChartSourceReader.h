#pragma once
// Reading chart sources through GDAL into the builder of a store cell: an S-57 ENC cell (the
// base cell .000 with its updates .001, .002 ... applied) or a file of world land polygons.

#include "platform/chartengine/CellBuilder.h"
#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/EngineStatus.h"

#include <filesystem>
#include <string>
#include <vector>

namespace chartengine {

struct SourceCell {
    std::string name;        // the file name without its extension
    int32_t intendedUsage = 0;  // DSID_INTU; 0 for the world base
    int32_t compilationScale = 0;
    int32_t edition = 0;
    int32_t updateNumber = 0;
    int32_t issueDate = 0;  // YYYYMMDD
    std::vector<std::vector<cmgbase::GeoPoint>> coverage;  // rings of M_COVR with CATCOV 1
    CellBuilder builder;
    std::vector<std::string> warnings;  // what GDAL reported while reading
};

// The data set identification of one S-57 file alone (a base cell or one update file), without
// applying updates. kOk, or a failure with problem set (GDAL's reason where it gave one).
struct S57Identification {
    int32_t intendedUsage = 0;  // DSID_INTU
    int32_t edition = 0;        // DSID_EDTN
    int32_t updateNumber = 0;   // DSID_UPDN
    int32_t issueDate = 0;      // DSID_ISDT, YYYYMMDD
};
HResult ReadS57Identification(const std::filesystem::path& file, S57Identification& identification,
                              std::string& problem);

// Reads the cell and every update GDAL finds beside it. kOk, or a failure with problem set.
HResult ReadS57Cell(const std::filesystem::path& baseCell, const ChartDictionary& dictionary, SourceCell& cell,
                    std::string& problem);
// Reads every polygon of a vector file (GeoJSON, shapefile ...) in longitude and latitude as a
// land area (LNDARE) object.
HResult ReadLandAreas(const std::filesystem::path& file, SourceCell& cell, std::string& problem);

}  // namespace chartengine
