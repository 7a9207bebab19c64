#include "sound/sound_list.h"

#include "app/timer_dlg.h"
#include "platform/files.h"

namespace sound {

void FillSoundList(platform::ComboBoxModel& list, bool withSpecialEntries) {
    for (std::string& name : platform::ListFiles("*.wav")) {
        list.Add(std::move(name));
    }
    if (withSpecialEntries) {
        list.Add(kInternalChime);
        list.Add(kRandomSoundfile);
    }
}

}  // namespace sound
