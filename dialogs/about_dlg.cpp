#include "dialogs/about_dlg.h"

#include "app/timer_dlg.h"
#include "res/resource.h"
#include "res/templates.h"

CAboutDlg::CAboutDlg() : platform::Dialog(res::AboutTemplate()) {
    OnEvent(Event::Click, IDC_WEB_PAGE, &CAboutDlg::OnWebPage);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.Text(IDC_VERSION, m_strVersion);
}

bool CAboutDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    m_strVersion = res::kVersionText;
    UpdateData(false);
    return true;
}

void CAboutDlg::OnWebPage() {
    platform::CurrentHost().OpenDocument(res::kProductPage);
}

void CTimerDlg::OnAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CTimerDlg::OnHelpButton() {
    platform::CurrentHost().OpenDocument(res::kHelpPage);
}
