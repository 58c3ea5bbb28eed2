# Libraries the programs and tests link with; all come from Debian packages (scripts/install-deps).
list(APPEND CMAKE_MODULE_PATH /usr/share/cmake/geographiclib)

find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Network Charts Multimedia PrintSupport)
find_package(SQLite3 REQUIRED)
find_package(GeographicLib REQUIRED)
find_package(GDAL REQUIRED)
find_package(JPEG REQUIRED)
find_package(Threads REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
pkg_check_modules(ECCODES REQUIRED IMPORTED_TARGET eccodes)

find_library(TCD_LIBRARY NAMES tcd REQUIRED)
find_path(TCD_INCLUDE_DIR NAMES tcd.h REQUIRED)
add_library(tcd::tcd UNKNOWN IMPORTED)
set_target_properties(tcd::tcd PROPERTIES IMPORTED_LOCATION ${TCD_LIBRARY}
                      INTERFACE_INCLUDE_DIRECTORIES ${TCD_INCLUDE_DIR})

set(CMAKE_AUTOMOC ON)
