// Writes the stored objects of app/tools/ObjectDataSet.h into a data set folder, around the
// chart centre a first start opens on unless a position and radius are given:
//     make-object-dataset FOLDER [LATITUDE LONGITUDE RADIUS_NM]
// FOLDER is the data set's folder (for data set A of a program folder laid out by scripts/run:
// run/Data_A); its object files are made when missing, and the objects are added to what they
// hold.

#include "app/tools/ObjectDataSet.h"
#include "app/tools/ShippedSetup.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/UserDatabase.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 5) {
        std::cerr << "usage: make-object-dataset FOLDER [LATITUDE LONGITUDE RADIUS_NM]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const double latitude = argc == 5 ? std::atof(argv[2]) : ShippedStartLatitude;
    const double longitude = argc == 5 ? std::atof(argv[3]) : ShippedStartLongitude;
    const double radius = argc == 5 ? std::atof(argv[4]) : 6.0;
    // The seabed and AIS files the database opens with the objects go to a scratch folder.
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "make-object-dataset";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::filesystem::create_directories(scratch, ignored);
    if (!OpenUserDatabase({folder, scratch, scratch})) {
        std::cerr << "make-object-dataset: cannot open the data set in " << folder << '\n';
        return 1;
    }
    const bool written = WriteObjectDataSet({cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}, radius,
                                            uint32_t(std::time(nullptr)));
    CloseUserDatabase();
    std::filesystem::remove_all(scratch, ignored);
    if (!written) {
        std::cerr << "make-object-dataset: not every object could be stored\n";
        return 1;
    }
    return 0;
}
