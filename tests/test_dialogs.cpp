// The Add-alarm, Options and About dialogs on the simulated host.
#include "app/timer_app.h"
#include "dialogs/add_alarm_dlg.h"
#include "dialogs/alarm_text.h"
#include "dialogs/options_dlg.h"
#include "main_window_fixture.h"
#include "res/templates.h"

namespace {

using Lines = std::vector<std::string>;

class Dialogs : public MainWindowScenario {
  protected:
    static const platform::ListBoxModel& ListBox(platform::Dialog& d, int id) {
        return dynamic_cast<const platform::ListBoxModel&>(*d.FindControl(id));
    }
    static const platform::ComboBoxModel& Combo(platform::Dialog& d, int id) {
        return dynamic_cast<const platform::ComboBoxModel&>(*d.FindControl(id));
    }
    static std::string Selected(platform::Dialog& d, int id) {
        return Combo(d, id).EntryText(Combo(d, id).Selection());
    }
    // Expects the Add-alarm dialog to open; `choose` acts in it before `end`.
    void ExpectAddAlarm(std::function<void(sim::SimHost&)> choose, bool ok = true) {
        host.ExpectDialog([choose, ok](sim::SimHost& h, platform::Dialog& d) {
            EXPECT_EQ(d.Layout().id, IDD_ADD_ALARM);
            choose(h);
            ok ? h.Click(1) : h.PressEscape();
        });
    }
};

// --- Add alarm ---------------------------------------------------------------

TEST_F(Dialogs, AddAlarmStartsOnDailyOneOClockAndTheFirstSoundFile) {
    dir.WriteFile("zen.wav", "RIFF");
    dir.WriteFile("bell.wav", "RIFF");
    OpenAt(10, 7, 30);
    CAddAlarmDlg add;
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog& d) {
        EXPECT_EQ(Combo(d, IDC_ALARM_DAY).Entries(),
                  (Lines{"Daily", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "WeekDays",
                         "WeekEnds"}));
        EXPECT_EQ(Combo(d, IDC_ALARM_MINUTE).Count(), 60);
        EXPECT_EQ(Combo(d, IDC_ALARM_MINUTE).EntryText(7), "07");
        EXPECT_EQ(Combo(d, IDC_ALARM_SOUND).Entries(), (Lines{"bell.wav", "zen.wav"}));
        EXPECT_EQ(h.Text(IDC_ALARM_TEXT), "Daily 1:00 A.M.");
        h.PressEnter();
    });
    EXPECT_EQ(add.DoModal(), platform::kIdOk);
    EXPECT_EQ(add.m_strAlarmText, "Daily 1:00 A.M.");
    EXPECT_EQ(add.m_strAlarmSound, "bell.wav");
}

TEST_F(Dialogs, AddAlarmPreviewFollowsEveryChoice) {
    dir.WriteFile("a.wav", "RIFF");
    dir.WriteFile("b.wav", "RIFF");
    OpenAt(10, 7, 30);
    CAddAlarmDlg add;
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog&) {
        h.SelectText(IDC_ALARM_DAY, "WeekDays");
        EXPECT_EQ(h.Text(IDC_ALARM_TEXT), "WeekDays 1:00 A.M.");
        h.SelectText(IDC_ALARM_HOUR, "12");
        h.SelectText(IDC_ALARM_MINUTE, "05");
        h.SelectText(IDC_ALARM_AMPM, "P.M.");
        EXPECT_EQ(h.Text(IDC_ALARM_TEXT), "WeekDays 12:05 P.M.");
        h.SelectText(IDC_ALARM_SOUND, "b.wav");
        h.TypeText(IDC_ALARM_SOUND, "typed.wav");  // typing is not taken
        h.Click(1);
    });
    add.DoModal();
    EXPECT_EQ(add.m_strAlarmText, "WeekDays 12:05 P.M.");
    EXPECT_EQ(add.m_strAlarmSound, "b.wav");
    EXPECT_EQ(ParseAlarmMinute(add.m_strAlarmText), 725);
    EXPECT_EQ(ParseAlarmDay(add.m_strAlarmText), 8);
}

TEST_F(Dialogs, AddAlarmWithNoSoundFileGivesAnEmptyName) {
    OpenAt(10, 7, 30);
    CAddAlarmDlg add;
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog& d) {
        EXPECT_EQ(Combo(d, IDC_ALARM_SOUND).Count(), 0);
        EXPECT_EQ(Combo(d, IDC_ALARM_SOUND).Selection(), -1);
        h.SelectText(IDC_ALARM_HOUR, "9");
        h.SelectText(IDC_ALARM_MINUTE, "07");
        h.Click(1);
    });
    add.DoModal();
    EXPECT_EQ(add.m_strAlarmText, "Daily 9:07 A.M.");
    EXPECT_EQ(add.m_strAlarmSound, "");
}

