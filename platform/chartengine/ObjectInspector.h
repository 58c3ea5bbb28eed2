#pragma once
// The engine's chart object inspector: a tree of the objects handed to it, each with its class
// acronym and name, and under it every attribute with its acronym, name and value. Enumerated
// values and lists show their meanings ("red", "tower") from the S-57 catalogue, element by
// element; measured values their S-57 unit. Choosing an object raises the select event with
// its identifier text.

#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/Guid.h"

#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

namespace chartengine {

class GeoDatabase;

// An object of a database, as a query gives it.
struct ObjectReference {
    GeoDatabase* database = nullptr;
    Guid identifier;
};

class ObjectInspector : public QTreeWidget {
public:
    explicit ObjectInspector(QWidget* parent = nullptr);

    // Shows the objects (an empty list clears the tree); objects no longer found are left out.
    void SetInfo(const std::vector<ObjectReference>& objects);

    // The identifier text ("{...}") of the object chosen.
    std::function<void(const std::string& identifierText)> selectObject;

    // The value of an attribute as the inspector shows it.
    static QString ValueText(const ChartDictionary* dictionary, const AttributeValue& value);
};

}  // namespace chartengine
