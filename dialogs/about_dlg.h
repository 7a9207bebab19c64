// The About dialog: the picture, the version, and the way to the web page.
#pragma once

#include <string>

#include "platform/dialog.h"

class CAboutDlg : public platform::Dialog {
  public:
    CAboutDlg();
    ~CAboutDlg() override;

    void OnWebPage();

    std::string m_strVersion;

  protected:
    void DoDataExchange(platform::DataExchange& exchange) override;
    bool OnInitDialog() override;
};
