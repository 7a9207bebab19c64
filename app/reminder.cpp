// The reminder timer: a bell again and again at a fixed, random or
// clock-aligned interval.
#include "app/timer_dlg.h"

#include <algorithm>

#include "app/clock_state.h"
#include "platform/runtime.h"
#include "res/resource.h"

namespace {
constexpr int kRandom = -1;
}

void CTimerDlg::OnRemStartStop() {
    ReadTimerChoices();
    if (m_bRemRunning || m_bRemSyncing) {
        KillTimer(TIMER_REMINDER);
        KillTimer(TIMER_REMINDER_SYNC);
        m_btnRemStart->SetText("Start");
        m_bRemRunning = 0;
        m_bRemSyncing = 0;
        m_strRemRemaining.clear();
        SetDlgItemText(IDC_REM_REMAINING, m_strRemRemaining);
        return;
    }
    const int now = SecondsOfDay();
    if (m_nRemMinutes == kRandom) {
        PlayReminderBell();
        StartRemPeriod();
    } else if (m_nRemMinutes > 0) {
        // The first period ends at the next multiple of the interval counted
        // from midnight, or after a whole interval when not synchronised.
        const long long interval = 60LL * m_nRemMinutes;
        const long long first = m_bSyncToClock ? interval - now % interval : interval;
        m_nRemSyncSecs = static_cast<int>(std::min<long long>(first, kMaxTimerSecs));
        SetTimer(TIMER_REMINDER_SYNC, TimerPeriodMs(m_nRemSyncSecs));
        m_bRemSyncing = 1;
        m_nRemStartSecs = SecondsOfDay();
        m_remStartTime = platform::CurrentHost().Time();
    }
    // An interval of 0, or a custom one that reads as negative, arms nothing.
    m_btnRemStart->SetText("Stop");
}

void CTimerDlg::StartRemPeriod() {
    long long period;
    if (m_nRemMinutes == kRandom) {
        m_nRemRandomSecs = RandomRemSecs();
        period = m_nRemRandomSecs;
    } else {
        period = RemPeriodSecs();
    }
    if (period <= 0) {
        return;
    }
    SetTimer(TIMER_REMINDER, TimerPeriodMs(period));
    m_nRemStartSecs = SecondsOfDay();
    m_remStartTime = platform::CurrentHost().Time();
    m_bRemRunning = 1;
}

int CTimerDlg::RandomRemSecs() const {
    const int r = platform::rand();
    const long long maxSecs = 60LL * m_nMaxRandomMins;
    const double q = 1.0 / 32767.0;
    const double x = (r * q) * static_cast<double>(maxSecs);
    long long n = static_cast<long long>(x) + 1;
    if (n < 30) {
        n += 30;
    }
    return static_cast<int>(std::min<long long>(n, kMaxTimerSecs));
}

void CTimerDlg::OnRemTimer(unsigned id) {
    if (id == TIMER_REMINDER_SYNC) {
        KillTimer(TIMER_REMINDER_SYNC);  // m_bRemSyncing stays set
    }
    KillTimer(TIMER_REMINDER);
    StartRemPeriod();
    if (g_nLastAlarmMinute == kNoAlarmMinute && !g_bClockBellPlayed) {
        PlayReminderBell();
    }
}

void CTimerDlg::UpdateRemRemaining() {
    if (m_bRemSyncing) {
        const long long left = m_nRemSyncSecs - ElapsedSince(m_nRemStartSecs, m_remStartTime);
        m_strRemRemaining = FormatRemaining(static_cast<int>(left));
        SetDlgItemText(IDC_REM_REMAINING, m_strRemRemaining);
    }
    if (m_bRemRunning) {
        const long long length = m_nRemMinutes == kRandom ? m_nRemRandomSecs : RemPeriodSecs();
        const long long left = length - ElapsedSince(m_nRemStartSecs, m_remStartTime);
        m_strRemRemaining = FormatRemaining(static_cast<int>(left));
        SetDlgItemText(IDC_REM_REMAINING, m_strRemRemaining);
    }
}

long long CTimerDlg::RemPeriodSecs() const {
    return std::min<long long>(60LL * m_nRemMinutes, kMaxTimerSecs);
}
