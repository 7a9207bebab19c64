// The one-line text of a daily alarm bell, such as "Daily 7:05 A.M.", and
// the day codes' names.
#pragma once

#include <cstdint>
#include <string>

// A class of days: 0 "Daily", 1 "Sun" .. 7 "Sat", 8 "WeekDays", 9 "WeekEnds".
using DayCode = std::uint16_t;

// A minute of the day that no clock reaches; given for a text whose time
// cannot be read at all, so that its alarm never rings at a wrong time.
inline constexpr int kUnreadableMinute = 0xFFFF;

std::string DayCodeText(DayCode code);
std::string FormatAlarmChoice(const std::string& dayText, int hour, int minute, bool afterNoon);
std::string FormatAlarmEntry(std::uint16_t minuteOfDay, DayCode code);
int ParseAlarmMinute(const std::string& entryText);
DayCode ParseAlarmDay(const std::string& entryText);