// --- Options -----------------------------------------------------------------

TEST_F(Dialogs, OptionsOkUntouchedLeavesEverySettingAsItWas) {
    dir.WriteFile("bell.wav", "RIFF");
    dlg.m_strHourlySound = "bell.wav";
    dlg.m_strHalfHourSound = "Internal Chime";
    dlg.m_strQuarterSound = "Random Soundfile";
    dlg.m_alarmTimes = {425, 1080};
    dlg.m_alarmDays = {0, 8};
    dlg.m_alarmSounds = {"bell.wav", ""};
    dlg.m_nCustomMedMins = 40;
    dlg.m_nMaxRandomMins = -3;
    OpenAt(10, 7, 30);
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog& d) {
        EXPECT_EQ(d.Layout().caption, "Selvantora Options");
        EXPECT_EQ(ListBox(d, IDC_ALARM_TIMES).Lines(),
                  (Lines{"Daily 7:05 A.M.", "WeekDays 6:00 P.M."}));
        EXPECT_EQ(ListBox(d, IDC_ALARM_SOUNDS).Lines(), (Lines{"bell.wav", ""}));
        EXPECT_EQ(Selected(d, IDC_HOURLY_SOUND), "bell.wav");
        EXPECT_EQ(h.Text(IDC_CUSTOM_MED), "40");
        EXPECT_EQ(h.Text(IDC_MAX_RANDOM), "-3");
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_FALSE(host.Top().Layout().id != IDD_MAIN);
    EXPECT_EQ(dlg.m_strHourlySound, "bell.wav");
    EXPECT_EQ(dlg.m_strHalfHourSound, "Internal Chime");
    EXPECT_EQ(dlg.m_strQuarterSound, "Random Soundfile");
    EXPECT_EQ(dlg.m_alarmTimes, (std::vector<std::uint16_t>{425, 1080}));
    EXPECT_EQ(dlg.m_alarmDays, (std::vector<std::uint16_t>{0, 8}));
    EXPECT_EQ(dlg.m_nCustomMedMins, 40);
    EXPECT_EQ(dlg.m_nMaxRandomMins, -3);
    EXPECT_EQ(dlg.m_bSyncToClock, 1);
}

TEST_F(Dialogs, OptionsReplaceAQuarterNameThatMatchesNothingWithTheFirstEntry) {
    dlg.m_strHourlySound = "gone.wav";
    dlg.m_strQuarterSound = "gone.wav";
    OpenAt(10, 7, 30);
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog& d) {
        EXPECT_EQ(Combo(d, IDC_HOURLY_SOUND).Selection(), -1);
        EXPECT_EQ(Combo(d, IDC_QUARTER_SOUND).Selection(), 0);
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_EQ(dlg.m_strHourlySound, "gone.wav");
    EXPECT_EQ(dlg.m_strQuarterSound, "Internal Chime");
}

TEST_F(Dialogs, ACustomMeditationTimeOf50TimesAFiftyMinuteMeditation) {
    OpenAt(10, 7, 30);
    host.Select(IDC_MED_MINUTES, 13);
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog&) {
        h.TypeText(IDC_CUSTOM_MED, "50");
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_EQ(dlg.m_cmbMedMinutes->EntryText(13), "50");
    EXPECT_EQ(dlg.m_cmbMedMinutes->Selection(), 13);  // still the custom entry
    host.SelectText(IDC_DELAY_SECS, "0");
    host.Click(IDC_MED_START);
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_MEDITATION), 50u * 60000u);
}

TEST_F(Dialogs, OptionsKeepATimerUnderWayOnItsOldPeriod) {
    OpenAt(10, 7, 30);
    host.Select(IDC_MED_MINUTES, 13);
    host.SelectText(IDC_DELAY_SECS, "0");
    host.Click(IDC_MED_START);
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog&) {
        h.TypeText(IDC_CUSTOM_MED, "10");
        h.AdvanceSeconds(60);  // the clock and the meditation go on meanwhile
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_TRUE(dlg.m_bMedRunning);
    EXPECT_EQ(host.TimerPeriod(dlg, TIMER_MEDITATION), 25u * 60000u);
    EXPECT_EQ(Text(IDC_MED_REMAINING), "24 mins. 0 secs.");
}

