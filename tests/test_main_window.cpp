// The main window: start-up, its lists and choices, and how it ends.
#include <gtest/gtest.h>

#include "app/timer_app.h"
#include "app/timer_dlg.h"
#include "hosts/sim/sim_host.h"
#include "res/resource.h"
#include "res/templates.h"
#include "test_support.h"

namespace {

using Entries = std::vector<std::string>;

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override { host.Open(dlg); }

    const platform::ComboBoxModel& List(int id) const {
        return dynamic_cast<const platform::ComboBoxModel&>(*dlg.FindControl(id));
    }
    std::string Selected(int id) const { return List(id).EntryText(List(id).Selection()); }
    int Check(int id) const {
        return dynamic_cast<const platform::CheckBoxModel&>(*dlg.FindControl(id)).Check();
    }

    testing_support::TempCurrentDirectory dir;
    sim::SimHost host;
    CTimerDlg dlg;
};

TEST_F(MainWindow, FirstStartShowsTheDefaults) {
    EXPECT_EQ(List(IDC_MED_MINUTES).Entries(),
              (Entries{"5", "10", "15", "20", "30", "40", "45", "60", "75", "90", "120", "360",
                       "480", "25"}));
    EXPECT_EQ(List(IDC_REM_MINUTES).Entries(),
              (Entries{"5", "10", "15", "20", "30", "40", "45", "60", "120", "180", "240", "360",
                       "Random", "3"}));
    EXPECT_EQ(List(IDC_DELAY_SECS).Entries(), (Entries{"0", "5", "10", "15", "20", "30", "60"}));
    EXPECT_EQ(Selected(IDC_MED_MINUTES), "30");
    EXPECT_EQ(Selected(IDC_DELAY_SECS), "5");
    EXPECT_EQ(Selected(IDC_REM_MINUTES), "20");
    EXPECT_EQ(List(IDC_MED_SOUND).Entries(), (Entries{"Internal Chime", "Random Soundfile"}));
    EXPECT_EQ(Selected(IDC_MED_SOUND), "Internal Chime");
    EXPECT_EQ(Selected(IDC_REM_SOUND), "Internal Chime");
    EXPECT_EQ(Check(IDC_CLOCK_BELLS), 0);
    EXPECT_EQ(Check(IDC_DAILY_ALARMS), 0);
    EXPECT_EQ(host.Text(IDC_MED_START), "Start");
    EXPECT_EQ(host.Text(IDC_REM_START), "Start");
    EXPECT_EQ(host.Text(IDC_MED_REMAINING), "");
    EXPECT_EQ(host.Text(IDC_REM_REMAINING), "");

    EXPECT_EQ(dlg.m_nMedMinutes, 30);
    EXPECT_EQ(dlg.m_nDelaySecs, 5);
    EXPECT_EQ(dlg.m_nRemMinutes, 20);
    EXPECT_FALSE(dlg.m_bMedRunning || dlg.m_bMedDelaying || dlg.m_bRemRunning || dlg.m_bRemSyncing);
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_CLOCK_TICK), 500u);
    for (unsigned id : {TIMER_REMINDER, TIMER_MEDITATION, TIMER_MED_DELAY, TIMER_REMINDER_SYNC}) {
        EXPECT_FALSE(host.TimerArmed(dlg, id)) << id;
    }
    EXPECT_EQ(dlg.Icon(true), IDI_MAIN);
    EXPECT_TRUE(host.Log().empty());
}

TEST_F(MainWindow, EveryReminderEntryGivesItsNumberAndRandomGivesMinusOne) {
    const int expected[] = {5, 10, 15, 20, 30, 40, 45, 60, 120, 180, 240, 360, -1, 3};
    for (int position = 0; position < 14; ++position) {
        host.Select(IDC_REM_MINUTES, position);
        dlg.ReadTimerChoices();
        EXPECT_EQ(dlg.m_nRemMinutes, expected[position]) << position;
    }
}

