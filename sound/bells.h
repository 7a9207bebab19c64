// Ringing a sound by name, and the random pick of a list entry.
#pragma once

#include <string>

namespace sound {

// Plays the named file when the file system has an entry of that name (file or
// directory, relative to the current directory), and the built-in chime
// otherwise. Returns at once; the sound plays in the background.
bool PlaySoundByName(const std::string& name);

// A random position in a list of `count` entries: (r * q) * count in double
// precision with q = 1/32767, truncated. r = 32767 would give `count`, one past
// the end; it is held to the last entry.
int RandomPick(int count);

// The longest name the clock and alarm bells take; a longer one rings the
// built-in chime.
inline constexpr std::size_t kMaxBellNameLength = 259;

}  // namespace sound
