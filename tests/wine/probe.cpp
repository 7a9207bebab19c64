// Looks into the running program's windows from outside, under Wine, the way
// a user's tools would see them: waits for a window, lists its controls, and
// reports clicks and list choices to it as its controls would.
//   probe wait TITLE SECONDS | gone TITLE SECONDS | list TITLE
//   probe click TITLE ID | select TITLE ID ENTRY | type TITLE ID TEXT | text TITLE ID | checked
//   TITLE ID
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h first
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const char* text) {
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), size);
    out.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return out;
}

std::string Utf8(const std::wstring& text) {
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return out;
}

// Asks the window itself: another process's control keeps its text there.
std::string Text(HWND window) {
    wchar_t buffer[512] = {};
    DWORD_PTR got = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, 2000, &got);
    return Utf8(buffer);
}

HWND Find(const char* title) {
    const HWND window = ::FindWindowW(nullptr, Wide(title).c_str());
    return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
}

bool WaitFor(const char* title, double seconds, bool present) {
    for (int waited = 0; waited <= seconds * 1000; waited += 50) {
        if ((Find(title) != nullptr) == present) {
            return true;
        }
        ::Sleep(50);
    }
    return false;
}

int List(HWND dialog) {
    RECT client{};
    ::GetClientRect(dialog, &client);
    std::printf("client\t%ld\t%ld\n", client.right, client.bottom);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t windowClass[64] = {};
        ::GetClassNameW(child, windowClass, 64);
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        std::printf("%d\t%s\t%d\t%ld\t%ld\t%ld\t%ld\t%s\n", ::GetDlgCtrlID(child),
                    Utf8(windowClass).c_str(), ::IsWindowVisible(child) ? 1 : 0, rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top, Text(child).c_str());
    }
    return 0;
}

}  // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in \n alone, for the scripts
    // The arguments as UTF-8 whatever the code page, for names beyond ASCII.
    int argc = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        args.push_back(Utf8(wide[i]));
    }
    std::vector<char*> pointers;
    for (std::string& arg : args) {
        pointers.push_back(arg.data());
    }
    char** argv = pointers.data();
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: probe wait|gone|list|click|select|type|text|checked TITLE ...\n");
        return 2;
    }
    const std::string command = argv[1];
    const char* title = argv[2];
    if (command == "wait" || command == "gone") {
        const double seconds = argc > 3 ? std::atof(argv[3]) : 10.0;
        return WaitFor(title, seconds, command == "wait") ? 0 : 1;
    }
    const HWND dialog = Find(title);
    if (dialog == nullptr) {
        std::fprintf(stderr, "no window \"%s\"\n", title);
        return 1;
    }
    if (command == "list") {
        return List(dialog);
    }
    const int id = argc > 3 ? std::atoi(argv[3]) : 0;
    const HWND control = ::GetDlgItem(dialog, id);
    if (control == nullptr) {
        std::fprintf(stderr, "no control %d\n", id);
        return 1;
    }
    if (command == "click") {
        // What a button tells its dialog when clicked.
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (command == "select" && argc > 4) {
        // The user picks an entry: the list shows it, then tells its dialog.
        const std::wstring entry = Wide(argv[4]);
        const LRESULT index = ::SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(entry.c_str()));
        if (index == CB_ERR) {
            std::fprintf(stderr, "no entry \"%s\" in %d\n", argv[4], id);
            return 1;
        }
        ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (command == "type" && argc > 4) {
        // Typed text: the field takes it and tells its dialog.
        const std::wstring text = Wide(argv[4]);
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                              SMTO_ABORTIFHUNG, 2000, &result);
        return 0;
    }
    if (command == "checked") {
        std::printf("%d\n", static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0)));
        return 0;
    }
    if (command == "text") {
        std::printf("%s\n", Text(control).c_str());
        return 0;
    }
    std::fprintf(stderr, "unknown command %s\n", command.c_str());
    return 2;
}
