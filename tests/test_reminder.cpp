// The reminder timer: fixed, random and clock-aligned intervals.
#include "main_window_fixture.h"
#include "platform/runtime.h"

namespace {

using Reminder = MainWindowScenario;
using Times = std::vector<std::string>;

// A seed whose first draw is `r`.
std::uint32_t SeedFor(int r) {
    for (std::uint32_t seed = 0;; ++seed) {
        platform::srand(seed);
        if (platform::rand() == r) {
            return seed;
        }
    }
}

TEST_F(Reminder, SynchronisedToTheClockItsFirstBellFallsOnTheInterval) {
    OpenAt(10, 7, 30);
    host.SelectText(IDC_REM_MINUTES, "15");
    host.Click(IDC_REM_START);
    EXPECT_EQ(dlg.m_nRemSyncSecs, 450);
    EXPECT_EQ(Text(IDC_REM_START), "Stop");
    EXPECT_TRUE(host.TimerArmed(dlg, TIMER_REMINDER_SYNC));
    host.Advance(500);  // the first tick, in the same second
    EXPECT_EQ(Text(IDC_REM_REMAINING), "7 mins. 30 secs.");
    EXPECT_TRUE(host.Sounds().empty());  // a fixed interval rings no bell at the start
    host.AdvanceTo(10, 45, 1);
    EXPECT_EQ(BellTimes(), (Times{"10:15:00.000", "10:30:00.000", "10:45:00.000"}));
    EXPECT_TRUE(dlg.m_bRemSyncing && dlg.m_bRemRunning);
    EXPECT_FALSE(host.TimerArmed(dlg, TIMER_REMINDER_SYNC));
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_REMINDER), 900000u);
    EXPECT_EQ(Text(IDC_REM_REMAINING), "14 mins. 59 secs.");
}

TEST_F(Reminder, FirstPeriodLengths) {
    struct Case {
        int hour, minute, second;
        bool sync;
        int firstSecs;
    } cases[] = {
        {10, 15, 0, true, 900},  // on the dot: a whole interval, never zero
        {10, 14, 59, true, 1},
        {10, 7, 30, false, 900},  // not synchronised: the whole interval, on the same timer
    };
    for (const Case& c : cases) {
        CTimerDlg window;
        window.m_bSyncToClock = c.sync;
        host.SetLocalTime(2026, 12, 11, c.hour, c.minute, c.second);
        host.Open(window);
        host.SelectText(IDC_REM_MINUTES, "15");
        host.Click(IDC_REM_START);
        EXPECT_EQ(window.m_nRemSyncSecs, c.firstSecs);
        EXPECT_EQ(host.TimerPeriod(window, TIMER_REMINDER_SYNC), c.firstSecs * 1000u);
        CloseAndForget();
    }
}

TEST_F(Reminder, RandomRingsAtStartAndDrawsEachPeriodAfresh) {
    OpenAt(10, 7, 30);
    host.SelectText(IDC_REM_MINUTES, "Random");
    platform::srand(SeedFor(32767));
    host.Click(IDC_REM_START);
    EXPECT_EQ(BellTimes(), Times{"10:07:30.000"});
    EXPECT_EQ(dlg.m_nRemRandomSecs, 1801);  // the most the default 30 minutes give
    EXPECT_FALSE(dlg.m_bRemSyncing);
    EXPECT_FALSE(host.TimerArmed(dlg, TIMER_REMINDER_SYNC));
    host.Advance(500);
    EXPECT_EQ(Text(IDC_REM_REMAINING), "30 mins. 1 secs.");
    host.AdvanceSeconds(1801);
    EXPECT_EQ(BellTimes(), (Times{"10:07:30.000", "10:37:31.000"}));
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_REMINDER), dlg.m_nRemRandomSecs * 1000u);
}

TEST_F(Reminder, RandomLengthsFollowTheFormula) {
    struct Case {
        int maxMins;
        int r;
        int secs;
    } cases[] = {
        {31, 17969, 1020},  // not the exact quotient 1020, truncated to 1019, plus one
        {30, 0, 31},       {30, 29 * 32767 / 1800 + 1, 30},  // t = 29 gives 30 exactly
        {30, 510, 59},   // t = 28: the lengths 31..59 come from t = 0..28 too
        {0, 12345, 31},  // a maximum of 0: always 31 seconds
    };
    for (const Case& c : cases) {
        CTimerDlg window;
        window.m_nMaxRandomMins = c.maxMins;
        host.Open(window);
        host.SelectText(IDC_REM_MINUTES, "Random");
        platform::srand(SeedFor(c.r));
        host.Click(IDC_REM_START);
        EXPECT_EQ(window.m_nRemRandomSecs, c.secs) << c.maxMins << " " << c.r;
        CloseAndForget();
    }
}

TEST_F(Reminder, ANegativeMaximumCanArmNothingWhileTheCaptionSaysStop) {
    dlg.m_nMaxRandomMins = -1;
    OpenAt(10, 7, 30);
    host.SelectText(IDC_REM_MINUTES, "Random");
    platform::srand(SeedFor(32767));  // t = -60: n = -59 + 30 = -29
    host.Click(IDC_REM_START);
    EXPECT_EQ(dlg.m_nRemRandomSecs, -29);
    EXPECT_EQ(host.Sounds().size(), 1u);
    EXPECT_FALSE(dlg.m_bRemRunning);
    EXPECT_FALSE(host.TimerArmed(dlg, TIMER_REMINDER));
    EXPECT_EQ(Text(IDC_REM_START), "Stop");
}

