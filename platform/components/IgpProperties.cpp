#include "platform/components/IgpProperties.h"

#include "platform/components/PropertyText.h"

#include <QMetaProperty>
#include <QObject>
#include <QSet>

#include <functional>
#include <utility>

namespace Igpfunctions {

namespace {

bool HoldsObject(const QMetaProperty& property)
{
    return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

bool Handled(const QMetaProperty& property)
{
    return property.isReadable() && property.isStored() &&
           qstrcmp(property.name(), "objectName") != 0 &&
           (HoldsObject(property) || property.isWritable());
}

using Visit = std::function<void(const QString& name, const QMetaProperty& property,
                                 const QVariant& value)>;

// Calls `visit` for each handled property that holds a value, entering held objects once each.
void VisitProperties(const QObject& object, const QString& prefix, QSet<const QObject*>& seen,
                     const Visit& visit)
{
    seen.insert(&object);
    const QMetaObject* meta = object.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!Handled(property))
            continue;
        const QString name = prefix + QString::fromLatin1(property.name());
        const QVariant value = property.read(&object);
        if (!HoldsObject(property)) {
            visit(name, property, value);
        } else if (const QObject* held = value.value<QObject*>(); held && !seen.contains(held)) {
            VisitProperties(*held, name + u'.', seen, visit);
        }
    }
}

struct ResolvedProperty {
    QObject* object;
    QMetaProperty property;
};

// The object and property a dotted name leads to.
std::optional<ResolvedProperty> Resolve(const QObject& object, const QString& name)
{
    // Held objects are reached as plain pointers; the caller decides whether to write.
    QObject* owner = const_cast<QObject*>(&object);
    const QStringList parts = name.split(u'.');
    for (qsizetype i = 0; i + 1 < parts.size() && owner; ++i)
        owner = GetObjectProperty(*owner, parts[i]);
    if (!owner)
        return std::nullopt;
    const QMetaObject* meta = owner->metaObject();
    const int index = meta->indexOfProperty(parts.last().toLatin1().constData());
    if (index < 0 || !Handled(meta->property(index)))
        return std::nullopt;
    return ResolvedProperty{owner, meta->property(index)};
}

}  // namespace

std::optional<QString> GetPropertyValueString(const QObject& object, const QString& name)
{
    const auto resolved = Resolve(object, name);
    if (!resolved || HoldsObject(resolved->property))
        return std::nullopt;
    return PropertyValueText(resolved->property, resolved->property.read(resolved->object));
}

bool SeparateStrings(const QString& line, QString& name, QString& value)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return false;
    name = line.left(equals).trimmed();
    value = line.mid(equals + 1).trimmed();
    return true;
}

QObject* GetObjectProperty(const QObject& object, const QString& name)
{
    const QMetaObject* meta = object.metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0 || !HoldsObject(meta->property(index)))
        return nullptr;
    return meta->property(index).read(&object).value<QObject*>();
}

void WriterWriteProperties(const QObject& object, QStringList& lines, const QString& prefix)
{
    QSet<const QObject*> seen;
    VisitProperties(object, prefix, seen,
                    [&](const QString& name, const QMetaProperty& property, const QVariant& value) {
                        if (const auto text = PropertyValueText(property, value))
                            lines << name + QStringLiteral(" = ") + *text;
                    });
}

QStringList SaveObjectToStringList(const QObject& object)
{
    QStringList lines;
    WriterWriteProperties(object, lines);
    return lines;
}

int LoadObjectFromStringList(QObject& object, const QStringList& lines)
{
    int set = 0;
    for (const QString& line : lines) {
        QString name;
        QString text;
        if (!SeparateStrings(line, name, text))
            continue;
        const auto resolved = Resolve(object, name);
        if (!resolved || HoldsObject(resolved->property))
            continue;
        const auto value = PropertyValueFromText(resolved->property, text);
        if (value && resolved->property.write(resolved->object, *value))
            ++set;
    }
    return set;
}

void AssignObject(QObject& target, const QObject& source)
{
    QSet<const QObject*> seen;
    VisitProperties(source, {}, seen,
                    [&](const QString& name, const QMetaProperty&, const QVariant& value) {
                        if (const auto resolved = Resolve(target, name))
                            resolved->property.write(resolved->object, value);
                    });
}

}  // namespace Igpfunctions