TEST_F(Dialogs, NumberFieldsAreValidatedInOrder) {
    (void)theApp;  // the application's title captions the messages
    struct Case {
        const char* rem;
        const char* med;
        const char* max;
        const char* message;  // or null when accepted
        int focus;
    } cases[] = {
        {"0", "0", "0", nullptr, 0},
        {"", "5", "5", "Please enter a positive integer.", IDC_CUSTOM_REM},
        {"5", " \t", "5", "Please enter a positive integer.", IDC_CUSTOM_MED},
        {"5", "5", "", "Please enter an integer.", IDC_MAX_RANDOM},
        {"", "5", "", "Please enter a positive integer.", IDC_CUSTOM_REM},  // 1017 not read
        {"-1", "5", "5", "Please enter a positive integer.", IDC_CUSTOM_REM},
        {"5", "5", "-1", nullptr, 0},
        {"+7", " 12\t", "99999999999", nullptr, 0},
        {"5x", "5", "5", "Please enter a positive integer.", IDC_CUSTOM_REM},
        {"00", "5", "-0", "Please enter an integer.", IDC_MAX_RANDOM},
    };
    OpenAt(10, 7, 30);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rem) + "|" + c.med + "|" + c.max);
        host.ClearLog();
        int focus = -1;
        host.ExpectDialog([&](sim::SimHost& h, platform::Dialog& d) {
            h.TypeText(IDC_CUSTOM_REM, c.rem);
            h.TypeText(IDC_CUSTOM_MED, c.med);
            h.TypeText(IDC_MAX_RANDOM, c.max);
            h.Click(1);
            focus = d.FocusRequest();
            if (!d.HasEnded()) {
                h.PressEscape();
            }
        });
        host.Click(IDC_OPTIONS);
        std::vector<sim::LogEntry> boxes;
        for (const auto& e : host.Log()) {
            if (e.kind == sim::LogEntry::Kind::MessageBox) {
                boxes.push_back(e);
            }
        }
        if (c.message == nullptr) {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, c.message);
            EXPECT_EQ(boxes[0].caption, "Selvantora");
            EXPECT_EQ(boxes[0].icon, platform::MessageIcon::Exclamation);
            EXPECT_EQ(focus, c.focus);
        }
    }
    // The accepted values: clamped, signs and blanks as the fields allow.
    EXPECT_EQ(dlg.m_nCustomRemMins, 7);
    EXPECT_EQ(dlg.m_nCustomMedMins, 12);
    EXPECT_EQ(dlg.m_nMaxRandomMins, 2147483647);
}

