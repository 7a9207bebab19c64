// Edits the settings the main window does not show: custom times, the random
// limit, the reminder's options, the clock-bell sounds and the daily alarm
// bells. Works on copies; the main window takes them back on OK only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog.h"

class COptionsDlg : public platform::Dialog {
  public:
    COptionsDlg();
    ~COptionsDlg() override;

    void OnAddAlarmBell();
    void OnDeleteAlarm();
    void OnTimeListSelChange();
    void OnSoundListSelChange();

    platform::ListBox m_lstAlarmSounds;
    platform::ListBox m_lstAlarmTimes;
    platform::ComboBox m_cmbQuarterSound;
    platform::ComboBox m_cmbHourlySound;
    platform::ComboBox m_cmbHalfHourSound;
    std::int32_t m_bAutoStartReminder = 0;
    std::uint32_t m_nCustomRemMins = 0;
    std::uint32_t m_nCustomMedMins = 0;
    std::int32_t m_nMaxRandomMins = 0;
    std::int32_t m_bSyncToClock = 0;
    std::string m_strHourlySound;
    std::string m_strHalfHourSound;
    std::string m_strQuarterSound;
    std::vector<std::string> m_alarmSounds;
    std::vector<std::uint16_t> m_alarmTimes;
    std::vector<std::uint16_t> m_alarmDays;

  protected:
    void DoDataExchange(platform::DataExchange& exchange) override;
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    // Shows the members in the controls again, keeping what the user has
    // typed into the fields and ticked meanwhile.
    void RefreshKeepingEdits();
};
