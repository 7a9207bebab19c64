// Members whose behaviour is still to be built.
#include "app/timer_dlg.h"

void CTimerDlg::OnMedStartStop() {}
void CTimerDlg::StartMedPeriod() {}
void CTimerDlg::OnMedDelayDone() {}
void CTimerDlg::OnMedPeriodDone() {}
void CTimerDlg::UpdateMedRemaining() {}
void CTimerDlg::OnRemStartStop() {}
void CTimerDlg::StartRemPeriod() {}
void CTimerDlg::OnRemTimer(unsigned) {}
void CTimerDlg::UpdateRemRemaining() {}
void CTimerDlg::OnTimer(unsigned) {}
void CTimerDlg::OnClockTick() {}
bool CTimerDlg::LoadSettings(const std::string&) {
    return false;
}
bool CTimerDlg::SaveSettings(const std::string&) {
    return false;
}
void CTimerDlg::Serialize(settings::Archive&) {}
void CTimerDlg::OnOptions() {}
void CTimerDlg::OnAbout() {}
void CTimerDlg::OnHelpButton() {}
