// Plays one sound at a time through the desktop's sound server (PipeWire or
// PulseAudio, else ALSA), from its own thread. Starting a sound stops the one
// playing. Failures are silent; the next sound tries again from scratch, so
// sound comes back when a device appears.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace audio {

class SdlPlayer {
  public:
    SdlPlayer();
    ~SdlPlayer();
    SdlPlayer(const SdlPlayer&) = delete;
    SdlPlayer& operator=(const SdlPlayer&) = delete;

    bool PlayFile(const std::filesystem::path& path);
    bool PlayWave(std::span<const std::uint8_t> wave);
    // Stops any sound and lets the device go.
    void Stop();

    // How long the sound now playing has still to run (0 when none). The
    // owner calls CloseIfIdle about then, so an idle program keeps no audio
    // thread awake.
    std::chrono::milliseconds Remaining() const;
    void CloseIfIdle();

  private:
    bool Play(std::vector<std::uint8_t> samples);
    bool Decode(void* rw, std::vector<std::uint8_t>& out);
    bool OpenDevice();
    void CloseDevice();

    std::uint32_t device_ = 0;
    int frequency_ = 0;
    int channels_ = 0;
    bool subsystemUp_ = false;
};

}  // namespace audio
