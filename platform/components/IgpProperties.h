#pragma once
// An object's stored Qt properties as lines "name = value" and back, and copied between objects.
// The properties handled are the readable, writable and stored ones other than objectName; a
// property that holds an object is entered: its object's properties are named
// "property.name". Values are written in the text forms of PropertyText.h; properties of
// other types are left out of the lines.

#include <QString>
#include <QStringList>

#include <optional>

class QObject;

namespace Igpfunctions {

// The value of the property (a dotted name enters object properties) as line text; none for an
// unknown property or one without a text form.
std::optional<QString> GetPropertyValueString(const QObject& object, const QString& name);
// Splits "name = value" at the first "="; both parts without surrounding spaces. False, and
// nothing written, for a line without "=".
bool SeparateStrings(const QString& line, QString& name, QString& value);
// The object a property holds; null for an unknown property or one that holds no object.
QObject* GetObjectProperty(const QObject& object, const QString& name);

// Appends a line for each property of `object` (and of the objects its properties hold), each
// name preceded by `prefix`.
void WriterWriteProperties(const QObject& object, QStringList& lines, const QString& prefix = {});
QStringList SaveObjectToStringList(const QObject& object);
// Sets the properties that the lines name; lines without "=", naming no writable property or
// with a value the property's type does not take are passed over. Returns how many were set.
int LoadObjectFromStringList(QObject& object, const QStringList& lines);
// Gives `target` the value of each property of `source` that it has too, by name, of any type.
void AssignObject(QObject& target, const QObject& source);

}  // namespace Igpfunctions
