// The one timer handler, and the clock tick: the clock readout, the clock
// bells, the daily alarm bells and both remaining-time readouts.
#include "app/clock_state.h"
#include "platform/runtime.h"
#include "res/resource.h"

BOOL g_bClockBellPlayed = 0;
int g_nLastAlarmMinute = kNoAlarmMinute;

namespace {

bool DayMatches(std::uint16_t code, int weekday) {
    switch (code) {
        case 0:
            return true;
        case 8:
            return weekday >= 1 && weekday <= 5;
        case 9:
            return weekday == 6 || weekday == 0;
        default:
            return code > 9 || weekday == code - 1;
    }
}

}  // namespace

void CTimerDlg::OnTimer(unsigned id) {
    switch (id) {
        case TIMER_REMINDER:
            OnRemTimer(TIMER_REMINDER);
            break;
        case TIMER_MEDITATION:
            OnMedPeriodDone();
            break;
        case TIMER_MED_DELAY:
            OnMedDelayDone();
            break;
        case TIMER_REMINDER_SYNC:
            OnRemTimer(TIMER_REMINDER_SYNC);
            break;
        case TIMER_CLOCK_TICK:
            OnClockTick();
            break;
        default:
            break;
    }
}

void CTimerDlg::OnClockTick() {
    platform::Host& host = platform::CurrentHost();
    const platform::LocalTime now = host.ToLocal(host.Time());

    // The clock readout: hour without a leading zero, minute and second with one.
    const char* marker = now.hour < 12 ? "A.M." : "P.M.";
    const int hour = now.hour == 0 ? 12 : (now.hour > 12 ? now.hour - 12 : now.hour);
    m_strClock = platform::Format("%d:%02d:%02d %s", hour, now.minute, now.second, marker);
    SetDlgItemText(IDC_CLOCK, m_strClock);

    // Clock bells, struck once at second 0 of their minute. The flag that holds
    // the reminder back is let go in the next minute even when the bells have
    // been switched off meanwhile, so reminders are never silenced for long.
    if (now.second == 0) {
        const std::string* sound = nullptr;
        if (now.minute == 0) {
            sound = &m_strHourlySound;
        } else if (now.minute == 15 || now.minute == 45) {
            sound = &m_strQuarterSound;
        } else if (now.minute == 30) {
            sound = &m_strHalfHourSound;
        }
        if (sound == nullptr) {
            g_bClockBellPlayed = 0;
        } else if (m_bClockBells && !g_bClockBellPlayed) {
            PlayBellByName(*sound);
            g_bClockBellPlayed = 1;
        }
    }

    // Daily alarm bells: the first entry that matches this minute rings once.
    const int minuteOfDay = now.hour * 60 + now.minute;
    if (m_bDailyAlarms) {
        for (std::size_t i = 0; i < m_alarmTimes.size(); ++i) {
            const bool matches = m_alarmTimes[i] == minuteOfDay && i < m_alarmDays.size() &&
                                 DayMatches(m_alarmDays[i], now.weekday);
            if (matches) {
                if (g_nLastAlarmMinute != m_alarmTimes[i]) {
                    PlayBellByName(i < m_alarmSounds.size() ? m_alarmSounds[i] : std::string());
                    g_nLastAlarmMinute = m_alarmTimes[i];
                }
                break;
            }
            if (g_nLastAlarmMinute != minuteOfDay) {
                g_nLastAlarmMinute = kNoAlarmMinute;
            }
        }
    }
    // Once its minute is over, an alarm no longer holds the reminder back,
    // also when the alarms were switched off or emptied in that minute.
    if (g_nLastAlarmMinute != kNoAlarmMinute && g_nLastAlarmMinute != minuteOfDay) {
        g_nLastAlarmMinute = kNoAlarmMinute;
    }

    UpdateMedRemaining();
    UpdateRemRemaining();
}