TEST_F(Dialogs, AlarmBellsAreAddedDeletedAndTakenBackOnOkOnly) {
    dir.WriteFile("a.wav", "RIFF");
    OpenAt(10, 7, 30);
    // Add two, delete the first, OK: the second stays.
    host.ExpectDialog([this](sim::SimHost& h, platform::Dialog& d) {
        ExpectAddAlarm([](sim::SimHost& a) { a.SelectText(IDC_ALARM_HOUR, "6"); });
        h.Click(IDC_ADD_ALARM);
        ExpectAddAlarm([](sim::SimHost& a) {
            a.SelectText(IDC_ALARM_DAY, "Sun");
            a.SelectText(IDC_ALARM_MINUTE, "45");
        });
        h.Click(IDC_ADD_ALARM);
        ExpectAddAlarm([](sim::SimHost&) {}, false);  // cancelled: adds nothing
        h.Click(IDC_ADD_ALARM);
        EXPECT_EQ(ListBox(d, IDC_ALARM_TIMES).Lines(), (Lines{"Daily 6:00 A.M.", "Sun 1:45 A.M."}));
        h.Select(IDC_ALARM_TIMES, 0);
        EXPECT_EQ(ListBox(d, IDC_ALARM_SOUNDS).Selection(), 0);  // kept together
        h.Click(IDC_DELETE_ALARM);
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_EQ(dlg.m_alarmTimes, (std::vector<std::uint16_t>{105}));
    EXPECT_EQ(dlg.m_alarmDays, (std::vector<std::uint16_t>{1}));
    EXPECT_EQ(dlg.m_alarmSounds, (Lines{"a.wav"}));

    // Cancel drops the changes.
    host.ExpectDialog([this](sim::SimHost& h, platform::Dialog&) {
        ExpectAddAlarm([](sim::SimHost&) {});
        h.Click(IDC_ADD_ALARM);
        h.CloseBox();
    });
    host.Click(IDC_OPTIONS);
    EXPECT_EQ(dlg.m_alarmTimes.size(), 1u);

    // A line picked in the sound list and deleted goes from both lists; with
    // nothing selected, Delete explains itself.
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog& d) {
        h.Click(IDC_DELETE_ALARM);
        h.Select(IDC_ALARM_SOUNDS, 0);
        EXPECT_EQ(ListBox(d, IDC_ALARM_TIMES).Selection(), 0);
        h.Click(IDC_DELETE_ALARM);
        EXPECT_EQ(ListBox(d, IDC_ALARM_TIMES).Count(), 0);
        EXPECT_EQ(ListBox(d, IDC_ALARM_SOUNDS).Count(), 0);
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_TRUE(dlg.m_alarmTimes.empty() && dlg.m_alarmDays.empty() && dlg.m_alarmSounds.empty());
    ASSERT_EQ(host.Log().back().kind, sim::LogEntry::Kind::MessageBox);
    EXPECT_EQ(host.Log().back().text, "Please select an item from the list to delete.");
    EXPECT_EQ(host.Log().back().caption, "Selection Error");
    EXPECT_EQ(host.Log().back().icon, platform::MessageIcon::None);
}

TEST_F(Dialogs, TypingInTheFieldsSurvivesAddAndDelete) {
    OpenAt(10, 7, 30);
    host.ExpectDialog([this](sim::SimHost& h, platform::Dialog&) {
        h.TypeText(IDC_CUSTOM_MED, "33");
        h.Click(IDC_SYNC_TO_CLOCK);
        ExpectAddAlarm([](sim::SimHost&) {});
        h.Click(IDC_ADD_ALARM);
        h.Click(IDC_DELETE_ALARM);
        EXPECT_EQ(h.Text(IDC_CUSTOM_MED), "33");
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_EQ(dlg.m_nCustomMedMins, 33);
    EXPECT_EQ(dlg.m_bSyncToClock, 0);
}

TEST_F(Dialogs, AnAlarmWithADayCodeWithoutANameIsStoredAsDailyAtItsTime) {
    dlg.m_alarmTimes = {425};
    dlg.m_alarmDays = {12};
    dlg.m_alarmSounds = {""};
    OpenAt(10, 7, 30);
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog& d) {
        EXPECT_EQ(ListBox(d, IDC_ALARM_TIMES).LineText(0), " 7:05 A.M.");
        h.Click(1);
    });
    host.Click(IDC_OPTIONS);
    EXPECT_EQ(dlg.m_alarmTimes, (std::vector<std::uint16_t>{425}));
    EXPECT_EQ(dlg.m_alarmDays, (std::vector<std::uint16_t>{0}));
}

// --- About and Help ------------------------------------------------------------

TEST_F(Dialogs, AboutShowsTheVersionAndItsButtonOpensTheWebPage) {
    OpenAt(10, 7, 30);
    for (int way = 0; way < 4; ++way) {
        host.ExpectDialog([way](sim::SimHost& h, platform::Dialog& d) {
            EXPECT_EQ(h.Text(IDC_VERSION), "Selvantora version 2.0.5");
            if (way == 0) {
                h.Click(IDC_WEB_PAGE);
                EXPECT_FALSE(d.HasEnded());  // the dialog stays open
            }
            switch (way) {
                case 0:
                    h.Click(1);
                    break;
                case 1:
                    h.PressEscape();
                    break;
                case 2:
                    h.PressEnter();
                    break;
                default:
                    h.CloseBox();
                    break;
            }
        });
        host.Click(IDC_ABOUT);
    }
    ASSERT_EQ(host.Log().size(), 1u);
    EXPECT_EQ(host.Log()[0].kind, sim::LogEntry::Kind::Document);
    EXPECT_EQ(host.Log()[0].text, "https://www.selvantora.org/selvantora.html");
    EXPECT_EQ(res::AboutTemplate().controls[4].text, "WWW.SELVANTORA.ORG");
}

TEST_F(Dialogs, HelpOpensThePageInTheCurrentDirectory) {
    OpenAt(10, 7, 30);
    host.Click(IDC_HELP_BUTTON);
    ASSERT_EQ(host.Log().size(), 1u);
    EXPECT_EQ(host.Log()[0].kind, sim::LogEntry::Kind::Document);
    EXPECT_EQ(host.Log()[0].text, "selvantorahelp.html");
    EXPECT_EQ(platform::ResolvePath(host.Log()[0].text), dir.Path() / "selvantorahelp.html");
    EXPECT_TRUE(dlg.IsOpen());
}

}  // namespace
