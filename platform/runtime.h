// The small run-time library the program is written against: the random
// generator, printf-style formatting and "%d" reading, and the
// case-insensitive text order of sorted lists.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The run time's generator: state = state * 214013 + 2531011 (mod 2^32),
// result = bits 16 to 30 of the new state. Identical on every host.
inline constexpr int kRandMax = 32767;
void srand(std::uint32_t seed);
int rand();

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Reads an optionally signed decimal integer as "%d" does: leading white space
// is skipped and reading stops at the first character that is not a digit.
// Returns false and leaves `value` alone when no number can be read.
bool ScanInt(std::string_view text, int& value);

// Byte-wise comparison with ASCII letters folded to lower case.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Matches a file-name pattern with '*' and '?', ignoring case.
bool MatchesPatternNoCase(std::string_view name, std::string_view pattern);

}  // namespace platform
