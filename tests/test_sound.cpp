// Sound lists, bells and the built-in chime.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "app/timer_dlg.h"
#include "hosts/sim/sim_host.h"
#include "platform/runtime.h"
#include "res/chime.h"
#include "res/resource.h"
#include "sound/bells.h"
#include "test_support.h"

namespace {

using Entries = std::vector<std::string>;
using Source = platform::SoundRequest::Source;

class Sound : public ::testing::Test {
  protected:
    void Start(std::initializer_list<const char*> files = {}) {
        for (const char* name : files) {
            dir.WriteFile(name, "RIFF");
        }
        host.Open(dlg);
    }
    const platform::ComboBoxModel& List(int id) const {
        return dynamic_cast<const platform::ComboBoxModel&>(*dlg.FindControl(id));
    }
    // What each sound played was: a file name, or "(chime)".
    std::vector<std::string> Played() const {
        std::vector<std::string> names;
        for (const auto& e : host.Sounds()) {
            names.push_back(e.sound.source == Source::File ? e.sound.fileName : "(chime)");
        }
        return names;
    }

    testing_support::TempCurrentDirectory dir;
    sim::SimHost host;
    CTimerDlg dlg;
};

TEST_F(Sound, ListsHoldTheWaveFilesAndTheSpecialEntriesInOrder) {
    std::filesystem::create_directory(dir.Path() / "x.wav");  // a folder is no sound
    Start({"zen.wav", "om.wav", "BELL.WAV", "notes.txt", "bell.wav.bak"});
    const Entries expected{"BELL.WAV", "Internal Chime", "om.wav", "Random Soundfile", "zen.wav"};
    EXPECT_EQ(List(IDC_MED_SOUND).Entries(), expected);
    EXPECT_EQ(List(IDC_REM_SOUND).Entries(), expected);
    EXPECT_EQ(List(IDC_MED_SOUND).Selection(), 1);
    EXPECT_EQ(List(IDC_REM_SOUND).Selection(), 1);
}

TEST_F(Sound, APrefixSearchForTheChimeFindsALongerFileName) {
    Start({"Internal Chime 2.wav"});
    EXPECT_EQ(List(IDC_MED_SOUND).Entries(),
              (Entries{"Internal Chime", "Internal Chime 2.wav", "Random Soundfile"}));
    EXPECT_EQ(List(IDC_MED_SOUND).EntryText(List(IDC_MED_SOUND).Selection()),
              "Internal Chime 2.wav");
}

TEST_F(Sound, ANameWithAnEntryBehindItPlaysAsAFileAndAnythingElseRingsTheChime) {
    Start();
    dir.WriteFile("Internal Chime", "not even a wave");  // no extension: never listed
    dir.WriteFile("x?.wav", "");
    std::filesystem::create_directory(dir.Path() / "folder");
    for (const char* name :
         {"Internal Chime", "folder", "", "gone.wav", "x?.wav", "*", "Random Soundfile"}) {
        sound::PlaySoundByName(name);
    }
    EXPECT_EQ(Played(), (Entries{"Internal Chime", "folder", "(chime)", "(chime)", "(chime)",
                                 "(chime)", "(chime)"}));
    EXPECT_EQ(List(IDC_MED_SOUND).Count(), 2);
}

TEST_F(Sound, TestSoundButtonsRingTheSelectedSounds) {
    Start({"bell.wav", "om.wav"});
    host.SelectText(IDC_MED_SOUND, "om.wav");
    host.Click(IDC_MED_TEST_SOUND);
    host.Click(IDC_REM_TEST_SOUND);
    EXPECT_EQ(Played(), (Entries{"om.wav", "(chime)"}));
}

TEST_F(Sound, TheEndBellStrikesThreeTimesBlockingTheThread) {
    Start({"bell.wav"});
    host.SelectText(IDC_MED_SOUND, "bell.wav");
    const std::int64_t start = host.NowMs();
    dlg.PlayEndBell();
    const auto sounds = host.Sounds();
    ASSERT_EQ(sounds.size(), 3u);
    const std::int64_t strikes[] = {0, 3000, 7000};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(sounds[i].sound.fileName, "bell.wav");
        EXPECT_EQ(sounds[i].atMs - start, strikes[i]);
    }
    EXPECT_EQ(host.NowMs() - start, 7000);
}

TEST_F(Sound, RandomSoundfileDrawsAtTheStartBellAndTheEndBellReusesTheDraw) {
    Start({"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"});
    host.SelectText(IDC_MED_SOUND, "Random Soundfile");
    std::set<std::string> drawn;
    for (int round = 0; round < 20; ++round) {
        host.ClearLog();
        dlg.PlayStartBell();
        const std::string start = dlg.m_cmbMedSound->EntryText(dlg.m_nMedRandomSound);
        dlg.PlayEndBell();
        const auto played = Played();
        ASSERT_EQ(played.size(), 4u);
        const std::string expected =
            std::filesystem::exists(dir.Path() / start) ? start : std::string("(chime)");
        for (const auto& name : played) {
            EXPECT_EQ(name, expected);
        }
        drawn.insert(start);
    }
    EXPECT_GE(drawn.size(), 4u);  // the draws really vary

    // The reminder's picks are not kept.
    const int kept = dlg.m_nMedRandomSound;
    host.SelectText(IDC_REM_SOUND, "Random Soundfile");
    for (int i = 0; i < 10; ++i) {
        host.Click(IDC_REM_TEST_SOUND);
    }
    EXPECT_EQ(dlg.m_nMedRandomSound, kept);
}