TEST_F(Reminder, AnIntervalOfZeroArmsNothingAndTheNextPressStartsAgain) {
    dlg.m_nCustomRemMins = 0;
    OpenAt(10, 7, 30);
    host.Select(IDC_REM_MINUTES, 13);
    host.Click(IDC_REM_START);
    EXPECT_EQ(Text(IDC_REM_START), "Stop");
    EXPECT_FALSE(dlg.m_bRemRunning || dlg.m_bRemSyncing);
    host.AdvanceSeconds(600);
    EXPECT_EQ(Text(IDC_REM_REMAINING), "");
    EXPECT_TRUE(host.Sounds().empty());
    host.Click(IDC_REM_START);
    EXPECT_EQ(Text(IDC_REM_START), "Stop");
}

TEST_F(Reminder, ANegativeCustomIntervalArmsNothing) {
    dlg.m_nCustomRemMins = -5;
    OpenAt(10, 7, 30);
    host.Select(IDC_REM_MINUTES, 13);
    host.Click(IDC_REM_START);
    host.AdvanceSeconds(3600);
    EXPECT_FALSE(host.TimerArmed(dlg, TIMER_REMINDER_SYNC) || host.TimerArmed(dlg, TIMER_REMINDER));
    EXPECT_TRUE(host.Sounds().empty());
}

TEST_F(Reminder, AHugeCustomIntervalIsHeldToTheLongestTimer) {
    dlg.m_nCustomRemMins = 50000;
    dlg.m_bSyncToClock = 0;
    OpenAt(10, 7, 30);
    host.Select(IDC_REM_MINUTES, 13);
    host.Click(IDC_REM_START);
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_REMINDER_SYNC), 2147483000u);
    host.AdvanceSeconds(60);
    EXPECT_TRUE(host.Sounds().empty());
    EXPECT_EQ(Text(IDC_REM_REMAINING), CTimerDlg::FormatRemaining(2147483 - 60));
}

TEST_F(Reminder, StoppingOrChangingTheIntervalEndsItAndClearsTheReadout) {
    OpenAt(10, 7, 30);
    for (bool byList : {false, true}) {
        host.SelectText(IDC_REM_MINUTES, "5");
        host.Click(IDC_REM_START);
        host.AdvanceSeconds(600);  // into the regular periods
        ASSERT_TRUE(dlg.m_bRemRunning);
        if (byList) {
            host.SelectText(IDC_REM_MINUTES, "10");
        } else {
            host.Click(IDC_REM_START);
        }
        EXPECT_EQ(Text(IDC_REM_START), "Start");
        EXPECT_EQ(Text(IDC_REM_REMAINING), "");
        EXPECT_FALSE(host.TimerArmed(dlg, TIMER_REMINDER) ||
                     host.TimerArmed(dlg, TIMER_REMINDER_SYNC));
        const std::size_t bells = host.Sounds().size();
        host.AdvanceSeconds(1200);
        EXPECT_EQ(host.Sounds().size(), bells);
    }
}

TEST_F(Reminder, StartsByItselfWhenAsked) {
    dlg.m_bAutoStartReminder = 1;
    OpenAt(10, 7, 30);
    EXPECT_TRUE(dlg.m_bRemSyncing);
    EXPECT_EQ(dlg.m_nRemSyncSecs, 750);  // 20 minutes, aligned: 10:20:00
    EXPECT_EQ(Text(IDC_REM_START), "Stop");
}

TEST_F(Reminder, ItsBellIsSkippedInTheMinuteOfAClockBellOrAnAlarm) {
    OpenAt(10, 7, 30);
    host.SelectText(IDC_REM_MINUTES, "5");
    host.Click(IDC_REM_START);
    // As the tick leaves them when a bell of 10:10 or 10:15 has just rung.
    host.AdvanceTo(10, 9, 59);
    host.Advance(600);
    g_nLastAlarmMinute = 610;
    host.AdvanceTo(10, 14, 59);
    host.Advance(600);
    g_bClockBellPlayed = 1;
    host.AdvanceTo(10, 20, 1);
    EXPECT_EQ(BellTimes(), Times{"10:20:00.000"});  // periods went on, silent
}

TEST_F(Reminder, TheReadoutStaysRightAcrossMidnight) {
    OpenAt(23, 50, 0);
    host.SelectText(IDC_REM_MINUTES, "30");
    dlg.m_bSyncToClock = 0;
    host.Click(IDC_REM_START);
    host.AdvanceTo(0, 5, 0);
    EXPECT_EQ(Text(IDC_REM_REMAINING), "15 mins. 0 secs.");
}

}  // namespace

namespace {

TEST_F(Reminder, APeriodEndingDuringTheEndBellIsHandledLateAndOnce) {
    dlg.m_nCustomMedMins = 2;
    dlg.m_bSyncToClock = 0;
    OpenAt(10, 0, 0);
    host.SelectText(IDC_REM_MINUTES, "5");
    host.Click(IDC_REM_START);  // 10:00:00: a bell due at 10:05:00
    host.AdvanceTo(10, 2, 57);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.Select(IDC_MED_MINUTES, 13);
    host.Click(IDC_MED_START);  // ends 10:04:57; its end bell holds until 10:05:04
    host.AdvanceTo(10, 11, 0);
    EXPECT_EQ(BellTimes(), (Times{"10:02:57.000", "10:04:57.000", "10:05:00.000", "10:05:04.000",
                                  "10:05:04.000", "10:10:04.000"}));
}

}  // namespace
