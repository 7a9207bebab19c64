#include "dialogs/options_dlg.h"

#include "app/timer_dlg.h"

#include "dialogs/add_alarm_dlg.h"
#include "dialogs/alarm_text.h"
#include "res/resource.h"
#include "res/templates.h"
#include "sound/sound_list.h"

COptionsDlg::COptionsDlg() : platform::Dialog(res::OptionsTemplate()) {
    OnEvent(Event::Click, IDC_ADD_ALARM, &COptionsDlg::OnAddAlarmBell);
    OnEvent(Event::Click, IDC_DELETE_ALARM, &COptionsDlg::OnDeleteAlarm);
    OnEvent(Event::SelectionChange, IDC_ALARM_TIMES, &COptionsDlg::OnTimeListSelChange);
    OnEvent(Event::SelectionChange, IDC_ALARM_SOUNDS, &COptionsDlg::OnSoundListSelChange);
}

COptionsDlg::~COptionsDlg() = default;

void COptionsDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.Control(IDC_ALARM_SOUNDS, m_lstAlarmSounds);
    dx.Control(IDC_ALARM_TIMES, m_lstAlarmTimes);
    dx.Control(IDC_QUARTER_SOUND, m_cmbQuarterSound);
    dx.Control(IDC_HOURLY_SOUND, m_cmbHourlySound);
    dx.Control(IDC_HALF_HOUR_SOUND, m_cmbHalfHourSound);
    dx.Check(IDC_AUTO_START, m_bAutoStartReminder);
    dx.Number(IDC_CUSTOM_REM, m_nCustomRemMins);
    dx.Number(IDC_CUSTOM_MED, m_nCustomMedMins);
    dx.Number(IDC_MAX_RANDOM, m_nMaxRandomMins);
    dx.Check(IDC_SYNC_TO_CLOCK, m_bSyncToClock);
}

bool COptionsDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    sound::FillSoundList(*m_cmbHalfHourSound, true);
    m_cmbHalfHourSound->SelectPrefix(m_strHalfHourSound);
    sound::FillSoundList(*m_cmbHourlySound, true);
    m_cmbHourlySound->SelectPrefix(m_strHourlySound);
    sound::FillSoundList(*m_cmbQuarterSound, true);
    m_cmbQuarterSound->Select(0);
    m_cmbQuarterSound->SelectPrefix(m_strQuarterSound);
    for (std::size_t i = 0; i < m_alarmTimes.size(); ++i) {
        m_lstAlarmTimes->Add(FormatAlarmEntry(m_alarmTimes[i], m_alarmDays[i]));
        m_lstAlarmSounds->Add(m_alarmSounds[i]);
    }
    return true;
}

void COptionsDlg::RefreshKeepingEdits() {
    // What the fields and boxes hold now is what the user means; the members
    // may be older (copied in at opening, or read before a refused OK).
    std::vector<std::pair<platform::Control*, std::string>> typed;
    for (int id : {IDC_CUSTOM_MED, IDC_CUSTOM_REM, IDC_MAX_RANDOM}) {
        typed.emplace_back(FindControl(id), FindControl(id)->Text());
    }
    std::vector<std::pair<platform::CheckBoxModel*, int>> ticked;
    for (int id : {IDC_AUTO_START, IDC_SYNC_TO_CLOCK}) {
        auto* box = dynamic_cast<platform::CheckBoxModel*>(FindControl(id));
        ticked.emplace_back(box, box->Check());
    }
    UpdateData(false);
    for (auto& [control, text] : typed) {
        control->SetText(text);
    }
    for (auto& [box, check] : ticked) {
        box->SetCheck(check);
    }
}

void COptionsDlg::OnAddAlarmBell() {
    CAddAlarmDlg add;
    if (add.DoModal() == platform::kIdOk) {
        m_lstAlarmTimes->Add(add.m_strAlarmText);
        m_lstAlarmSounds->Add(add.m_strAlarmSound);
    }
    RefreshKeepingEdits();
}

void COptionsDlg::OnDeleteAlarm() {
    const int selected = m_lstAlarmTimes->Selection();
    m_lstAlarmSounds->Select(selected);
    if (selected == -1) {
        MessageBox("Please select an item from the list to delete.", "Selection Error");
    } else {
        m_lstAlarmTimes->Delete(selected);
        m_lstAlarmSounds->Delete(selected);
    }
    RefreshKeepingEdits();
}

void COptionsDlg::OnTimeListSelChange() {
    m_lstAlarmSounds->Select(m_lstAlarmTimes->Selection());
}

void COptionsDlg::OnSoundListSelChange() {
    m_lstAlarmTimes->Select(m_lstAlarmSounds->Selection());
}

void COptionsDlg::OnOK() {
    const std::pair<platform::ComboBox*, std::string*> names[] = {
        {&m_cmbHourlySound, &m_strHourlySound},
        {&m_cmbHalfHourSound, &m_strHalfHourSound},
        {&m_cmbQuarterSound, &m_strQuarterSound},
    };
    for (const auto& [list, name] : names) {
        if ((*list)->Selection() >= 0) {
            *name = (*list)->EntryText((*list)->Selection());
        }
    }
    m_alarmDays.clear();
    m_alarmTimes.clear();
    m_alarmSounds.clear();
    for (int i = 0; i < m_lstAlarmTimes->Count(); ++i) {
        const std::string entry = m_lstAlarmTimes->LineText(i);
        m_alarmTimes.push_back(static_cast<std::uint16_t>(ParseAlarmMinute(entry)));
        m_alarmDays.push_back(ParseAlarmDay(entry));
        m_alarmSounds.push_back(m_lstAlarmSounds->LineText(i));
    }
    platform::Dialog::OnOK();
}

void CTimerDlg::OnOptions() {
    COptionsDlg options;
    options.m_bAutoStartReminder = m_bAutoStartReminder;
    options.m_nCustomMedMins = static_cast<std::uint32_t>(m_nCustomMedMins);
    options.m_nCustomRemMins = static_cast<std::uint32_t>(m_nCustomRemMins);
    options.m_nMaxRandomMins = m_nMaxRandomMins;
    options.m_bSyncToClock = m_bSyncToClock;
    options.m_strHourlySound = m_strHourlySound;
    options.m_strHalfHourSound = m_strHalfHourSound;
    options.m_strQuarterSound = m_strQuarterSound;
    options.m_alarmDays = m_alarmDays;
    options.m_alarmTimes = m_alarmTimes;
    options.m_alarmSounds = m_alarmSounds;
    if (options.DoModal() != platform::kIdOk) {
        return;
    }
    m_bAutoStartReminder = options.m_bAutoStartReminder;
    m_nCustomMedMins = static_cast<std::int32_t>(options.m_nCustomMedMins);
    m_nCustomRemMins = static_cast<std::int32_t>(options.m_nCustomRemMins);
    m_nMaxRandomMins = options.m_nMaxRandomMins;
    m_bSyncToClock = options.m_bSyncToClock;
    const int medPosition = m_cmbMedMinutes->Selection();
    const int remPosition = m_cmbRemMinutes->Selection();
    FillIntervalLists();
    // Selected by the program: no user's change, so nothing under way stops.
    m_cmbMedMinutes->Select(medPosition);
    m_cmbRemMinutes->Select(remPosition);
    m_strHourlySound = options.m_strHourlySound;
    m_strHalfHourSound = options.m_strHalfHourSound;
    m_strQuarterSound = options.m_strQuarterSound;
    m_alarmTimes = options.m_alarmTimes;
    m_alarmDays = options.m_alarmDays;
    m_alarmSounds = options.m_alarmSounds;
}
