// A real dialog window for any dialog, created from its template in the
// program's resources, mirroring the control models and reporting the user's
// actions back. No program logic.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "hosts/win32/win32.h"
#include "platform/dialog.h"

namespace win32host {

class Win32Host;

class DialogWindow {
  public:
    DialogWindow(Win32Host& host, platform::Dialog& dialog, HWND owner);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    platform::Dialog& Model() const { return dialog_; }
    HWND Handle() const { return window_; }
    HWND Owner() const { return owner_; }

    void Show();
    // After the program ran a handler: focus what it asked for.
    void ApplyFocusRequest();
    // Draws the application icon while a paint of the minimised window runs.
    void DrawIcon(int x, int y);

  private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND window);
    void Mirror(const platform::Control& control);
    void OnCommand(int id, int code, HWND control);
    void OnPaint();
    void AfterUserAction();
    void WidenToFitCaptions();
    void CentreOnOwner();

    Win32Host& host_;
    platform::Dialog& dialog_;
    HWND owner_;
    HWND window_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HDC paintDc_ = nullptr;
    bool mirroring_ = false;  // our own changes raise no notifications
    std::map<const platform::Control*, HWND> byModel_;
    std::map<HWND, std::vector<std::string>> shownEntries_;
};

}  // namespace win32host
