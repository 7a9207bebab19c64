// Plays one sound at a time through the desktop's sound server (PipeWire or
// PulseAudio, else ALSA), from its own thread. Starting a sound stops the one
// playing. Failures are silent; the next sound tries again from scratch, so
// sound comes back when a device appears.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
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
    // Decodes the built-in chime ahead of its first bell, so that bell is on time.
    void Prepare(std::span<const std::uint8_t> wave);

    // How long the sound now playing has still to run (0 when none). The
    // owner calls CloseIfIdle about then, so an idle program keeps no audio
    // thread awake.
    std::chrono::milliseconds Remaining() const;
    void CloseIfIdle();

  private:
    struct Decoded {
        std::string key;  // what was decoded, and for files its size and time
        int frequency;
        int channels;
        std::vector<std::uint8_t> samples;
    };
    bool Play(const std::vector<std::uint8_t>& samples);
    bool Decode(void* rw, std::vector<std::uint8_t>& out);
    // Sounds come back again and again (the end bell strikes three times), so
    // the last few stay decoded in the device's format.
    const std::vector<std::uint8_t>* Cached(const std::string& key) const;
    const std::vector<std::uint8_t>& Keep(std::string key, std::vector<std::uint8_t> samples);

    std::vector<Decoded> cache_;
    bool OpenDevice();
    void CloseDevice();

    std::uint32_t device_ = 0;
    int frequency_ = 0;
    int channels_ = 0;
    bool subsystemUp_ = false;
};

}  // namespace audio
