// The lists of sounds offered to the user.
#pragma once

#include "platform/controls.h"

namespace sound {

// Adds the "*.wav" files of the current directory to the (sorted) list and,
// when asked, the entries "Internal Chime" and "Random Soundfile". The list is
// not emptied first: each list is filled once, when its window opens.
void FillSoundList(platform::ComboBoxModel& list, bool withSpecialEntries);

}  // namespace sound
