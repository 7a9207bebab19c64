#include "hosts/win32/win32_host.h"

#include <algorithm>
#include <climits>
#include <ctime>
#include <stdexcept>

#include "hosts/win32/dialog_window.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "res/resource.h"

namespace win32host {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
    return out;
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                          nullptr, nullptr);
    return out;
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    const int got = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return Utf8(text);
}

namespace {
constexpr UINT_PTR kWakeUp = 1;
constexpr const wchar_t* kPumpClass = L"SelvantoraTimers";
}  // namespace

Win32Host::Win32Host(HINSTANCE instance)
    : instance_(instance),
      timers_([this] { return NowMs(); },
              [this](std::optional<std::int64_t> inMs) {
                  // One system timer wakes us for the earliest of ours. Its
                  // message comes only when no input is waiting, so the
                  // user's actions go first.
                  if (inMs) {
                      ::SetTimer(pump_, kWakeUp,
                                 static_cast<UINT>(std::clamp<std::int64_t>(
                                     *inMs, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM)),
                                 nullptr);
                  } else {
                      ::KillTimer(pump_, kWakeUp);
                  }
              }) {
    ::QueryPerformanceFrequency(&frequency_);
    WNDCLASSEXW pumpClass{};
    pumpClass.cbSize = sizeof pumpClass;
    pumpClass.lpfnWndProc = &Win32Host::PumpProc;
    pumpClass.hInstance = instance;
    pumpClass.lpszClassName = kPumpClass;
    ::RegisterClassExW(&pumpClass);
    pump_ = ::CreateWindowExW(0, kPumpClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                              nullptr);
    if (pump_ == nullptr) {
        throw std::runtime_error("no window for timers");
    }
    ::SetWindowLongPtrW(pump_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Host::~Win32Host() {
    ::DestroyWindow(pump_);
    ::PlaySoundW(nullptr, nullptr, 0);
}

std::int64_t Win32Host::Time() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

platform::LocalTime Win32Host::ToLocal(std::int64_t time) {
    // Seconds since 1970 as a FILETIME, then local time with the daylight
    // saving rule of that date.
    const std::uint64_t ticks = (static_cast<std::uint64_t>(time) + 11644473600ULL) * 10000000ULL;
    FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    platform::LocalTime out;
    if (!::FileTimeToSystemTime(&file, &utc) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        return out;
    }
    out.year = local.wYear;
    out.month = local.wMonth;
    out.day = local.wDay;
    out.hour = local.wHour;
    out.minute = local.wMinute;
    out.second = std::min<int>(local.wSecond, 59);
    out.weekday = local.wDayOfWeek;
    return out;
}

// --- Window timers ---------------------------------------------------------------

std::int64_t Win32Host::NowMs() const {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<std::int64_t>(now.QuadPart / frequency_.QuadPart * 1000 +
                                     now.QuadPart % frequency_.QuadPart * 1000 /
                                         frequency_.QuadPart);
}

void Win32Host::SetTimer(platform::Dialog& owner, unsigned id, std::uint32_t periodMs) {
    timers_.Set(owner, id, periodMs);
}

void Win32Host::KillTimer(platform::Dialog& owner, unsigned id) {
    timers_.Kill(owner, id);
}

void Win32Host::KillAllTimers(platform::Dialog& owner) {
    timers_.KillAll(owner);
}

LRESULT CALLBACK Win32Host::PumpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kWakeUp) {
        if (auto* self = reinterpret_cast<Win32Host*>(::GetWindowLongPtrW(window, GWLP_USERDATA))) {
            self->timers_.DeliverDue();
        }
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void Win32Host::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}

// --- Dialogs ---------------------------------------------------------------------

DialogWindow* Win32Host::WindowOf(const platform::Dialog& dialog) const {
    for (DialogWindow* window : open_) {
        if (&window->Model() == &dialog) {
            return window;
        }
    }
    return nullptr;
}

void Win32Host::RunModalLoop(platform::Dialog& dialog) {
    const HWND owner = open_.empty() ? nullptr : open_.back()->Handle();
    DialogWindow window(*this, dialog, owner);
    open_.push_back(&window);
    if (owner != nullptr) {
        ::EnableWindow(owner, FALSE);  // modal: the owner waits
    }
    window.Show();
    bool quit = false;
    int quitCode = 0;
    MSG message{};
    while (!dialog.HasEnded()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Asked to quit: close as the close box would, and pass the
            // request on to the loops outside this one.
            quit = true;
            quitCode = static_cast<int>(message.wParam);
            dialog.UserClose();
            break;
        }
        if (got == -1) {
            break;
        }
        if (!::IsDialogMessageW(window.Handle(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    if (owner != nullptr) {
        // Before this window goes, so the owner is the one activated.
        ::EnableWindow(owner, TRUE);
    }
    open_.erase(std::remove(open_.begin(), open_.end(), &window), open_.end());
    if (quit) {
        ::PostQuitMessage(quitCode);
    }
}

void Win32Host::DialogEnded(platform::Dialog&) {
    // Wakes the loop, which sees that its dialog has ended.
    ::PostMessageW(pump_, WM_NULL, 0, 0);
}

void Win32Host::DialogGone(platform::Dialog& dialog) {
    // Only a dialog whose loop is running can be open here, and its loop
    // holds it until it ends; nothing to forget.
    DialogEnded(dialog);
}

void Win32Host::RequestQuit() {
    const std::vector<DialogWindow*> open = open_;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        (*it)->Model().UserClose();
    }
}

void Win32Host::EndSession() {
    RequestQuit();
    // What closing does, now: the loops' return does nothing more, if it
    // comes at all.
    const std::vector<DialogWindow*> open = open_;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        platform::Dialog& dialog = (*it)->Model();
        if (dialog.HasEnded()) {
            dialog.Destroy();
        }
    }
}

int Win32Host::MessageBox(const platform::MessageBoxRequest& request) {
    UINT type = MB_OK;
    switch (request.icon) {
        case platform::MessageIcon::Exclamation:
            type |= MB_ICONEXCLAMATION;
            break;
        case platform::MessageIcon::Information:
            type |= MB_ICONINFORMATION;
            break;
        case platform::MessageIcon::Question:
            type |= MB_ICONQUESTION;
            break;
        case platform::MessageIcon::Stop:
            type |= MB_ICONSTOP;
            break;
        case platform::MessageIcon::None:
            break;
    }
    DialogWindow* owner = request.owner != nullptr ? WindowOf(*request.owner) : nullptr;
    // The box runs its own loop, which goes on delivering the timers.
    ::MessageBoxW(owner != nullptr ? owner->Handle() : nullptr, Wide(request.text).c_str(),
                  Wide(request.caption).c_str(), type);
    return platform::kIdOk;
}

bool Win32Host::PlaySound(const platform::SoundRequest& request) {
    // A new sound stops the one playing.
    if (request.source == platform::SoundRequest::Source::File) {
        const std::wstring path = platform::ResolvePath(request.fileName).wstring();
        return ::PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != 0;
    }
    return ::PlaySoundW(MAKEINTRESOURCEW(IDR_CHIME), instance_,
                        SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) != 0;
}

void Win32Host::OpenDocument(const std::string& target) {
    const std::wstring what = target.find("://") != std::string::npos
                                  ? Wide(target)
                                  : platform::ResolvePath(target).wstring();
    ::ShellExecuteW(nullptr, L"open", what.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Host::DrawIcon(platform::Dialog& dialog, int x, int y) {
    if (DialogWindow* window = WindowOf(dialog)) {
        window->DrawIcon(x, y);
    }
}

}  // namespace win32host
