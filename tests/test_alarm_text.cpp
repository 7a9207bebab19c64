// The one-line text of a daily alarm bell.
#include <gtest/gtest.h>

#include "dialogs/alarm_text.h"

namespace {

TEST(AlarmText, EveryMinuteAndDayRoundTrips) {
    for (int minute = 0; minute < 1440; ++minute) {
        for (DayCode code = 0; code <= 9; ++code) {
            const std::string text = FormatAlarmEntry(static_cast<std::uint16_t>(minute), code);
            ASSERT_EQ(ParseAlarmMinute(text), minute) << text;
            ASSERT_EQ(ParseAlarmDay(text), code) << text;
        }
    }
}

TEST(AlarmText, ChoicesFormatAndParseToTheMinuteTheyName) {
    struct Case {
        const char* day;
        int hour, minute;
        bool afterNoon;
        const char* text;
        int minuteOfDay;
    } cases[] = {
        {"Daily", 7, 5, false, "Daily 7:05 A.M.", 425},
        {"WeekEnds", 12, 30, true, "WeekEnds 12:30 P.M.", 750},
        {"Mon", 1, 0, false, "Mon 1:00 A.M.", 60},
        {"Daily", 12, 5, false, "Daily 12:05 A.M.", 5},
        {"Daily", 12, 5, true, "Daily 12:05 P.M.", 725},
        {"WeekDays", 12, 59, true, "WeekDays 12:59 P.M.", 779},
    };
    for (const Case& c : cases) {
        const std::string text = FormatAlarmChoice(c.day, c.hour, c.minute, c.afterNoon);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(ParseAlarmMinute(text), c.minuteOfDay) << text;
    }
}

TEST(AlarmText, StoredMinutesFormatOnATwelveHourClockFromZero) {
    struct Case {
        std::uint16_t minute;
        DayCode code;
        const char* text;
    } cases[] = {
        {0, 0, "Daily 0:00 A.M."},       {425, 0, "Daily 7:05 A.M."}, {725, 0, "Daily 0:05 P.M."},
        {1080, 8, "WeekDays 6:00 P.M."}, {1439, 7, "Sat 11:59 P.M."}, {5, 0, "Daily 0:05 A.M."},
        {1445, 0, "Daily 12:05 P.M."},  // past the end of the day
        {425, 12, " 7:05 A.M."},        // a code without a name: a leading blank
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatAlarmEntry(c.minute, c.code), c.text);
    }
    EXPECT_EQ(ParseAlarmMinute("Daily 12:05 P.M."), 725);  // 1445 comes back as 725
}

TEST(AlarmText, TextsParseByTheFormattedInputRules) {
    struct Case {
        const char* text;
        int minute;
        DayCode day;
    } cases[] = {
        {"Daily 7:05 A.M.", 425, 0},    {"Daily 12:00 A.M.", 0, 0},
        {"Daily 12:30 P.M.", 750, 0},   {"Daily 0:05 P.M.", 725, 0},
        {"Sat 11:59 P.M.", 1439, 7},    {"WeekDays 6:30 A.M.", 390, 8},
        {"weekdays 6:30 A.M.", 390, 0}, {"Sunday 7:00 A.M.", 420, 0},
        {"Sun 7:00 A.M.", 420, 1},      {"SUN 7:00 A.M.", 420, 0},
        {"  Tue   7:00   am", 1140, 3},  // only a capital A means before noon
        {"Wed 7:00 Ax", 420, 4},        {"Thu 25:99 P.M.", 25 * 60 + 99 + 720, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseAlarmMinute(c.text), c.minute) << c.text;
        EXPECT_EQ(ParseAlarmDay(c.text), c.day) << c.text;
    }
}

TEST(AlarmText, ATextWithoutADayKeepsItsTimeAndAnUnreadableOneNeverRings) {
    // A code above 9 lists without a day word; its bell keeps its time and,
    // as Daily, still rings every day as it did.
    EXPECT_EQ(ParseAlarmMinute(FormatAlarmEntry(425, 12)), 425);
    EXPECT_EQ(ParseAlarmDay(FormatAlarmEntry(425, 12)), 0);
    for (const char* text : {"", "Daily", "Daily 7", "Daily 7:05", "Daily x:05 A.M.", "7:"}) {
        EXPECT_EQ(ParseAlarmMinute(text), kUnreadableMinute) << text;
    }
    EXPECT_GE(kUnreadableMinute, 1440);  // a minute the clock never reaches
}

}  // namespace
