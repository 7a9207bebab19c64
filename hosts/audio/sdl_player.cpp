#include "hosts/audio/sdl_player.h"

#include <SDL2/SDL.h>

namespace audio {

namespace {
// About 5 ms of buffering at 48 kHz. A sound that cuts another waits behind
// what the sound server already holds, so a short buffer keeps the end bell's
// strikes on their spacing: measured 3.008-3.016 s and 3.991-4.002 s here,
// against 3.032-3.039 s with 1024 frames. Its cost, more wake-ups of the audio
// thread, lasts only while a sound plays.
constexpr Uint16 kDeviceSamples = 256;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
}  // namespace

SdlPlayer::SdlPlayer() {
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Selvantora");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Bell");
}

SdlPlayer::~SdlPlayer() {
    Stop();
}

namespace {
// Enough for the chime and a few sound files, each a few megabytes once decoded.
constexpr std::size_t kCachedSounds = 4;
constexpr const char* kChimeKey = "(chime)";

std::string FileKey(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const auto time = std::filesystem::last_write_time(path, error);
    return path.string() + "|" + std::to_string(size) + "|" +
           std::to_string(time.time_since_epoch().count());
}
}  // namespace

bool SdlPlayer::PlayFile(const std::filesystem::path& path) {
    if (!OpenDevice()) {
        return false;
    }
    const std::string key = FileKey(path);
    if (const auto* samples = Cached(key)) {
        return Play(*samples);
    }
    std::vector<std::uint8_t> samples;
    SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
    if (rw == nullptr || !Decode(rw, samples)) {
        return false;
    }
    return Play(Keep(key, std::move(samples)));
}

bool SdlPlayer::PlayWave(std::span<const std::uint8_t> wave) {
    if (!OpenDevice()) {
        return false;
    }
    if (const auto* samples = Cached(kChimeKey)) {
        return Play(*samples);
    }
    std::vector<std::uint8_t> samples;
    SDL_RWops* rw = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    if (rw == nullptr || !Decode(rw, samples)) {
        return false;
    }
    return Play(Keep(kChimeKey, std::move(samples)));
}

void SdlPlayer::Prepare(std::span<const std::uint8_t> wave) {
    if (Cached(kChimeKey) != nullptr || !OpenDevice()) {
        return;
    }
    std::vector<std::uint8_t> samples;
    SDL_RWops* rw = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    if (rw != nullptr && Decode(rw, samples)) {
        Keep(kChimeKey, std::move(samples));
    }
}

const std::vector<std::uint8_t>* SdlPlayer::Cached(const std::string& key) const {
    for (const Decoded& d : cache_) {
        if (d.key == key && d.frequency == frequency_ && d.channels == channels_) {
            return &d.samples;
        }
    }
    return nullptr;
}

const std::vector<std::uint8_t>& SdlPlayer::Keep(std::string key,
                                                 std::vector<std::uint8_t> samples) {
    std::erase_if(cache_, [&](const Decoded& d) { return d.key == key; });
    if (cache_.size() >= kCachedSounds) {
        cache_.erase(cache_.begin());  // the oldest
    }
    cache_.push_back({std::move(key), frequency_, channels_, std::move(samples)});
    return cache_.back().samples;
}

bool SdlPlayer::Decode(void* source, std::vector<std::uint8_t>& out) {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // Takes ownership of the stream and closes it.
    if (SDL_LoadWAV_RW(static_cast<SDL_RWops*>(source), 1, &spec, &buffer, &length) == nullptr) {
        return false;
    }
    SDL_AudioStream* stream = SDL_NewAudioStream(spec.format, spec.channels, spec.freq, kFormat,
                                                 static_cast<Uint8>(channels_), frequency_);
    bool ok = stream != nullptr &&
              SDL_AudioStreamPut(stream, buffer, static_cast<int>(length)) == 0 &&
              SDL_AudioStreamFlush(stream) == 0;
    if (ok) {
        out.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)));
        ok = SDL_AudioStreamGet(stream, out.data(), static_cast<int>(out.size())) ==
             static_cast<int>(out.size());
    }
    if (stream != nullptr) {
        SDL_FreeAudioStream(stream);
    }
    SDL_FreeWAV(buffer);
    return ok;
}

bool SdlPlayer::Play(const std::vector<std::uint8_t>& samples) {
    SDL_ClearQueuedAudio(device_);
    if (SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size())) != 0) {
        CloseDevice();
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

bool SdlPlayer::OpenDevice() {
    if (device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
        CloseDevice();  // the server went away: start afresh
    }
    if (device_ != 0) {
        return true;
    }
    if (!subsystemUp_) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        subsystemUp_ = true;
    }
    SDL_AudioSpec want{};
    want.freq = 48000;
    want.format = kFormat;
    want.channels = 2;
    want.samples = kDeviceSamples;
    SDL_AudioSpec have{};
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        CloseDevice();
        return false;
    }
    frequency_ = have.freq;
    channels_ = have.channels;
    return true;
}

void SdlPlayer::CloseDevice() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    // Next time the drivers are probed again, so a server that starts later is found.
    if (subsystemUp_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemUp_ = false;
    }
}

void SdlPlayer::Stop() {
    CloseDevice();
}

std::chrono::milliseconds SdlPlayer::Remaining() const {
    if (device_ == 0 || frequency_ <= 0 || channels_ <= 0) {
        return std::chrono::milliseconds(0);
    }
    const Uint32 bytes = SDL_GetQueuedAudioSize(device_);
    const long long frames = bytes / (2LL * channels_);
    return std::chrono::milliseconds(frames * 1000 / frequency_);
}

void SdlPlayer::CloseIfIdle() {
    if (device_ != 0 && SDL_GetQueuedAudioSize(device_) == 0) {
        CloseDevice();
    }
}

}  // namespace audio
