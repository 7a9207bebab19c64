// The main window: every setting, the meditation and reminder timers, the
// clock readout and its bells, and the daily alarm bells.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/dialog.h"

namespace settings {
class Archive;
}

// Window timers of the main window.
inline constexpr unsigned TIMER_REMINDER = 1;
inline constexpr unsigned TIMER_MEDITATION = 2;
inline constexpr unsigned TIMER_MED_DELAY = 3;
inline constexpr unsigned TIMER_REMINDER_SYNC = 4;
inline constexpr unsigned TIMER_CLOCK_TICK = 5;

inline constexpr std::uint32_t kClockTickMs = 500;
// The longest period a window timer takes, in whole seconds (about 24.8 days);
// longer periods are held to it rather than wrapped.
inline constexpr long long kMaxTimerSecs = 0x7FFFFFFF / 1000;
inline constexpr const char* kSettingsFileName = "selvantora.2sx";
inline constexpr const char* kInternalChime = "Internal Chime";
inline constexpr const char* kRandomSoundfile = "Random Soundfile";

// A 32-bit flag used as 0 or 1, as stored in the settings file.
using BOOL = std::int32_t;

class CTimerDlg : public platform::Dialog {
  public:
    CTimerDlg();
    ~CTimerDlg() override;

    // Time helpers and timer choices.
    void FillIntervalLists();
    void ReadTimerChoices();
    static int SecondsOfDay();
    static std::string FormatRemaining(int seconds);

    // Meditation timer.
    void OnMedStartStop();
    void StartMedPeriod();
    void OnMedDelayDone();
    void OnMedPeriodDone();
    void UpdateMedRemaining();

    // Reminder timer.
    void OnRemStartStop();
    void StartRemPeriod();
    void OnRemTimer(unsigned id);
    void UpdateRemRemaining();

    // Timer dispatch and the clock tick.
    void OnTimer(unsigned id);
    void OnClockTick();

    // Bells.
    void PlayStartBell();
    void PlayReminderBell();
    void PlayEndBell();
    void PlayBellByName(const std::string& name);

    // Settings file.
    bool LoadSettings(const std::string& fileName);
    bool SaveSettings(const std::string& fileName);
    void Serialize(settings::Archive& archive);

    // Other windows.
    void OnOptions();
    void OnAbout();
    void OnHelpButton();

    // Fields, in declared order.
    platform::ComboBox m_cmbMedMinutes;
    platform::Button m_btnRemStart;
    platform::Button m_btnMedStart;
    platform::ComboBox m_cmbRemMinutes;
    platform::ComboBox m_cmbRemSound;
    platform::ComboBox m_cmbMedSound;
    platform::ComboBox m_cmbDelaySecs;
    std::string m_strMedRemaining;
    std::string m_strRemRemaining;
    std::string m_strClock;
    BOOL m_bClockBells = 0;
    BOOL m_bDailyAlarms = 0;
    int m_nMedRandomSound = 0;
    int m_nRemRandomSecs = 0;
    int m_nMaxRandomMins = 30;
    int m_nMedMinutes = 0;
    int m_nDelaySecs = 0;
    int m_nRemMinutes = 0;
    int m_nCustomMedMins = 25;
    int m_nCustomRemMins = 3;
    BOOL m_bAutoStartReminder = 0;
    int m_nRemStartSecs = 0;
    int m_nMedStartSecs = 0;
    int m_nRemSyncSecs = 0;
    BOOL m_bRemRunning = 0;
    BOOL m_bMedRunning = 0;
    BOOL m_bRemSyncing = 0;
    BOOL m_bMedDelaying = 0;
    BOOL m_bSyncToClock = 1;
    std::string m_strHourlySound = kInternalChime;
    std::string m_strHalfHourSound = kInternalChime;
    std::string m_strQuarterSound = kInternalChime;
    std::vector<std::string> m_alarmSounds;
    std::vector<std::uint16_t> m_alarmTimes;
    std::vector<std::uint16_t> m_alarmDays;
    std::uint16_t m_nFileVersion = 0;
    int m_hIcon;

  protected:
    void DoDataExchange(platform::DataExchange& exchange) override;
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    static std::uint32_t TimerPeriodMs(long long seconds);
    // Seconds since a start noted both as a time of day and as a calendar
    // time; right across midnight.
    static long long ElapsedSince(int startSecs, std::int64_t startTime);
    long long MedPeriodSecs() const;
    long long RemPeriodSecs() const;
    int RandomRemSecs() const;

    std::int64_t m_medStartTime = 0;
    std::int64_t m_remStartTime = 0;

    void OnPaint();
    void OnDestroy();
    void OnClose();
    void OnMedSelChange();
    void OnRemSelChange();
    void OnChoiceChange();
};