TEST_F(Sound, SwitchingToRandomAfterAFixedStartRingsTheLastDrawOrEntryZero) {
    Start({"a.wav", "b.wav"});
    host.SelectText(IDC_MED_SOUND, "b.wav");
    dlg.PlayStartBell();
    host.SelectText(IDC_MED_SOUND, "Random Soundfile");
    dlg.PlayEndBell();
    EXPECT_EQ(Played(), (Entries{"b.wav", "a.wav", "a.wav", "a.wav"}));  // position 0
}

TEST_F(Sound, ABellWithNoSelectionRingsTheChime) {
    Start({"a.wav"});
    dlg.m_cmbMedSound->Select(-1);
    dlg.m_cmbRemSound->Select(40);
    dlg.PlayStartBell();
    dlg.PlayReminderBell();
    dlg.PlayEndBell();
    EXPECT_EQ(Played(), Entries(5, "(chime)"));
}

TEST(RandomPick, MatchesTheIntegerQuotientAndStaysInsideTheList) {
    // For short lists the pick is r * count / 32767, truncated.
    for (std::uint32_t seed : {1u, 7u, 36450u}) {
        platform::srand(seed);
        const int r = platform::rand();
        platform::srand(seed);
        EXPECT_EQ(sound::RandomPick(5), r * 5 / 32767) << seed;
    }
    // Find a seed whose first draw is 32767: the formula gives the count itself.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        platform::srand(seed);
        if (platform::rand() == 32767) {
            break;
        }
    }
    for (int count : {1, 2, 5, 100}) {
        platform::srand(seed);
        EXPECT_EQ(sound::RandomPick(count), count - 1) << count;
    }
}

TEST_F(Sound, ClockBellNamesOfUpTo259CharactersPlayAndLongerOnesRingTheChime) {
    Start();
    // Built from folders, since one file name may not be that long here.
    auto make = [&](std::size_t length) {
        std::string name;
        while (name.size() + 101 < length) {
            name += std::string(99, 'd') + "/";
            std::filesystem::create_directory(dir.Path() / name);
        }
        name += std::string(length - name.size(), 'f');
        dir.WriteFile(name, "RIFF");
        return name;
    };
    const std::string fits = make(259);
    const std::string tooLong = make(260);
    dlg.PlayBellByName(fits);
    dlg.PlayBellByName(tooLong);
    EXPECT_EQ(Played(), (Entries{fits, "(chime)"}));
}

TEST(Chime, IsACompleteWaveFileOfTheGivenFormat) {
    const auto wave = res::ChimeWave();
    ASSERT_EQ(wave.size(), 881946u);
    auto u16 = [&](std::size_t at) { return wave[at] | wave[at + 1] << 8; };
    auto u32 = [&](std::size_t at) {
        return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    };
    auto tag = [&](std::size_t at) {
        return std::string(wave.begin() + at, wave.begin() + at + 4);
    };
    EXPECT_EQ(tag(0), "RIFF");
    EXPECT_EQ(u32(4), 881938u);
    EXPECT_EQ(tag(8), "WAVE");
    EXPECT_EQ(tag(12), "fmt ");
    EXPECT_EQ(u32(16), 16u);
    EXPECT_EQ(u16(20), 1u);  // PCM
    EXPECT_EQ(u16(22), 1u);  // mono
    EXPECT_EQ(u32(24), 22050u);
    EXPECT_EQ(u32(28), 44100u);
    EXPECT_EQ(u16(32), 2u);
    EXPECT_EQ(u16(34), 16u);
    EXPECT_EQ(tag(36), "data");
    EXPECT_EQ(u32(40), 881902u);
}

TEST(Chime, SoundsBelowFullScaleAndDiesAwayToSilence) {
    const auto wave = res::ChimeWave();
    const std::size_t samples = (wave.size() - 44) / 2;
    auto sample = [&](std::size_t i) {
        return static_cast<std::int16_t>(wave[44 + 2 * i] | wave[45 + 2 * i] << 8);
    };
    int peak = 0;
    double earlyEnergy = 0;
    for (std::size_t i = 0; i < samples; ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
        if (i < 22050) {
            earlyEnergy += static_cast<double>(sample(i)) * sample(i);
        }
    }
    EXPECT_LT(peak, 32767 * 0.8);  // headroom, no clipping
    EXPECT_GT(peak, 32767 * 0.3);  // and not timid
    EXPECT_GT(std::sqrt(earlyEnergy / 22050), 2000.0);
    EXPECT_LT(std::abs(static_cast<int>(sample(0))), 200);  // a soft onset, not a click
    const std::size_t lastTenth = samples - 2205;           // the last 100 ms
    for (std::size_t i = lastTenth; i < samples; ++i) {
        ASSERT_LE(std::abs(static_cast<int>(sample(i))), 16) << i;
    }
    EXPECT_EQ(sample(samples - 1), 0);
}

}  // namespace
