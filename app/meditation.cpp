// The meditation timer: an optional delay, one strike to begin, three to end.
#include "app/timer_dlg.h"

#include <algorithm>

#include "res/resource.h"

void CTimerDlg::OnMedStartStop() {
    ReadTimerChoices();
    if (m_bMedRunning || m_bMedDelaying) {
        KillTimer(TIMER_MED_DELAY);
        KillTimer(TIMER_MEDITATION);
        m_btnMedStart->SetText("Start");
        m_bMedRunning = 0;
        m_bMedDelaying = 0;
        m_strMedRemaining.clear();
        SetDlgItemText(IDC_MED_REMAINING, m_strMedRemaining);
        return;
    }
    if (m_nDelaySecs > 0) {
        SetTimer(TIMER_MED_DELAY, TimerPeriodMs(m_nDelaySecs));
        m_bMedDelaying = 1;
    } else {
        PlayStartBell();
        StartMedPeriod();
        m_bMedDelaying = 0;
    }
    m_btnMedStart->SetText("Stop");
    m_nMedStartSecs = SecondsOfDay();
    m_medStartTime = platform::CurrentHost().Time();
}

void CTimerDlg::StartMedPeriod() {
    if (m_nMedMinutes <= 1) {
        return;  // no period under 2 minutes is ever armed
    }
    SetTimer(TIMER_MEDITATION, TimerPeriodMs(MedPeriodSecs()));
    m_nMedStartSecs = SecondsOfDay();
    m_medStartTime = platform::CurrentHost().Time();
    m_bMedRunning = 1;
}

void CTimerDlg::OnMedDelayDone() {
    KillTimer(TIMER_MED_DELAY);
    StartMedPeriod();
    m_bMedDelaying = 0;
    PlayStartBell();
}

void CTimerDlg::OnMedPeriodDone() {
    KillTimer(TIMER_MEDITATION);
    OnMedStartStop();  // stops: the timer is idle before the bell sounds
    PlayEndBell();
}

void CTimerDlg::UpdateMedRemaining() {
    // Counted from the calendar time of the start, so that the readout stays
    // right when the meditation runs past local midnight.
    const long long elapsed = ElapsedSince(m_nMedStartSecs, m_medStartTime);
    if (m_bMedDelaying) {
        const long long seconds = m_nDelaySecs + MedPeriodSecs() - elapsed;
        m_strMedRemaining = FormatRemaining(static_cast<int>(seconds));
        SetDlgItemText(IDC_MED_REMAINING, m_strMedRemaining);
    }
    if (m_bMedRunning) {
        const long long seconds = MedPeriodSecs() - elapsed;
        m_strMedRemaining = FormatRemaining(static_cast<int>(seconds));
        SetDlgItemText(IDC_MED_REMAINING, m_strMedRemaining);
    }
}

long long CTimerDlg::MedPeriodSecs() const {
    return std::min<long long>(60LL * m_nMedMinutes, kMaxTimerSecs);
}
