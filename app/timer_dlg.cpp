#include "app/timer_dlg.h"

#include "platform/runtime.h"
#include "res/resource.h"
#include "res/templates.h"
#include "sound/sound_list.h"

CTimerDlg::CTimerDlg() : platform::Dialog(res::MainTemplate()), m_hIcon(IDI_MAIN) {
    OnEvent(Event::Click, IDC_MED_START, &CTimerDlg::OnMedStartStop);
    OnEvent(Event::Click, IDC_REM_START, &CTimerDlg::OnRemStartStop);
    OnTimerEvent(&CTimerDlg::OnTimer);
    OnEvent(Event::Click, IDC_ABOUT, &CTimerDlg::OnAbout);
    OnEvent(Event::Click, IDC_MED_TEST_SOUND, &CTimerDlg::PlayStartBell);
    OnEvent(Event::Click, IDC_HELP_BUTTON, &CTimerDlg::OnHelpButton);
    OnEvent(Event::Paint, platform::kNoId, &CTimerDlg::OnPaint);
    OnEvent(Event::Destroy, platform::kNoId, &CTimerDlg::OnDestroy);
    OnEvent(Event::Close, platform::kNoId, &CTimerDlg::OnClose);
    OnEvent(Event::SelectionChange, IDC_REM_SOUND, &CTimerDlg::OnChoiceChange);
    OnEvent(Event::SelectionChange, IDC_MED_SOUND, &CTimerDlg::OnChoiceChange);
    OnEvent(Event::SelectionChange, IDC_MED_MINUTES, &CTimerDlg::OnMedSelChange);
    OnEvent(Event::SelectionChange, IDC_REM_MINUTES, &CTimerDlg::OnRemSelChange);
    OnEvent(Event::Click, IDC_REM_TEST_SOUND, &CTimerDlg::PlayReminderBell);
    OnEvent(Event::SelectionChange, IDC_DELAY_SECS, &CTimerDlg::OnMedSelChange);
    OnEvent(Event::Click, IDC_OPTIONS, &CTimerDlg::OnOptions);
    OnEvent(Event::Click, IDC_CLOCK_BELLS, &CTimerDlg::OnChoiceChange);
    OnEvent(Event::Click, IDC_DAILY_ALARMS, &CTimerDlg::OnChoiceChange);
}

CTimerDlg::~CTimerDlg() = default;

void CTimerDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.Control(IDC_MED_MINUTES, m_cmbMedMinutes);
    dx.Control(IDC_REM_START, m_btnRemStart);
    dx.Control(IDC_MED_START, m_btnMedStart);
    dx.Control(IDC_REM_MINUTES, m_cmbRemMinutes);
    dx.Control(IDC_REM_SOUND, m_cmbRemSound);
    dx.Control(IDC_MED_SOUND, m_cmbMedSound);
    dx.Control(IDC_DELAY_SECS, m_cmbDelaySecs);
    dx.Text(IDC_MED_REMAINING, m_strMedRemaining);
    dx.Text(IDC_REM_REMAINING, m_strRemRemaining);
    dx.Text(IDC_CLOCK, m_strClock);
    dx.Check(IDC_CLOCK_BELLS, m_bClockBells);
    dx.Check(IDC_DAILY_ALARMS, m_bDailyAlarms);
}

bool CTimerDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    FillIntervalLists();
    m_cmbRemMinutes->Select(3);
    m_cmbMedMinutes->Select(4);

    sound::FillSoundList(*m_cmbRemSound, true);
    sound::FillSoundList(*m_cmbMedSound, true);
    m_cmbRemSound->SelectPrefix(kInternalChime);
    m_cmbMedSound->SelectPrefix(kInternalChime);

    for (const char* secs : {"0", "5", "10", "15", "20", "30", "60"}) {
        m_cmbDelaySecs->Add(secs);
    }
    m_cmbDelaySecs->Select(1);

    m_bMedRunning = 0;
    m_bRemRunning = 0;
    m_bRemSyncing = 0;
    m_bMedDelaying = 0;

    // Seeded before anything can draw: a random reminder draws when it starts.
    platform::srand(static_cast<std::uint32_t>(SecondsOfDay()));
    SetTimer(TIMER_CLOCK_TICK, kClockTickMs);

    LoadSettings(kSettingsFileName);
    ReadTimerChoices();
    if (m_bAutoStartReminder) {
        OnRemStartStop();
    }
    return true;
}

void CTimerDlg::OnOK() {
    // Enter in the main window does nothing.
}

void CTimerDlg::OnPaint() {
    const platform::PaintContext* paint = CurrentPaint();
    if (paint == nullptr || !paint->minimized) {
        return;  // the front end paints the controls itself
    }
    const int x = (paint->clientWidth - paint->iconWidth + 1) / 2;
    const int y = (paint->clientHeight - paint->iconHeight + 1) / 2;
    platform::CurrentHost().DrawIcon(*this, x, y);
}

void CTimerDlg::OnDestroy() {
    SaveSettings(kSettingsFileName);
}

void CTimerDlg::OnClose() {
    DefaultClose();
}

void CTimerDlg::OnMedSelChange() {
    if (m_bMedRunning || m_bMedDelaying) {
        OnMedStartStop();
    }
    UpdateData(true);
}

void CTimerDlg::OnRemSelChange() {
    if (m_bRemRunning || m_bRemSyncing) {
        OnRemStartStop();
    }
    UpdateData(true);
}

void CTimerDlg::OnChoiceChange() {
    UpdateData(true);
}
