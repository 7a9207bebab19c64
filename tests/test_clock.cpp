// The clock tick: its readout, the clock bells and the daily alarm bells.
#include <algorithm>
#include <map>

#include "main_window_fixture.h"
#include "platform/runtime.h"

namespace {

using Clock = MainWindowScenario;
using Times = std::vector<std::string>;

TEST_F(Clock, TheReadoutShowsTwelveHourTime) {
    struct Case {
        int h, m, s;
        const char* text;
    } cases[] = {
        {0, 5, 9, "12:05:09 A.M."},  {9, 10, 5, "9:10:05 A.M."},   {11, 59, 59, "11:59:59 A.M."},
        {12, 0, 0, "12:00:00 P.M."}, {13, 45, 30, "1:45:30 P.M."}, {23, 9, 10, "11:09:10 P.M."},
    };
    OpenAt(0, 0, 0);
    for (const Case& c : cases) {
        host.AdvanceTo(c.h, c.m, c.s);
        host.Advance(500);
        EXPECT_EQ(Text(IDC_CLOCK), c.text);
    }
}

TEST_F(Clock, ClockBellsStrikeOnceAtTheQuartersHalfAndHour) {
    dir.WriteFile("hour.wav", "RIFF");
    dir.WriteFile("half.wav", "RIFF");
    dir.WriteFile("quarter.wav", "RIFF");
    dlg.m_strHourlySound = "hour.wav";
    dlg.m_strHalfHourSound = "half.wav";
    dlg.m_strQuarterSound = "quarter.wav";
    OpenAt(10, 7, 30);
    host.Click(IDC_CLOCK_BELLS);
    host.AdvanceTo(10, 15, 0);
    host.Advance(600);
    EXPECT_TRUE(g_bClockBellPlayed);
    host.AdvanceTo(10, 16, 0);
    host.Advance(100);
    EXPECT_FALSE(g_bClockBellPlayed);
    host.AdvanceTo(0, 0, 1);  // past midnight
    std::vector<Bell> expected;
    for (int minute = 10 * 60 + 15; minute <= 24 * 60; minute += 15) {
        const int m = minute % 60;
        expected.push_back(
            {platform::Format("%02d:%02d:00.000", minute / 60 % 24, m), m == 0    ? "hour.wav"
                                                                        : m == 30 ? "half.wav"
                                                                                  : "quarter.wav"});
    }
    EXPECT_EQ(Bells(), expected);
    host.Click(IDC_CLOCK_BELLS);
    host.AdvanceTo(0, 15, 1);
    EXPECT_EQ(Bells().size(), expected.size());  // off: no more
}

TEST_F(Clock, ClockBellNamedRandomSoundfileRingsTheChime) {
    dlg.m_strQuarterSound = "Random Soundfile";
    OpenAt(10, 14, 59);
    host.Click(IDC_CLOCK_BELLS);
    host.AdvanceSeconds(2);
    EXPECT_EQ(Bells(), (std::vector<Bell>{{"10:15:00.000", "(chime)"}}));
}

TEST_F(Clock, AnAlarmInTheSameTickCutsTheHourlyBell) {
    dir.WriteFile("wake.wav", "RIFF");
    dlg.m_alarmTimes = {420};
    dlg.m_alarmDays = {0};
    dlg.m_alarmSounds = {"wake.wav"};
    OpenAt(6, 59, 59);
    host.Click(IDC_CLOCK_BELLS);
    host.Click(IDC_DAILY_ALARMS);
    host.AdvanceSeconds(61);
    // Both in the same tick, the alarm last: it is the one that is heard.
    EXPECT_EQ(Bells(),
              (std::vector<Bell>{{"07:00:00.000", "(chime)"}, {"07:00:00.000", "wake.wav"}}));
}

TEST_F(Clock, DailyAlarmsRingOnTheirDaysOnceAndOnlyTheFirstOfAMinute) {
    dir.WriteFile("a.wav", "RIFF");
    dir.WriteFile("b.wav", "RIFF");
    // Entry text Daily 12:00 A.M., two entries for 6:30, the day classes, a
    // code above 9, and a minute the clock never reaches.
    dlg.m_alarmTimes = {0, 390, 390, 480, 481, 482, 483, 484, 1440};
    dlg.m_alarmDays = {0, 0, 0, 8, 9, 1, 7, 12, 0};
    dlg.m_alarmSounds = {"a.wav", "a.wav", "b.wav", "a.wav", "a.wav",
                         "a.wav", "a.wav", "a.wav", "a.wav"};
    dlg.m_bDailyAlarms = 1;
    OpenAt(23, 59, 0);  // Friday 2026-12-11
    // Friday night to Monday morning, through three midnights.
    host.AdvanceSeconds(2 * 86400 + 10 * 3600);
    Times expected;
    for (const char* day : {"Sat", "Sun", "Mon"}) {
        expected.push_back(std::string(day) + " 00:00");
        expected.push_back(std::string(day) + " 06:30");
        if (std::string(day) == "Mon") {
            expected.push_back("Mon 08:00");  // WeekDays
        } else {
            expected.push_back(std::string(day) + " 08:01");  // WeekEnds
        }
        if (std::string(day) == "Sun") {
            expected.push_back("Sun 08:02");  // Sun
        }
        if (std::string(day) == "Sat") {
            expected.push_back("Sat 08:03");  // Sat
        }
        expected.push_back(std::string(day) + " 08:04");  // code 12: every day
    }
    Times heard;
    const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (const auto& e : host.Sounds()) {
        const auto local = host.ToLocal(e.atMs / 1000);
        heard.push_back(std::string(names[local.weekday]) + " " +
                        sim::SimHost::TimeOfDay(e.atMs).substr(0, 5));
        EXPECT_EQ(e.sound.fileName, "a.wav");  // never the second 6:30 entry
        EXPECT_EQ(sim::SimHost::TimeOfDay(e.atMs).substr(5), ":00.000");
    }
    EXPECT_EQ(heard, expected);
}

TEST_F(Clock, ABlockedThreadMissesTheClockBellOfThatSecond) {
    dlg.m_nCustomMedMins = 2;
    OpenAt(10, 12, 55);
    host.Click(IDC_CLOCK_BELLS);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.Select(IDC_MED_MINUTES, 13);
    host.Click(IDC_MED_START);  // ends at 10:14:55; the end bell holds until 10:15:02
    host.AdvanceTo(10, 16, 30);
    EXPECT_EQ(BellTimes(), (Times{"10:12:55.000", "10:14:55.000", "10:14:58.000", "10:15:02.000"}));
}

TEST_F(Clock, AReminderEndingAfterTheQuarterBellInItsMinuteIsSilent) {
    struct Case {
        int startMinute, startSecond;
        const char* ends;
        bool rings;
    } cases[] = {{10, 20, "10:15:20.000", false}, {11, 5, "10:16:05.000", true}};
    for (const Case& c : cases) {
        CTimerDlg window;
        window.m_bSyncToClock = 0;
        host.SetLocalTime(2026, 12, 11, 10, c.startMinute, c.startSecond);
        host.Open(window);
        host.Click(IDC_CLOCK_BELLS);
        host.SelectText(IDC_REM_MINUTES, "5");
        host.Click(IDC_REM_START);
        host.AdvanceTo(10, 17, 0);
        const Times times = BellTimes();
        const bool rang = std::find(times.begin(), times.end(), c.ends) != times.end();
        EXPECT_EQ(times.front(), "10:15:00.000") << c.ends;  // the quarter bell
        EXPECT_EQ(rang, c.rings) << c.ends;
        CloseAndForget();
        host.ClearLog();
    }
}

TEST_F(Clock, SwitchingTheBellsOffReleasesTheReminderInTheNextMinute) {
    dlg.m_alarmTimes = {615};
    dlg.m_alarmDays = {0};
    dlg.m_alarmSounds = {""};
    OpenAt(10, 14, 50);
    host.Click(IDC_CLOCK_BELLS);
    host.Click(IDC_DAILY_ALARMS);
    host.AdvanceTo(10, 15, 5);
    EXPECT_TRUE(g_bClockBellPlayed);
    EXPECT_EQ(g_nLastAlarmMinute, 615);
    host.Click(IDC_CLOCK_BELLS);  // both off within the bell's minute
    host.Click(IDC_DAILY_ALARMS);
    host.AdvanceTo(10, 16, 1);
    EXPECT_FALSE(g_bClockBellPlayed);
    EXPECT_EQ(g_nLastAlarmMinute, kNoAlarmMinute);
}

TEST_F(Clock, UnknownTimerIdsDoNothing) {
    OpenAt(10, 7, 30);
    dlg.OnTimer(99);
    dlg.OnTimer(0);
    EXPECT_TRUE(host.Sounds().empty());
    EXPECT_EQ(Text(IDC_MED_START), "Start");
}

}  // namespace

