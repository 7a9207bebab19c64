// The meditation timer, from Start to the three strikes of the end bell.
#include "main_window_fixture.h"

namespace {

using Meditation = MainWindowScenario;
using Times = std::vector<std::string>;

TEST_F(Meditation, RunsFromStartToTheThreeStrikesWithTheFirstStartChoices) {
    OpenAt(10, 7, 30);
    host.Click(IDC_MED_START);
    EXPECT_EQ(Text(IDC_MED_START), "Stop");
    EXPECT_TRUE(dlg.m_bMedDelaying);
    host.Advance(500);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "30 mins. 5 secs.");
    host.Advance(4000);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "30 mins. 1 secs.");
    host.Advance(500);  // 10:07:35: the delay is over
    EXPECT_EQ(Bells(), (std::vector<Bell>{{"10:07:35.000", "(chime)"}}));
    EXPECT_TRUE(dlg.m_bMedRunning);
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_MEDITATION), 30u * 60000u);
    host.Advance(500);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "30 mins. 0 secs.");  // no jump
    host.AdvanceTo(10, 36, 35);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "1 min. 0 secs.");
    host.AdvanceTo(10, 37, 35);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "");
    EXPECT_EQ(Text(IDC_MED_START), "Start");
    EXPECT_FALSE(dlg.m_bMedRunning || dlg.m_bMedDelaying);
    host.Advance(8000);
    EXPECT_EQ(BellTimes(), (Times{"10:07:35.000", "10:37:35.000", "10:37:38.000", "10:37:42.000"}));
    EXPECT_FALSE(host.TimerArmed(dlg, TIMER_MEDITATION));
}

TEST_F(Meditation, WithoutADelayTheStartBellRingsOnTheClick) {
    OpenAt(10, 7, 30);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.SelectText(IDC_MED_MINUTES, "5");
    host.Click(IDC_MED_START);
    EXPECT_EQ(BellTimes(), Times{"10:07:30.000"});
    EXPECT_TRUE(dlg.m_bMedRunning);
    EXPECT_FALSE(dlg.m_bMedDelaying);
    host.Advance(500);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "5 mins. 0 secs.");
    host.Advance(5 * 60000);
    EXPECT_EQ(BellTimes(), (Times{"10:07:30.000", "10:12:30.000", "10:12:33.000", "10:12:37.000"}));
}

TEST_F(Meditation, StoppingOrChangingTimeOrDelayEndsItSilently) {
    OpenAt(10, 7, 30);
    struct Case {
        const char* what;
        std::function<void()> stop;
        double after;  // seconds after the click
    } cases[] = {
        {"button during the delay", [&] { host.Click(IDC_MED_START); }, 2},
        {"button during the period", [&] { host.Click(IDC_MED_START); }, 60},
        {"time list", [&] { host.SelectText(IDC_MED_MINUTES, "10"); }, 60},
        {"delay list", [&] { host.SelectText(IDC_DELAY_SECS, "10"); }, 3},
    };
    for (const Case& c : cases) {
        host.SelectText(IDC_DELAY_SECS, "5");
        host.ClearLog();
        host.Click(IDC_MED_START);
        host.AdvanceSeconds(c.after);
        c.stop();
        EXPECT_EQ(Text(IDC_MED_START), "Start") << c.what;
        EXPECT_EQ(Text(IDC_MED_REMAINING), "") << c.what;
        EXPECT_FALSE(host.TimerArmed(dlg, TIMER_MEDITATION) ||
                     host.TimerArmed(dlg, TIMER_MED_DELAY))
            << c.what;
        host.AdvanceSeconds(3600);
        EXPECT_EQ(host.Sounds().size(), c.after > 5 ? 1u : 0u) << c.what;  // the start bell only
        EXPECT_EQ(Text(IDC_MED_REMAINING), "") << c.what;
    }
}

TEST_F(Meditation, TheSoundListNeverStopsItAndTheEndBellTakesTheNewSound) {
    dir.WriteFile("bell.wav", "RIFF");
    OpenAt(10, 7, 30);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.SelectText(IDC_MED_MINUTES, "5");
    host.Click(IDC_MED_START);
    host.AdvanceSeconds(10);
    host.SelectText(IDC_MED_SOUND, "bell.wav");
    EXPECT_TRUE(dlg.m_bMedRunning);
    host.AdvanceSeconds(300);
    EXPECT_EQ(Bells(), (std::vector<Bell>{{"10:07:30.000", "(chime)"},
                                          {"10:12:30.000", "bell.wav"},
                                          {"10:12:33.000", "bell.wav"},
                                          {"10:12:37.000", "bell.wav"}}));
}

