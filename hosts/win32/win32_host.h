// The seam on Windows: the system clock, window timers through the message
// queue, modal dialogs running their own message loops, message boxes,
// PlaySound and the shell's handler for files and addresses.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "hosts/win32/win32.h"
#include "platform/host.h"
#include "platform/timer_queue.h"

namespace win32host {

class DialogWindow;

class Win32Host : public platform::Host {
  public:
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    HINSTANCE Instance() const { return instance_; }

    // Ends every open dialog as its close box would, innermost first: for the
    // end of the session, so the settings are saved on the way out.
    void RequestQuit();
    // The session is ending and the process with it: closes every dialog as
    // RequestQuit does and finishes closing them at once, settings saved,
    // without waiting for their loops to return.
    void EndSession();

    std::int64_t Time() override;
    platform::LocalTime ToLocal(std::int64_t time) override;
    void SetTimer(platform::Dialog& owner, unsigned id, std::uint32_t periodMs) override;
    void KillTimer(platform::Dialog& owner, unsigned id) override;
    void KillAllTimers(platform::Dialog& owner) override;
    void Sleep(std::uint32_t ms) override;
    void RunModalLoop(platform::Dialog& dialog) override;
    void DialogEnded(platform::Dialog& dialog) override;
    void DialogGone(platform::Dialog& dialog) override;
    int MessageBox(const platform::MessageBoxRequest& request) override;
    bool PlaySound(const platform::SoundRequest& request) override;
    void OpenDocument(const std::string& target) override;
    void DrawIcon(platform::Dialog& dialog, int x, int y) override;

  private:
    static LRESULT CALLBACK PumpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::int64_t NowMs() const;
    DialogWindow* WindowOf(const platform::Dialog& dialog) const;

    HINSTANCE instance_;
    HWND pump_ = nullptr;  // a message-only window that receives the wake-ups
    LARGE_INTEGER frequency_{};
    platform::WakeUpTimers timers_;
    std::vector<DialogWindow*> open_;
};

}  // namespace win32host
