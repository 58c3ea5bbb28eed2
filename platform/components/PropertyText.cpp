#include "platform/components/PropertyText.h"

#include <QColor>
#include <QFont>
#include <QMetaEnum>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <vector>

namespace Igpfunctions {

namespace {

QString Quoted(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            quoted += u"\\\\";
            break;
        case '"':
            quoted += u"\\\"";
            break;
        case '\n':
            quoted += u"\\n";
            break;
        case '\r':
            quoted += u"\\r";
            break;
        case '\t':
            quoted += u"\\t";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + u'"';
}

std::optional<QString> Unquoted(const QString& text)
{
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"'))
        return std::nullopt;
    QString plain;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\') {
            if (++i + 1 >= text.size())
                return std::nullopt;
            switch (text[i].unicode()) {
            case 'n':
                c = u'\n';
                break;
            case 'r':
                c = u'\r';
                break;
            case 't':
                c = u'\t';
                break;
            default:
                c = text[i];
            }
        } else if (c == u'"') {
            return std::nullopt;
        }
        plain += c;
    }
    return plain;
}

QString Joined(std::initializer_list<int> numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts << QString::number(n);
    return parts.join(u", ");
}

// `count` whole numbers separated by commas.
std::optional<std::vector<int>> Numbers(const QString& text, qsizetype count)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != count)
        return std::nullopt;
    std::vector<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        numbers.push_back(part.trimmed().toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

QString EnumText(const QMetaEnum& enumerator, int value)
{
    const QByteArray keys = enumerator.isFlag() ? enumerator.valueToKeys(value)
                                                : QByteArray(enumerator.valueToKey(value));
    return keys.isEmpty() ? QString::number(value) : QString::fromLatin1(keys);
}

std::optional<QVariant> EnumFromText(const QMetaEnum& enumerator, const QString& text)
{
    bool ok = false;
    const QByteArray keys = text.toLatin1();
    int value = enumerator.isFlag() ? enumerator.keysToValue(keys, &ok)
                                    : enumerator.keyToValue(keys, &ok);
    if (!ok)
        value = text.toInt(&ok);
    return ok ? std::optional<QVariant>(value) : std::nullopt;
}

}  // namespace

std::optional<QString> PropertyValueText(const QMetaProperty& property, const QVariant& value)
{
    if (property.isEnumType())
        return EnumText(property.enumerator(), value.toInt());
    switch (property.metaType().id()) {
    case QMetaType::QString:
        return Quoted(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::QColor:
        return value.value<QColor>().name(QColor::HexArgb);
    case QMetaType::QFont:
        return value.value<QFont>().toString();
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return Joined({p.x(), p.y()});
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return Joined({s.width(), s.height()});
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return Joined({r.x(), r.y(), r.width(), r.height()});
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toString();
    default:
        return std::nullopt;
    }
}

std::optional<QVariant> PropertyValueFromText(const QMetaProperty& property, const QString& text)
{
    if (property.isEnumType())
        return EnumFromText(property.enumerator(), text);
    switch (property.metaType().id()) {
    case QMetaType::QString:
        if (const auto plain = Unquoted(text))
            return QVariant(*plain);
        return std::nullopt;
    case QMetaType::Bool:
        if (text == u"true" || text == u"false")
            return QVariant(text == u"true");
        return std::nullopt;
    case QMetaType::QColor: {
        const QColor colour = QColor::fromString(text);
        return colour.isValid() ? std::optional<QVariant>(colour) : std::nullopt;
    }
    case QMetaType::QFont: {
        QFont font;
        return font.fromString(text) ? std::optional<QVariant>(font) : std::nullopt;
    }
    case QMetaType::QPoint:
        if (const auto n = Numbers(text, 2))
            return QVariant(QPoint((*n)[0], (*n)[1]));
        return std::nullopt;
    case QMetaType::QSize:
        if (const auto n = Numbers(text, 2))
            return QVariant(QSize((*n)[0], (*n)[1]));
        return std::nullopt;
    case QMetaType::QRect:
        if (const auto n = Numbers(text, 4))
            return QVariant(QRect((*n)[0], (*n)[1], (*n)[2], (*n)[3]));
        return std::nullopt;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float: {
        QVariant value(text);
        return value.convert(property.metaType()) ? std::optional<QVariant>(value)
                                                  : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

}  // namespace Igpfunctions
