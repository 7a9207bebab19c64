#include "app/timer_app.h"

#include "app/timer_dlg.h"
#include "platform/dialog.h"
#include "res/resource.h"

CTimerApp theApp;

CTimerApp::CTimerApp() {
    platform::SetApplicationTitle(kAppTitle);
}

CTimerApp::~CTimerApp() = default;

BOOL CTimerApp::InitInstance() {
    CTimerDlg dialog;
    dialog.DoModal();  // however it ended, the program ends
    return 0;
}
