#include "platform/chartengine/GeoDatabaseCompanion.h"

#include "platform/chartengine/GeoDatabase.h"

namespace chartengine {

HResult GeoDatabaseCompanion::Attach(GeoDatabase* database)
{
    if (!database || !database->isOpen())
        return kInvalidArgument;
    database_ = database;
    return kOk;
}

}  // namespace chartengine
