// The settings file, byte for byte, and never lost.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <fstream>

#include "main_window_fixture.h"
#include "settings/archive.h"

namespace {

using Bytes = std::string;

Bytes Hex(std::initializer_list<int> bytes) {
    Bytes out;
    for (int b : bytes) {
        out += static_cast<char>(b);
    }
    return out;
}

Bytes Counted(const char* text) {
    return static_cast<char>(std::strlen(text)) + Bytes(text);
}

// The file a run with no settings file and no WAVE file writes.
Bytes DefaultFile() {
    return Hex({3, 0}) + Hex({3, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}) +
           Hex({0, 0, 0, 0, 25, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
           Counted("Internal Chime") + Counted("Internal Chime") + Counted("Internal Chime") +
           Hex({30, 0, 0, 0, 1, 0, 0, 0}) + Hex({0, 0, 0, 0, 0, 0});
}

// Fields of a settings file, written with the archive's own encoding.
struct File {
    std::uint16_t version = 3;
    std::int32_t positions[5] = {1, 0, 2, 1, 3};
    std::int32_t autoStart = 1, customMed = 50, customRem = 7, reserved = 0, clockBells = 1,
                 dailyAlarms = 1;
    std::string quarter = "q.wav", half = "h.wav", hourly = "Random Soundfile";
    std::int32_t maxRandom = 45, sync = 0;
    std::vector<std::uint16_t> times = {425, 1080};
    std::vector<std::string> sounds = {"bell.wav", "om.wav"};
    std::vector<std::uint16_t> days = {0, 8};

    Bytes Encode() const {
        settings::Archive a;
        a.Write(version);
        for (std::int32_t p : positions) {
            a.Write(p);
        }
        for (std::int32_t v :
             {autoStart, customMed, customRem, reserved, clockBells, dailyAlarms}) {
            a.Write(v);
        }
        a.Write(quarter);
        a.Write(half);
        a.Write(hourly);
        a.Write(maxRandom);
        if (version >= 2) {
            a.Write(sync);
        }
        a.Write(times);
        a.Write(sounds);
        if (version >= 3) {
            a.Write(days);
        }
        return a.Bytes();
    }
};

class Settings : public MainWindowScenario {
  protected:
    void WriteSettings(const Bytes& bytes) { dir.WriteFile(kSettingsFileName, bytes); }
    Bytes SavedFile() const {
        std::ifstream in(dir.Path() / kSettingsFileName, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), {});
    }
    int Selection(int id) const {
        return dynamic_cast<const platform::ComboBoxModel&>(*host.Top().FindControl(id))
            .Selection();
    }
};

TEST_F(Settings, AFirstRunThatChangesNothingWritesTheDefaultFile) {
    OpenAt(10, 7, 30);
    host.PressEscape();
    EXPECT_EQ(SavedFile(), DefaultFile());
    EXPECT_EQ(SavedFile().size(), 105u);
}

TEST_F(Settings, OneDailyAlarmAddsItsThreeArrays) {
    dlg.m_alarmTimes = {425};
    dlg.m_alarmDays = {0};
    dlg.m_alarmSounds = {"bell.wav"};
    OpenAt(10, 7, 30);
    host.CloseBox();
    const Bytes expected = DefaultFile().substr(0, 99) + Hex({1, 0, 0xA9, 1}) + Hex({1, 0}) +
                           Counted("bell.wav") + Hex({1, 0, 0, 0});
    EXPECT_EQ(SavedFile(), expected);
    EXPECT_EQ(SavedFile().size(), 118u);
}

TEST_F(Settings, AFileLoadsIntoEverySettingAndComesBackByteForByte) {
    const File file;
    WriteSettings(file.Encode());
    OpenAt(10, 7, 30);
    EXPECT_EQ(dlg.m_bAutoStartReminder, 1);
    EXPECT_EQ(dlg.m_nCustomMedMins, 50);
    EXPECT_EQ(dlg.m_nCustomRemMins, 7);
    EXPECT_EQ(dlg.m_bClockBells, 1);
    EXPECT_EQ(dlg.m_bDailyAlarms, 1);
    EXPECT_EQ(dlg.m_strQuarterSound, "q.wav");
    EXPECT_EQ(dlg.m_strHalfHourSound, "h.wav");
    EXPECT_EQ(dlg.m_strHourlySound, "Random Soundfile");
    EXPECT_EQ(dlg.m_nMaxRandomMins, 45);
    EXPECT_EQ(dlg.m_bSyncToClock, 0);
    EXPECT_EQ(dlg.m_alarmTimes, file.times);
    EXPECT_EQ(dlg.m_alarmSounds, file.sounds);
    EXPECT_EQ(dlg.m_alarmDays, file.days);
    EXPECT_EQ(Selection(IDC_REM_MINUTES), 1);
    EXPECT_EQ(Selection(IDC_REM_SOUND), 0);
    EXPECT_EQ(Selection(IDC_MED_MINUTES), 2);
    EXPECT_EQ(Selection(IDC_MED_SOUND), 1);
    EXPECT_EQ(Selection(IDC_DELAY_SECS), 3);
    EXPECT_EQ(dlg.m_cmbMedMinutes->EntryText(13), "50");  // refilled with the loaded custom time
    EXPECT_EQ(dlg.m_nMedMinutes, 15);                     // the choices were read after the load
    EXPECT_TRUE(dlg.m_bRemSyncing);                       // and the reminder started by itself
    host.PressEscape();
    EXPECT_EQ(SavedFile(), file.Encode());
}

TEST_F(Settings, OlderVersionsKeepSyncOnAndMakeEveryAlarmDaily) {
    struct Case {
        std::uint16_t version;
        int sync;
        std::vector<std::uint16_t> days;
    } cases[] = {{0, 1, {0, 0}}, {1, 1, {0, 0}}, {2, 0, {0, 0}}, {3, 0, {0, 8}}, {7, 0, {0, 8}}};
    for (const Case& c : cases) {
        File file;
        file.version = c.version;
        WriteSettings(file.Encode());
        CTimerDlg window;
        host.Open(window);
        EXPECT_EQ(window.m_nFileVersion, c.version);
        EXPECT_EQ(window.m_bSyncToClock, c.sync) << c.version;
        EXPECT_EQ(window.m_alarmDays, c.days) << c.version;
        EXPECT_EQ(window.m_alarmTimes.size(), 2u);
        host.PressEscape();
        EXPECT_EQ(SavedFile()[0], 3);  // written back as version 3
    }
}

TEST_F(Settings, AFileCutAnywhereKeepsWhatWasReadAndTheDefaultsOfTheRest) {
    const File file;
    const Bytes full = file.Encode();
    // Where each field ends, and where the day codes' values begin.
    const std::size_t quarterEnd = 46 + 1 + file.quarter.size();
    const std::size_t halfEnd = quarterEnd + 1 + file.half.size();
    const std::size_t hourlyEnd = halfEnd + 1 + file.hourly.size();
    const std::size_t dayValues = full.size() - 2 * file.days.size();
    for (std::size_t length = 0; length <= full.size(); ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length));
        WriteSettings(full.substr(0, length));
        CTimerDlg d;
        host.Open(d);
        auto got = [&](std::size_t end) { return length >= end; };
        EXPECT_EQ(d.m_bAutoStartReminder, got(26) ? 1 : 0);
        EXPECT_EQ(d.m_nCustomMedMins, got(30) ? 50 : 25);
        EXPECT_EQ(d.m_nCustomRemMins, got(34) ? 7 : 3);
        EXPECT_EQ(d.m_bClockBells, got(42) ? 1 : 0);
        EXPECT_EQ(d.m_bDailyAlarms, got(46) ? 1 : 0);
        EXPECT_EQ(d.m_strQuarterSound, got(quarterEnd) ? "q.wav" : "Internal Chime");
        EXPECT_EQ(d.m_strHalfHourSound, got(halfEnd) ? "h.wav" : "Internal Chime");
        EXPECT_EQ(d.m_strHourlySound, got(hourlyEnd) ? "Random Soundfile" : "Internal Chime");
        EXPECT_EQ(d.m_nMaxRandomMins, got(hourlyEnd + 4) ? 45 : 30);
        EXPECT_EQ(d.m_bSyncToClock, got(hourlyEnd + 8) ? 0 : 1);
        // The lists take the stored positions only when the day codes' count was read.
        const bool complete = got(dayValues);
        EXPECT_EQ(Selection(IDC_MED_MINUTES), complete ? 2 : 4);
        EXPECT_EQ(Selection(IDC_DELAY_SECS), complete ? 3 : 1);
        EXPECT_EQ(d.m_cmbMedMinutes->EntryText(13), complete ? "50" : "25");  // refilled or not
        // Alarms are whole or not there at all.
        EXPECT_EQ(d.m_alarmTimes.size(), d.m_alarmDays.size());
        EXPECT_EQ(d.m_alarmTimes.size(), d.m_alarmSounds.size());
        if (complete) {
            EXPECT_EQ(d.m_alarmTimes, file.times);
            EXPECT_EQ(d.m_alarmSounds, file.sounds);
            // Day codes the file lost read as 0 (Daily); half of one keeps its low byte.
            // Day codes 0 and 8 are the bytes 00 00 08 00: one byte short, the
            // 8 is still there.
            const std::vector<std::uint16_t> days =
                length >= full.size() - 1 ? file.days : std::vector<std::uint16_t>{0, 0};
            EXPECT_EQ(d.m_alarmDays, days);
        } else {
            EXPECT_TRUE(d.m_alarmTimes.empty());
        }
        host.PressEscape();
    }
}

