// The bells of the main window and the one path every sound goes through.
#include "sound/bells.h"

#include <algorithm>

#include "app/timer_dlg.h"
#include "platform/files.h"
#include "platform/runtime.h"

namespace sound {

bool PlaySoundByName(const std::string& name) {
    platform::SoundRequest request;
    if (platform::EntryExists(name)) {
        request.source = platform::SoundRequest::Source::File;
        request.fileName = name;
    }
    return platform::CurrentHost().PlaySound(request);
}

int RandomPick(int count) {
    const double q = 1.0 / 32767.0;
    const int r = platform::rand();
    const int index = static_cast<int>((r * q) * count);
    return std::min(index, count - 1);
}

}  // namespace sound

namespace {

// The entry a bell of this list rings: the selected one, or for "Random
// Soundfile" a random one. With no selection the name is empty, which rings
// the chime.
std::string PickFrom(const platform::ComboBoxModel& list, int* drawn) {
    int selection = list.Selection();
    if (list.EntryText(selection) == kRandomSoundfile) {
        selection = sound::RandomPick(list.Count());
        if (drawn != nullptr) {
            *drawn = selection;
        }
    }
    return list.EntryText(selection);
}

}  // namespace

void CTimerDlg::PlayStartBell() {
    UpdateData(true);
    sound::PlaySoundByName(PickFrom(*m_cmbMedSound, &m_nMedRandomSound));
}

void CTimerDlg::PlayReminderBell() {
    UpdateData(true);
    sound::PlaySoundByName(PickFrom(*m_cmbRemSound, nullptr));
}

void CTimerDlg::PlayEndBell() {
    UpdateData(true);
    int selection = m_cmbMedSound->Selection();
    if (m_cmbMedSound->EntryText(selection) == kRandomSoundfile) {
        selection = m_nMedRandomSound;  // the start bell's draw, not a new one
    }
    const std::string name = m_cmbMedSound->EntryText(selection);
    platform::Host& host = platform::CurrentHost();
    sound::PlaySoundByName(name);
    host.Sleep(3000);
    sound::PlaySoundByName(name);
    host.Sleep(4000);
    sound::PlaySoundByName(name);
}

void CTimerDlg::PlayBellByName(const std::string& name) {
    // A name that could not be a file name here rings the chime.
    sound::PlaySoundByName(name.size() <= sound::kMaxBellNameLength ? name : std::string());
}
