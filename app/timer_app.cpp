#include "app/timer_app.h"

#include "app/timer_dlg.h"

CTimerApp theApp;

CTimerApp::~CTimerApp() = default;

BOOL CTimerApp::InitInstance() {
    CTimerDlg dialog;
    dialog.DoModal();  // however it ended, the program ends
    return 0;
}