TEST_F(Meditation, TimesUnderTwoMinutesRingTheStartBellAndArmNothing) {
    for (int custom : {0, 1}) {
        for (const char* delay : {"0", "5"}) {
            SCOPED_TRACE(std::to_string(custom) + " min, delay " + delay);
            CTimerDlg window;  // a fresh start each time
            window.m_nCustomMedMins = custom;
            host.Open(window);
            host.Select(IDC_MED_MINUTES, 13);
            host.SelectText(IDC_DELAY_SECS, delay);
            host.Click(IDC_MED_START);
            host.AdvanceSeconds(5);
            EXPECT_EQ(host.Sounds().size(), 1u);
            EXPECT_EQ(Text(IDC_MED_START), "Stop");
            EXPECT_FALSE(window.m_bMedRunning || window.m_bMedDelaying);
            EXPECT_FALSE(host.TimerArmed(window, TIMER_MEDITATION));
            if (delay[0] == '0') {
                EXPECT_EQ(Text(IDC_MED_REMAINING), "");
            } else {
                // The last tick of the delay wrote the text, and it stays.
                EXPECT_EQ(Text(IDC_MED_REMAINING), CTimerDlg::FormatRemaining(60 * custom));
            }
            host.Click(IDC_MED_START);  // idle: this starts again
            host.AdvanceSeconds(5);
            EXPECT_EQ(host.Sounds().size(), 2u);
            CloseAndForget();
            host.ClearLog();
        }
    }
}

TEST_F(Meditation, ClosingTheWindowEndsItWithoutABell) {
    OpenAt(10, 7, 30);
    host.Click(IDC_MED_START);
    host.AdvanceSeconds(60);
    host.PressEscape();
    host.AdvanceSeconds(3600);
    EXPECT_EQ(BellTimes(), Times{"10:07:35.000"});
}

TEST_F(Meditation, TheEndBellHoldsTheThreadAndWhatCameMeanwhileFollows) {
    OpenAt(10, 7, 30);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.SelectText(IDC_MED_MINUTES, "5");
    host.Click(IDC_MED_START);
    // A click two seconds into the end bell is handled after it, and starts
    // a new meditation, whose start bell rings at once.
    host.ClickAt(host.NowMs() + 5 * 60000 + 2000, IDC_MED_START);
    host.AdvanceSeconds(5 * 60 + 1);
    EXPECT_EQ(BellTimes(), (Times{"10:07:30.000", "10:12:30.000", "10:12:33.000", "10:12:37.000",
                                  "10:12:37.000"}));
    EXPECT_TRUE(dlg.m_bMedRunning);
    // The ticks that fell due during the bell came once, late, after the click.
    EXPECT_EQ(Text(IDC_MED_REMAINING), "5 mins. 0 secs.");
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_MEDITATION), 5u * 60000u);
}

TEST_F(Meditation, TheReadoutStaysRightAcrossMidnight) {
    OpenAt(23, 50, 0);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.Click(IDC_MED_START);
    host.AdvanceTo(0, 10, 0);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "10 mins. 0 secs.");
    host.AdvanceTo(0, 20, 1);
    EXPECT_EQ(BellTimes().size(), 4u);
    EXPECT_EQ(BellTimes()[1], "00:20:00.000");
}

TEST_F(Meditation, AVeryLongCustomTimeIsHeldToTheLongestTimerNotWrapped) {
    dlg.m_nCustomMedMins = 40000;  // 2,400,000,000 ms: beyond a 32-bit signed count
    OpenAt(10, 7, 30);
    host.Select(IDC_MED_MINUTES, 13);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.Click(IDC_MED_START);
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_MEDITATION), 2147483000u);
    host.AdvanceSeconds(3600);
    EXPECT_TRUE(dlg.m_bMedRunning);  // neither fired at once nor wrapped
    EXPECT_EQ(Text(IDC_MED_REMAINING), CTimerDlg::FormatRemaining(2147483 - 3600));
}

}  // namespace

namespace {

TEST_F(Meditation, RandomSoundfileEndsWithTheStartBellsDrawUnlessTestSoundDrewAgain) {
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav", "f.wav"}) {
        dir.WriteFile(name, "RIFF");
    }
    OpenAt(10, 7, 30);
    host.SelectText(IDC_MED_SOUND, "Random Soundfile");
    host.SelectText(IDC_DELAY_SECS, "0");
    host.SelectText(IDC_MED_MINUTES, "5");
    bool redrawSeen = false;
    for (bool pressTestSound : {false, true, true, true, true}) {
        host.ClearLog();
        host.Click(IDC_MED_START);
        const int startDraw = dlg.m_nMedRandomSound;
        if (pressTestSound) {
            host.AdvanceSeconds(60);
            host.Click(IDC_MED_TEST_SOUND);
        }
        const int endDraw = dlg.m_nMedRandomSound;
        redrawSeen |= endDraw != startDraw;
        host.AdvanceSeconds(5 * 60 + 10);
        const auto bells = Bells();
        ASSERT_EQ(bells.size(), pressTestSound ? 5u : 4u);
        const std::string expected = dlg.m_cmbMedSound->EntryText(endDraw);
        for (std::size_t i = bells.size() - 3; i < bells.size(); ++i) {
            EXPECT_EQ(bells[i].name, expected.ends_with(".wav") ? expected : "(chime)");
        }
    }
    EXPECT_TRUE(redrawSeen);
}

}  // namespace
