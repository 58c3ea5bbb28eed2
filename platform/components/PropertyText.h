#pragma once
// Property values as the text of "name = value" lines and back. Numbers, truth values, texts
// (in double quotes, with backslash escapes), enumerations and flags (by key names), colours,
// fonts, points, sizes and rectangles have a text form; other types have none.

#include <QMetaProperty>
#include <QString>
#include <QVariant>

#include <optional>

namespace Igpfunctions {

std::optional<QString> PropertyValueText(const QMetaProperty& property, const QVariant& value);
// None when the text is not a value of the property's type.
std::optional<QVariant> PropertyValueFromText(const QMetaProperty& property,
                                              const QString& text);

}  // namespace Igpfunctions