TEST_F(Settings, PositionsOutsideTheListsAreNoSelectionOrTheFirstEntry) {
    File file;
    file.positions[1] = 9;   // reminder sound: past the two entries
    file.positions[4] = -5;  // delay
    WriteSettings(file.Encode());
    OpenAt(10, 7, 30);
    EXPECT_EQ(Selection(IDC_REM_SOUND), -1);
    EXPECT_EQ(Selection(IDC_DELAY_SECS), 0);
    host.PressEscape();
    const Bytes saved = SavedFile();
    EXPECT_EQ(saved.substr(6, 4), Hex({0xFF, 0xFF, 0xFF, 0xFF}));  // saved back as -1
    EXPECT_EQ(saved.substr(18, 4), Hex({0, 0, 0, 0}));
}

TEST_F(Settings, LongNamesTakeTheLongerPrefixes) {
    dlg.m_strQuarterSound = std::string(254, 'q');
    dlg.m_strHalfHourSound = std::string(255, 'h');
    dlg.m_strHourlySound = std::string(70000, 'o');
    OpenAt(10, 7, 30);
    host.PressEscape();
    const Bytes saved = SavedFile();
    EXPECT_EQ(saved.substr(46, 1), Hex({0xFE}));
    EXPECT_EQ(saved.substr(46 + 1 + 254, 3), Hex({0xFF, 0xFF, 0x00}));
    EXPECT_EQ(saved.substr(46 + 1 + 254 + 3 + 255, 7), Hex({0xFF, 0xFF, 0xFF, 0x70, 0x11, 1, 0}));
    CTimerDlg again;
    host.Open(again);
    EXPECT_EQ(again.m_strHourlySound, std::string(70000, 'o'));
}

