#include "ui/TimeConversions.h"

#include <gtest/gtest.h>

using namespace belltide;

TEST(TimeConversions, MinutesBecomeTheClockTimeOfTheDayAndBack)
{
    // 10 March 2024 is 23 hours long where these tests run.
    const QDate shortDay(2024, 3, 10);
    const struct {
        int Minutes;
        QDateTime Expected;
    } rows[] = {
        { 615, QDateTime(shortDay, QTime(10, 15)) },
        { 0, QDateTime(shortDay, QTime(0, 0)) },
        { 1439, QDateTime(shortDay, QTime(23, 59)) },
        { -30, QDateTime(shortDay.addDays(-1), QTime(23, 30)) },
        { 1500, QDateTime(shortDay.addDays(1), QTime(1, 0)) },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MinutesToDate(row.Minutes, shortDay).toString(Qt::ISODate), row.Expected.toString(Qt::ISODate));
        if (row.Minutes >= 0 && row.Minutes < 1440) {
            EXPECT_EQ(DateToMinutes(row.Expected), row.Minutes);
        }
    }
    EXPECT_EQ(MinutesToDate(615).date(), QDate::currentDate());
    EXPECT_EQ(DateToMinutes(QDateTime(QDate(1999, 1, 2), QTime(10, 15, 59))), 615);
}
