// The long date and short time of the program's files, the same on every station.

#include "frame/DateTimeText.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

TEST(DateTimeText, LongDateAndShortTimeWhateverTheLocale)
{
    const struct {
        QDateTime moment;
        const char* date;
        const char* dateTime;
    } cases[] = {
        {{QDate(2024, 3, 5), QTime(14, 7, 59)}, "Tuesday, March 5, 2024", "Tuesday, March 5, 2024  14:07"},
        {{QDate(2026, 12, 31), QTime(0, 5)}, "Thursday, December 31, 2026", "Thursday, December 31, 2026  00:05"},
    };
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto& c : cases) {
        EXPECT_EQ(LongDateText(c.moment), c.date);
        EXPECT_EQ(LongDateShortTimeText(c.moment), c.dateTime);
    }
    QLocale::setDefault(before);
}