TEST_F(Settings, AWideNameIsReadAndWrittenBackNarrow) {
    File file;
    Bytes bytes = file.Encode();
    // Replace the quarter sound "q.wav" with the wide form of "Gong é.wav".
    const std::u16string wide = u"Gong \u00e9.wav";
    Bytes encoded = Hex({0xFF, 0xFE, 0xFF, static_cast<int>(wide.size())});
    for (char16_t c : wide) {
        encoded += static_cast<char>(c & 0xFF);
        encoded += static_cast<char>(c >> 8);
    }
    bytes.replace(46, 6, encoded);
    WriteSettings(bytes);
    OpenAt(10, 7, 30);
    EXPECT_EQ(dlg.m_strQuarterSound, "Gong \xC3\xA9.wav");
    EXPECT_EQ(dlg.m_strHalfHourSound, "h.wav");  // read on from the right place
    host.PressEscape();
    EXPECT_EQ(SavedFile().substr(46, 12), Counted("Gong \xC3\xA9.wav"));
}

TEST_F(Settings, AlarmCountsThatDisagreeDropTheIncompleteAlarms) {
    File file;
    file.times = {60, 120, 180};
    file.sounds = {"a.wav", "b.wav"};
    file.days = {1, 2, 3, 4};
    WriteSettings(file.Encode());
    OpenAt(10, 7, 30);
    EXPECT_EQ(dlg.m_alarmTimes, (std::vector<std::uint16_t>{60, 120}));
    EXPECT_EQ(dlg.m_alarmSounds, (std::vector<std::string>{"a.wav", "b.wav"}));
    EXPECT_EQ(dlg.m_alarmDays, (std::vector<std::uint16_t>{1, 2}));
}

