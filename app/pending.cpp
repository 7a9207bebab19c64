// Members whose behaviour is still to be built.
#include "app/timer_dlg.h"

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
