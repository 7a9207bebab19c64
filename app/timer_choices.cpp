// The interval lists and the time helpers both timers share.
#include "app/timer_dlg.h"

#include <algorithm>

#include "platform/runtime.h"

namespace {

constexpr const char* kRemMinutes[] = {"5",  "10",  "15",  "20",  "30",  "40",    "45",
                                       "60", "120", "180", "240", "360", "Random"};
constexpr const char* kMedMinutes[] = {"5",  "10", "15", "20",  "30",  "40", "45",
                                       "60", "75", "90", "120", "360", "480"};
constexpr int kRandomPosition = 12;

// Where each list starts; a list left with no selection (only a damaged
// settings file can do that) is read as if it were there.
constexpr int kDefaultMedMinutesPosition = 4;
constexpr int kDefaultDelayPosition = 1;
constexpr int kDefaultRemMinutesPosition = 3;

int SelectionOr(const platform::ComboBoxModel& list, int fallback) {
    const int selection = list.Selection();
    return selection >= 0 ? selection : fallback;
}

void ReadNumber(const platform::ComboBoxModel& list, int fallbackPosition, int& value) {
    platform::ScanInt(list.EntryText(SelectionOr(list, fallbackPosition)), value);
}

}  // namespace

void CTimerDlg::FillIntervalLists() {
    const std::string customRem = platform::Format("%d", m_nCustomRemMins);
    m_cmbRemMinutes->Clear();
    for (const char* entry : kRemMinutes) {
        m_cmbRemMinutes->Add(entry);
    }
    m_cmbRemMinutes->Add(customRem);

    const std::string customMed = platform::Format("%d", m_nCustomMedMins);
    m_cmbMedMinutes->Clear();
    for (const char* entry : kMedMinutes) {
        m_cmbMedMinutes->Add(entry);
    }
    m_cmbMedMinutes->Add(customMed);
}

void CTimerDlg::ReadTimerChoices() {
    UpdateData(true);
    ReadNumber(*m_cmbMedMinutes, kDefaultMedMinutesPosition, m_nMedMinutes);
    ReadNumber(*m_cmbDelaySecs, kDefaultDelayPosition, m_nDelaySecs);
    if (SelectionOr(*m_cmbRemMinutes, kDefaultRemMinutesPosition) == kRandomPosition) {
        m_nRemMinutes = -1;
    } else {
        ReadNumber(*m_cmbRemMinutes, kDefaultRemMinutesPosition, m_nRemMinutes);
    }
}

int CTimerDlg::SecondsOfDay() {
    platform::Host& host = platform::CurrentHost();
    const platform::LocalTime local = host.ToLocal(host.Time());
    return local.second + 60 * (local.minute + 60 * local.hour);
}

std::uint32_t CTimerDlg::TimerPeriodMs(long long seconds) {
    return static_cast<std::uint32_t>(std::clamp<long long>(seconds, 0, kMaxTimerSecs) * 1000);
}

long long CTimerDlg::ElapsedSince(int startSecs, std::int64_t startTime) {
    platform::Host& host = platform::CurrentHost();
    const long long elapsed = host.Time() - startTime;
    if (elapsed >= 0) {
        return elapsed;
    }
    // The calendar clock was set back: go by the time of day alone.
    long long byDay = SecondsOfDay() - startSecs;
    return byDay < 0 ? byDay + 86400 : byDay;
}

std::string CTimerDlg::FormatRemaining(int seconds) {
    const int minutes = seconds / 60;
    const int rest = seconds - 60 * minutes;
    return minutes == 1 ? platform::Format("%d min. %d secs.", minutes, rest)
                        : platform::Format("%d mins. %d secs.", minutes, rest);
}
