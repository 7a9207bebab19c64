// The settings file: read once when the main window opens, written once when
// it closes.
#include <algorithm>

#include "app/timer_dlg.h"
#include "platform/files.h"
#include "settings/archive.h"

namespace {

constexpr std::uint16_t kFileVersion = 3;

// The alarm lists are parallel: an entry without all three parts is dropped.
void KeepWholeAlarms(CTimerDlg& dlg) {
    const std::size_t whole =
        std::min({dlg.m_alarmTimes.size(), dlg.m_alarmDays.size(), dlg.m_alarmSounds.size()});
    dlg.m_alarmTimes.resize(whole);
    dlg.m_alarmDays.resize(whole);
    dlg.m_alarmSounds.resize(whole);
}

}  // namespace

bool CTimerDlg::LoadSettings(const std::string& fileName) {
    platform::LockedFile file;
    if (!file.OpenForReading(fileName)) {
        return false;
    }
    settings::Archive archive(file.Stream(), file.Size());
    Serialize(archive);
    UpdateData(false);
    return true;
}

bool CTimerDlg::SaveSettings(const std::string& fileName) {
    settings::Archive archive;
    Serialize(archive);
    return platform::ReplaceFileContents(fileName, archive.Bytes());
}

void CTimerDlg::Serialize(settings::Archive& ar) {
    if (ar.IsStoring()) {
        m_nFileVersion = kFileVersion;
        ar.Write(m_nFileVersion);
        for (const platform::ComboBox* list : {&m_cmbRemMinutes, &m_cmbRemSound, &m_cmbMedMinutes,
                                               &m_cmbMedSound, &m_cmbDelaySecs}) {
            ar.Write(static_cast<std::int32_t>((*list)->Selection()));
        }
        ar.Write(m_bAutoStartReminder);
        ar.Write(m_nCustomMedMins);
        ar.Write(m_nCustomRemMins);
        ar.Write(std::int32_t{0});  // reserved
        ar.Write(m_bClockBells);
        ar.Write(m_bDailyAlarms);
        ar.Write(m_strQuarterSound);
        ar.Write(m_strHalfHourSound);
        ar.Write(m_strHourlySound);
        ar.Write(m_nMaxRandomMins);
        ar.Write(m_bSyncToClock);
        ar.Write(m_alarmTimes);
        ar.Write(m_alarmSounds);
        ar.Write(m_alarmDays);
        return;
    }

    m_nFileVersion = kFileVersion;
    m_alarmTimes.clear();
    m_alarmSounds.clear();
    try {
        ar.Read(m_nFileVersion);
        std::int32_t positions[5];
        for (std::int32_t& position : positions) {
            ar.Read(position);
        }
        ar.Read(m_bAutoStartReminder);
        ar.Read(m_nCustomMedMins);
        ar.Read(m_nCustomRemMins);
        std::int32_t reserved;
        ar.Read(reserved);
        ar.Read(m_bClockBells);
        ar.Read(m_bDailyAlarms);
        ar.Read(m_strQuarterSound);
        ar.Read(m_strHalfHourSound);
        ar.Read(m_strHourlySound);
        ar.Read(m_nMaxRandomMins);
        if (m_nFileVersion >= 2) {
            ar.Read(m_bSyncToClock);
        }
        // Values a cut-off array cannot hold could never belong to a whole alarm.
        ar.Read(m_alarmTimes, 0);
        ar.Read(m_alarmSounds);
        if (m_nFileVersion >= 3) {
            ar.Read(m_alarmDays, m_alarmTimes.size());
        } else {
            m_alarmDays.insert(m_alarmDays.end(), m_alarmTimes.size(), 0);
        }

        FillIntervalLists();
        platform::ComboBox* lists[] = {&m_cmbRemMinutes, &m_cmbRemSound, &m_cmbMedMinutes,
                                       &m_cmbMedSound, &m_cmbDelaySecs};
        for (int i = 0; i < 5; ++i) {
            (*lists[i])->Select(std::max(positions[i], 0));
        }
    } catch (const settings::EndOfData&) {
        // What was read stands; the rest keeps its values from before.
    }
    KeepWholeAlarms(*this);
}
