// Members whose behaviour is still to be built.
#include "app/timer_dlg.h"

void CTimerDlg::OnOptions() {}
void CTimerDlg::OnAbout() {}
void CTimerDlg::OnHelpButton() {}