TEST_F(MainWindow, TheRandomTestIsByPosition) {
    // A custom entry can never read "Random", but position 12 always is.
    dlg.m_nCustomRemMins = 0;
    dlg.FillIntervalLists();
    dlg.m_cmbRemMinutes->Select(13);
    dlg.ReadTimerChoices();
    EXPECT_EQ(Selected(IDC_REM_MINUTES), "0");
    EXPECT_EQ(dlg.m_nRemMinutes, 0);
}

TEST_F(MainWindow, CustomEntriesStandLastAndSelectionsFollowPosition) {
    dlg.m_nCustomMedMins = 30;
    dlg.m_nCustomRemMins = -7;
    dlg.FillIntervalLists();
    dlg.m_cmbMedMinutes->Select(13);
    EXPECT_EQ(List(IDC_MED_MINUTES).Count(), 14);
    EXPECT_EQ(List(IDC_MED_MINUTES).EntryText(4), "30");
    EXPECT_EQ(List(IDC_MED_MINUTES).EntryText(13), "30");
    EXPECT_EQ(List(IDC_REM_MINUTES).EntryText(13), "-7");
    EXPECT_EQ(List(IDC_MED_MINUTES).Selection(), 13);
    dlg.ReadTimerChoices();
    EXPECT_EQ(dlg.m_nMedMinutes, 30);
}

TEST_F(MainWindow, AListWithNoSelectionReadsAsItsStartingEntry) {
    dlg.m_cmbMedMinutes->Select(99);
    dlg.m_cmbDelaySecs->Select(-1);
    dlg.m_cmbRemMinutes->Select(14);
    dlg.m_nMedMinutes = dlg.m_nDelaySecs = dlg.m_nRemMinutes = 0;
    dlg.ReadTimerChoices();
    EXPECT_EQ(dlg.m_nMedMinutes, 30);
    EXPECT_EQ(dlg.m_nDelaySecs, 5);
    EXPECT_EQ(dlg.m_nRemMinutes, 20);
}

TEST_F(MainWindow, ASelectionChangeStartsNothingAndWaitsForTheNextStart) {
    host.SelectText(IDC_MED_MINUTES, "60");
    host.SelectText(IDC_DELAY_SECS, "0");
    host.SelectText(IDC_REM_MINUTES, "Random");
    EXPECT_EQ(dlg.m_nMedMinutes, 30);
    EXPECT_EQ(dlg.m_nDelaySecs, 5);
    EXPECT_EQ(dlg.m_nRemMinutes, 20);
    for (unsigned id : {TIMER_REMINDER, TIMER_MEDITATION, TIMER_MED_DELAY, TIMER_REMINDER_SYNC}) {
        EXPECT_FALSE(host.TimerArmed(dlg, id)) << id;
    }
    EXPECT_TRUE(host.Sounds().empty());
}

TEST_F(MainWindow, CheckBoxesTakeEffectAtOnce) {
    host.Click(IDC_CLOCK_BELLS);
    EXPECT_EQ(dlg.m_bClockBells, 1);
    host.Click(IDC_DAILY_ALARMS);
    EXPECT_EQ(dlg.m_bDailyAlarms, 1);
    host.Click(IDC_CLOCK_BELLS);
    EXPECT_EQ(dlg.m_bClockBells, 0);
}

TEST_F(MainWindow, ACheckValueOutsideZeroToTwoBecomesZeroInControlAndMember) {
    dlg.m_bClockBells = 5;
    dlg.m_bDailyAlarms = 2;
    dlg.UpdateData(false);
    EXPECT_EQ(Check(IDC_CLOCK_BELLS), 0);
    EXPECT_EQ(Check(IDC_DAILY_ALARMS), 2);
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.m_bClockBells, 0);
}

TEST_F(MainWindow, EnterDoesNothing) {
    host.PressEnter();
    EXPECT_TRUE(dlg.IsOpen());
    EXPECT_FALSE(dlg.HasEnded());
}