TEST_F(Settings, HugeCountsAndLengthsAreTheEndOfTheData) {
    const Bytes head = File().Encode().substr(0, 46);
    const Bytes cases[] = {
        head + Hex({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc",  // a 4 GB name
        head + Counted("q") + Counted("h") + Counted("o") + Hex({1, 0, 0, 0, 1, 0, 0, 0}) +
            Hex({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) + "xx",  // 2 G alarm times
        head + Counted("q") + Counted("h") + Counted("o") + Hex({1, 0, 0, 0, 1, 0, 0, 0}) +
            Hex({0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0}),  // 2 G alarm sounds
    };
    for (const Bytes& bytes : cases) {
        WriteSettings(bytes);
        CTimerDlg d;
        host.Open(d);
        EXPECT_EQ(d.m_nCustomMedMins, 50);  // read before the break
        EXPECT_TRUE(d.m_alarmTimes.empty() && d.m_alarmSounds.empty() && d.m_alarmDays.empty());
        host.PressEscape();
    }
}

TEST_F(Settings, ACheckValueOutsideZeroToTwoBecomesZero) {
    File file;
    file.clockBells = 7;
    WriteSettings(file.Encode());
    OpenAt(10, 7, 30);
    EXPECT_EQ(
        dynamic_cast<const platform::CheckBoxModel&>(*dlg.FindControl(IDC_CLOCK_BELLS)).Check(), 0);
    EXPECT_EQ(dlg.m_bClockBells, 0);
}

TEST_F(Settings, AFileHeldByAnotherProgramIsNeitherReadNorOverwritten) {
    const Bytes original = File().Encode();
    WriteSettings(original);
    const int other = ::open((dir.Path() / kSettingsFileName).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    OpenAt(10, 7, 30);
    EXPECT_EQ(dlg.m_nCustomMedMins, 25);  // the defaults
    host.PressEscape();                   // and the save gives up at once
    ::close(other);
    EXPECT_EQ(SavedFile(), original);
}

TEST_F(Settings, ASaveThatFailsPartWayLeavesThePreviousFile) {
    const Bytes original = File().Encode();
    WriteSettings(original);
    OpenAt(10, 7, 30);
    dlg.m_strHourlySound = std::string(5000, 'x');
    // A disk that fills up after 200 bytes.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 200;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    host.PressEscape();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(SavedFile(), original);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        EXPECT_EQ(entry.path().filename(), kSettingsFileName);  // no half-written leftovers
    }
}

TEST_F(Settings, ASettingsFileReachedThroughALinkStaysALink) {
    std::filesystem::create_directory(dir.Path() / "elsewhere");
    dir.WriteFile("elsewhere/real.2sx", DefaultFile());
    std::filesystem::create_symlink("elsewhere/real.2sx", dir.Path() / kSettingsFileName);
    OpenAt(10, 7, 30);
    host.Click(IDC_CLOCK_BELLS);
    host.PressEscape();
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / kSettingsFileName));
    EXPECT_EQ(SavedFile()[38], 1);  // the clock bells, saved through the link
}

}  // namespace
