// A main window opened on the simulated host, for scenario tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/clock_state.h"
#include "app/timer_dlg.h"
#include "hosts/sim/sim_host.h"
#include "res/resource.h"
#include "test_support.h"

class MainWindowScenario : public ::testing::Test {
  protected:
    struct Bell {
        std::string time;  // local time of day, "HH:MM:SS.mmm"
        std::string name;  // a file name, or "(chime)"
        bool operator==(const Bell&) const = default;
        friend void PrintTo(const Bell& b, std::ostream* os) { *os << b.time << " " << b.name; }
    };

    MainWindowScenario() {
        g_bClockBellPlayed = 0;
        g_nLastAlarmMinute = kNoAlarmMinute;
    }
    // Opens the window at a local time of Friday 2026-12-11.
    void OpenAt(int hour, int minute, int second) {
        host.SetLocalTime(2026, 12, 11, hour, minute, second);
        host.Open(dlg);
    }
    std::vector<Bell> Bells() const {
        std::vector<Bell> bells;
        for (const auto& e : host.Sounds()) {
            bells.push_back({sim::SimHost::TimeOfDay(e.atMs),
                             e.sound.source == platform::SoundRequest::Source::File
                                 ? e.sound.fileName
                                 : "(chime)"});
        }
        return bells;
    }
    std::vector<std::string> BellTimes() const {
        std::vector<std::string> times;
        for (const Bell& b : Bells()) {
            times.push_back(b.time);
        }
        return times;
    }
    std::string Text(int id) const { return host.Text(id); }
    // Closes the window on top and drops the settings it saved, so the next
    // window starts afresh.
    void CloseAndForget() {
        host.PressEscape();
        std::filesystem::remove(dir.Path() / kSettingsFileName);
    }

    testing_support::TempCurrentDirectory dir;
    sim::SimHost host;
    CTimerDlg dlg;
};
