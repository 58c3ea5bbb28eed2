#include "frame/DateTimeText.h"

#include "platform/system/TextCodec.h"

#include <QDateTime>
#include <QLocale>

namespace {

std::string Text(const QDateTime& moment, const QString& format)
{
    return platform::ToCp1252(QLocale(QLocale::English, QLocale::UnitedStates).toString(moment, format));
}

}  // namespace

std::string LongDateText(const QDateTime& moment)
{
    return Text(moment, QStringLiteral("dddd, MMMM d, yyyy"));
}

std::string LongDateShortTimeText(const QDateTime& moment)
{
    return Text(moment, QStringLiteral("dddd, MMMM d, yyyy  HH:mm"));
}