namespace {

TEST_F(Clock, AWeekOfClockBellsAndAlarmsRingsEachBellOnceOnTime) {
    dir.WriteFile("weekday.wav", "RIFF");
    dir.WriteFile("weekend.wav", "RIFF");
    dir.WriteFile("sunday.wav", "RIFF");
    dlg.m_alarmTimes = {6 * 60 + 30, 8 * 60 + 10, 21 * 60 + 5};
    dlg.m_alarmDays = {8, 9, 1};
    dlg.m_alarmSounds = {"weekday.wav", "weekend.wav", "sunday.wav"};
    OpenAt(0, 0, 1);  // Friday
    host.Click(IDC_CLOCK_BELLS);
    host.Click(IDC_DAILY_ALARMS);
    host.AdvanceSeconds(7 * 86400);
    int clockBells = 0;
    std::map<std::string, std::vector<int>> alarms;  // sound -> weekdays it rang on
    for (const auto& e : host.Sounds()) {
        const std::string time = sim::SimHost::TimeOfDay(e.atMs);
        const auto local = host.ToLocal(e.atMs / 1000);
        ASSERT_EQ(time.substr(5), ":00.000") << time;  // the first tick of its minute
        if (e.sound.source == platform::SoundRequest::Source::File) {
            alarms[e.sound.fileName].push_back(local.weekday);
        } else {
            ASSERT_EQ(local.minute % 15, 0) << time;
            ++clockBells;
        }
    }
    EXPECT_EQ(clockBells, 7 * 24 * 4);  // every quarter of the week, each once
    EXPECT_EQ(alarms["weekday.wav"], (std::vector<int>{5, 1, 2, 3, 4}));
    EXPECT_EQ(alarms["weekend.wav"], (std::vector<int>{6, 0}));
    EXPECT_EQ(alarms["sunday.wav"], (std::vector<int>{0}));
}

}  // namespace
