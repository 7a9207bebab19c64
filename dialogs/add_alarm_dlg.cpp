#include "dialogs/add_alarm_dlg.h"

#include "dialogs/alarm_text.h"
#include "platform/runtime.h"
#include "res/resource.h"
#include "res/templates.h"
#include "sound/sound_list.h"

CAddAlarmDlg::CAddAlarmDlg() : platform::Dialog(res::AddAlarmTemplate()) {
    for (int id :
         {IDC_ALARM_AMPM, IDC_ALARM_HOUR, IDC_ALARM_MINUTE, IDC_ALARM_SOUND, IDC_ALARM_DAY}) {
        OnEvent(Event::SelectionChange, id, &CAddAlarmDlg::UpdatePreview);
    }
}

CAddAlarmDlg::~CAddAlarmDlg() = default;

void CAddAlarmDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.Control(IDC_ALARM_DAY, m_cmbDay);
    dx.Control(IDC_ALARM_SOUND, m_cmbSound);
    dx.Control(IDC_ALARM_MINUTE, m_cmbMinute);
    dx.Control(IDC_ALARM_HOUR, m_cmbHour);
    dx.Control(IDC_ALARM_AMPM, m_cmbAmPm);
    dx.Text(IDC_ALARM_TEXT, m_strAlarmText);
}

bool CAddAlarmDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    for (DayCode code = 0; code <= 9; ++code) {
        m_cmbDay->Add(DayCodeText(code));
    }
    m_cmbDay->Select(0);
    m_cmbAmPm->Add("A.M.");
    m_cmbAmPm->Add("P.M.");
    m_cmbAmPm->Select(0);
    for (int hour = 1; hour <= 12; ++hour) {
        m_cmbHour->Add(platform::Format("%d", hour));
    }
    m_cmbHour->Select(0);
    for (int minute = 0; minute < 60; ++minute) {
        m_cmbMinute->Add(platform::Format(minute < 10 ? "0%d" : "%d", minute));
    }
    m_cmbMinute->Select(0);
    sound::FillSoundList(*m_cmbSound, false);
    m_cmbSound->Select(0);
    UpdatePreview();
    return true;
}

void CAddAlarmDlg::UpdatePreview() {
    UpdateData(true);
    // The position is the day code; with no selection the day text is empty.
    const std::string dayText = DayCodeText(static_cast<DayCode>(m_cmbDay->Selection()));
    const int hour = m_cmbHour->Selection() + 1;
    const int minute = m_cmbMinute->Selection();
    const bool afterNoon = m_cmbAmPm->Selection() != 0;
    m_strAlarmText = FormatAlarmChoice(dayText, hour, minute, afterNoon);
    m_strAlarmSound = m_cmbSound->Selection() >= 0 ? m_cmbSound->EntryText(m_cmbSound->Selection())
                                                   : std::string();
    UpdateData(false);
}

void CAddAlarmDlg::OnOK() {
    platform::Dialog::OnOK();
}