TEST_F(MainWindow, EscapeAndTheCloseBoxEndTheWindowAndItsTimers) {
    host.PressEscape();
    EXPECT_FALSE(dlg.IsOpen());
    EXPECT_EQ(dlg.Result(), platform::kIdCancel);
    EXPECT_FALSE(host.TimerArmed(dlg, TIMER_CLOCK_TICK));
    EXPECT_FALSE(dlg.m_cmbMedMinutes.Attached());

    CTimerDlg second;
    host.Open(second);
    host.CloseBox();
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(second.Result(), platform::kIdCancel);
}

TEST_F(MainWindow, TheMinimisedWindowShowsTheIconCentred) {
    dlg.DispatchPaint({true, 160, 30, 32, 32});
    dlg.DispatchPaint({false, 160, 30, 32, 32});  // normal painting draws no icon
    ASSERT_EQ(host.Log().size(), 1u);
    EXPECT_EQ(host.Log()[0].kind, sim::LogEntry::Kind::Icon);
    EXPECT_EQ(host.Log()[0].x, 64);  // (160 - 32 + 1) / 2
    EXPECT_EQ(host.Log()[0].y, 0);   // (30 - 32 + 1) / 2, truncated toward zero
}

TEST(TimeHelpers, FormatRemaining) {
    struct Case {
        int seconds;
        const char* text;
    } cases[] = {
        {90, "1 min. 30 secs."}, {59, "0 mins. 59 secs."}, {-65, "-1 mins. -5 secs."},
        {60, "1 min. 0 secs."},  {119, "1 min. 59 secs."}, {120, "2 mins. 0 secs."},
        {0, "0 mins. 0 secs."},  {-1, "0 mins. -1 secs."}, {1805, "30 mins. 5 secs."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTimerDlg::FormatRemaining(c.seconds), c.text) << c.seconds;
    }
}

TEST(TimeHelpers, SecondsOfDayRestartsAtLocalMidnight) {
    sim::SimHost host;
    host.SetLocalTime(2026, 12, 11, 23, 59, 59);
    EXPECT_EQ(CTimerDlg::SecondsOfDay(), 86399);
    host.Advance(999);
    EXPECT_EQ(CTimerDlg::SecondsOfDay(), 86399);
    host.Advance(1);
    EXPECT_EQ(CTimerDlg::SecondsOfDay(), 0);
    host.SetLocalTime(2026, 12, 11, 10, 7, 30);
    EXPECT_EQ(CTimerDlg::SecondsOfDay(), 36450);
}

TEST(Application, RunsTheMainWindowUntilItEnds) {
    testing_support::TempCurrentDirectory dir;
    sim::SimHost host;
    bool shown = false;
    host.ExpectDialog([&](sim::SimHost& h, platform::Dialog& d) {
        shown = d.Layout().id == IDD_MAIN && d.IsOpen();
        h.Advance(60000);
        h.PressEscape();
    });
    CTimerApp app;
    EXPECT_EQ(app.InitInstance(), 0);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(host.AnyOpen());
}

TEST(MainTemplate, HoldsEveryControlInTabOrder) {
    const platform::DialogTemplate& t = res::MainTemplate();
    EXPECT_EQ(t.caption, "Selvantora Meditation Timer");
    EXPECT_EQ(t.width, 298);
    EXPECT_EQ(t.height, 258);
    std::vector<int> ids;
    std::vector<int> tabStops;
    for (const auto& c : t.controls) {
        ids.push_back(c.id);
        if (c.style & platform::kTabStop) {
            tabStops.push_back(c.id);
        }
    }
    EXPECT_EQ(ids, (std::vector<int>{1006, -1,   1037, 1035, -1,   1036, -1,   -1,   1000, 1001,
                                     1002, 1003, 1041, 1005, -1,   -1,   1033, 1034, -1,   -1,
                                     1039, 1040, 1042, -1,   1007, 1016, 1022, 1026}));
    EXPECT_EQ(tabStops, (std::vector<int>{1037, 1035, 1036, 1000, 1001, 1002, 1003, 1041, 1033,
                                          1034, 1039, 1040, 1042, 1007, 1016, 1022, 1026}));
    EXPECT_EQ(t.controls[13].text, "Meditation Timer ");
}

}  // namespace
