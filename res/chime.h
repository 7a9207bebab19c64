// The chime built into the program: a complete RIFF WAVE file, PCM, mono,
// 16-bit, 22,050 samples per second, just under 20 seconds.
#pragma once

#include <cstdint>
#include <span>

namespace res {

inline constexpr std::size_t kChimeBytes = 881946;
std::span<const std::uint8_t> ChimeWave();

}  // namespace res
