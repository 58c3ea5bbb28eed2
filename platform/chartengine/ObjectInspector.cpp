#include "platform/chartengine/ObjectInspector.h"

#include "platform/chartengine/GeoDatabase.h"

#include <QHeaderView>
#include <QStringList>

#include <string_view>
#include <unordered_map>

namespace chartengine {

namespace {

constexpr int kIdentifierRole = Qt::UserRole;

// The units S-57 gives the measured attributes in.
const char* UnitOf(std::string_view acronym)
{
    static const std::unordered_map<std::string_view, const char*> units = {
        {"SECTR1", "deg"}, {"SECTR2", "deg"}, {"ORIENT", "deg"}, {"SIGPER", "s"},    {"VALNMR", "NM"},
        {"HEIGHT", "m"},   {"ELEVAT", "m"},   {"VERCLR", "m"},   {"VERCCL", "m"},    {"VERCOP", "m"},
        {"VERCSA", "m"},   {"VERLEN", "m"},   {"HORCLR", "m"},   {"HORLEN", "m"},    {"HORWID", "m"},
        {"VALSOU", "m"},   {"DRVAL1", "m"},   {"DRVAL2", "m"},   {"VALDCO", "m"},    {"BURDEP", "m"},
        {"CURVEL", "kn"},
    };
    const auto found = units.find(acronym);
    return found == units.end() ? nullptr : found->second;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ObjectInspector::ObjectInspector(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Acronym"), QStringLiteral("Name"), QStringLiteral("Value")});
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item || !selectObject)
            return;
        while (item->parent())
            item = item->parent();
        selectObject(item->data(0, kIdentifierRole).toString().toStdString());
    });
}

QString ObjectInspector::ValueText(const ChartDictionary* dictionary, const AttributeValue& value)
{
    const std::string acronym = dictionary ? dictionary->AttributeAcronym(value.code) : std::string();
    const auto meaning = [&](int32_t element) {
        const std::string text = dictionary ? dictionary->ValueMeaning(value.code, element) : std::string();
        return text.empty() ? QString::number(element) : Text(text);
    };
    switch (value.type) {
    case AttributeType::Enumerated:
        if (const auto element = value.integer())
            return meaning(*element);
        break;
    case AttributeType::List: {
        QStringList elements;
        for (const int32_t element : value.list())
            elements << meaning(element);
        if (!elements.isEmpty())
            return elements.join(QStringLiteral(", "));
        break;
    }
    case AttributeType::Float:
    case AttributeType::Integer:
        if (const char* unit = UnitOf(acronym))
            return Text(value.text) + QLatin1Char(' ') + QLatin1String(unit);
        break;
    default:
        break;
    }
    return Text(value.text);
}

void ObjectInspector::SetInfo(const std::vector<ObjectReference>& objects)
{
    clear();
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    for (const ObjectReference& reference : objects) {
        ChartObject object;
        if (!reference.database || reference.database->ObjectByIdentifier(reference.identifier, &object) != kOk)
            continue;
        const int32_t cls = object.ClassCode();
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, dictionary ? Text(dictionary->ObjectClassAcronym(cls)) : QString::number(cls));
        item->setText(1, dictionary ? Text(dictionary->ObjectClassName(cls)) : QString());
        item->setData(0, kIdentifierRole, Text(GuidToText(reference.identifier)));
        for (const AttributeValue& value : object.Attributes()) {
            auto* attribute = new QTreeWidgetItem(item);
            attribute->setText(0, dictionary ? Text(dictionary->AttributeAcronym(value.code))
                                             : QString::number(value.code));
            attribute->setText(1, dictionary ? Text(dictionary->AttributeName(value.code)) : QString());
            attribute->setText(2, ValueText(dictionary, value));
        }
        item->setExpanded(true);
    }
}

}  // namespace chartengine
