// What the clock tick remembers between ticks, for the whole process.
#pragma once

#include "app/timer_dlg.h"

// A clock bell was struck and its minute has not yet been left.
extern BOOL g_bClockBellPlayed;
// The minute of the day of the daily alarm bell struck last, or none.
inline constexpr int kNoAlarmMinute = -1;
extern int g_nLastAlarmMinute;
