// The real player, writing through SDL's disk driver so that what reached the
// "speaker" can be read back and measured.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "../test_support.h"
#include "hosts/audio/sdl_player.h"
#include "res/chime.h"

namespace {

using namespace std::chrono_literals;

std::string ToneWave(double seconds, double amplitude, int rate = 22050) {
    const auto samples = static_cast<std::uint32_t>(seconds * rate);
    std::string b;
    auto u16 = [&](std::uint32_t v) {
        b += char(v & 0xFF);
        b += char(v >> 8 & 0xFF);
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    b += "RIFF";
    u32(36 + samples * 2);
    b += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    b += "data";
    u32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double v = amplitude * std::sin(2 * 3.141592653589793 * 440.0 * i / rate);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767))));
    }
    return b;
}

// Root-mean-square level of each 100 ms of the device's output (S16, stereo, 48 kHz).
std::vector<double> Levels(const std::filesystem::path& raw) {
    std::ifstream in(raw, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    const std::size_t frame = 4, window = 4800;
    std::vector<double> levels;
    for (std::size_t start = 0; start + window * frame <= bytes.size(); start += window * frame) {
        double sum = 0;
        for (std::size_t i = 0; i < window * 2; ++i) {
            std::int16_t s;
            std::memcpy(&s, &bytes[start + i * 2], 2);
            sum += double(s) * s;
        }
        levels.push_back(std::sqrt(sum / (window * 2)) / 32767.0);
    }
    return levels;
}

class SdlPlayer : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", (dir.Path() / "out.raw").c_str(), 1);
    }
    testing_support::TempCurrentDirectory dir;
};

TEST_F(SdlPlayer, ANewSoundCutsTheFirstAndPlaysOnWhileTheCallerSleeps) {
    dir.WriteFile("loud.wav", ToneWave(2.0, 0.8));
    dir.WriteFile("soft.wav", ToneWave(5.0, 0.2));
    audio::SdlPlayer player;
    ASSERT_TRUE(player.PlayFile(dir.Path() / "loud.wav"));
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(player.PlayFile(dir.Path() / "soft.wav"));
    std::this_thread::sleep_for(3000ms);  // the thread blocks; the sound must go on
    EXPECT_GT(player.Remaining(), 1000ms);
    player.Stop();

    const std::vector<double> levels = Levels(dir.Path() / "out.raw");
    ASSERT_GE(levels.size(), 30u);
    const double loud = 0.8 / std::sqrt(2), soft = 0.2 / std::sqrt(2);
    EXPECT_NEAR(levels[1], loud, 0.05);
    int softWindows = 0, loudAfterCut = 0;
    for (std::size_t i = 6; i < levels.size(); ++i) {
        softWindows += std::abs(levels[i] - soft) < 0.02;
        loudAfterCut += levels[i] > soft * 2;
    }
    EXPECT_EQ(loudAfterCut, 0);  // the first sound stopped when the second began
    EXPECT_GE(softWindows, 25);  // and the second played on through the sleep
}

TEST_F(SdlPlayer, PlaysTheBuiltInChime) {
    audio::SdlPlayer player;
    ASSERT_TRUE(player.PlayWave(res::ChimeWave()));
    EXPECT_GT(player.Remaining(), 15000ms);
    std::this_thread::sleep_for(400ms);
    player.Stop();
    const std::vector<double> levels = Levels(dir.Path() / "out.raw");
    ASSERT_GE(levels.size(), 2u);
    EXPECT_GT(levels[1], 0.05);
}

TEST_F(SdlPlayer, AnUndecodableFileFailsQuietlyAndTheNextSoundPlays) {
    dir.WriteFile("broken.wav", "RIFF\x10\0\0\0WAVEjunkjunkjunk");
    dir.WriteFile("good.wav", ToneWave(0.5, 0.5));
    audio::SdlPlayer player;
    EXPECT_FALSE(player.PlayFile(dir.Path() / "broken.wav"));
    EXPECT_FALSE(player.PlayFile(dir.Path() / "missing.wav"));
    EXPECT_TRUE(player.PlayFile(dir.Path() / "good.wav"));
}

TEST_F(SdlPlayer, NoSoundServerMeansSilenceNotAHang) {
    setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    setenv("PULSE_SERVER", "unix:/nonexistent/selvantora/native", 1);
    audio::SdlPlayer player;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(player.PlayWave(res::ChimeWave()));
    EXPECT_FALSE(player.PlayWave(res::ChimeWave()));  // tries again, fails again
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    // And when a device is there again, sound comes back.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    unsetenv("PULSE_SERVER");
    EXPECT_TRUE(player.PlayWave(res::ChimeWave()));
}

}  // namespace
