#pragma once
// The companion of a geo database: the object through which chart updates are applied to it.
// It knows the database it was attached to.

#include "platform/chartengine/EngineStatus.h"

namespace chartengine {

class GeoDatabase;

class GeoDatabaseCompanion {
public:
    // kInvalidArgument for a database that is not open.
    HResult Attach(GeoDatabase* database);
    GeoDatabase* Database() const { return database_; }

private:
    GeoDatabase* database_ = nullptr;
};

}  // namespace chartengine
