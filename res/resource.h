// Resource and control ids.
#pragma once

// Dialogs
inline constexpr int IDD_ABOUT = 100;
inline constexpr int IDD_MAIN = 129;
inline constexpr int IDD_OPTIONS = 135;
inline constexpr int IDD_ADD_ALARM = 137;

// Icon, pictures and the chime
inline constexpr int IDI_MAIN = 128;
inline constexpr int IDR_CHIME = 132;
inline constexpr int IDB_PICTURE = 133;
inline constexpr int IDB_OPTIONS_PICTURE = 134;

// Main window controls
inline constexpr int IDC_MED_TEST_SOUND = 1000;
inline constexpr int IDC_ABOUT = 1001;
inline constexpr int IDC_HELP_BUTTON = 1002;
inline constexpr int IDC_CLOCK = 1003;
inline constexpr int IDC_MED_GROUP = 1005;
inline constexpr int IDC_REM_GROUP = 1006;
inline constexpr int IDC_REM_TEST_SOUND = 1007;
inline constexpr int IDC_OPTIONS = 1016;
inline constexpr int IDC_CLOCK_BELLS = 1022;
inline constexpr int IDC_DAILY_ALARMS = 1026;
inline constexpr int IDC_MED_START = 1033;
inline constexpr int IDC_MED_SOUND = 1034;
inline constexpr int IDC_REM_SOUND = 1035;
inline constexpr int IDC_REM_START = 1036;
inline constexpr int IDC_REM_MINUTES = 1037;
inline constexpr int IDC_DELAY_SECS = 1039;
inline constexpr int IDC_MED_MINUTES = 1040;
inline constexpr int IDC_MED_REMAINING = 1041;
inline constexpr int IDC_REM_REMAINING = 1042;
