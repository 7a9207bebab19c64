// Composes one daily alarm bell from a day, an hour, a minute, before or
// after noon, and a sound, showing its entry text while it is composed.
#pragma once

#include <string>

#include "platform/dialog.h"

class CAddAlarmDlg : public platform::Dialog {
  public:
    CAddAlarmDlg();
    ~CAddAlarmDlg() override;

    void UpdatePreview();

    platform::ComboBox m_cmbDay;
    platform::ComboBox m_cmbSound;
    platform::ComboBox m_cmbMinute;
    platform::ComboBox m_cmbHour;
    platform::ComboBox m_cmbAmPm;
    std::string m_strAlarmText;
    std::string m_strAlarmSound;

  protected:
    void DoDataExchange(platform::DataExchange& exchange) override;
    bool OnInitDialog() override;
    void OnOK() override;
};
