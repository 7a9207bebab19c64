// The Windows program: no command line, one main window.
#include "app/timer_app.h"
#include "hosts/win32/win32_host.h"
#include "platform/files.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    platform::CaptureCurrentDirectory();
    win32host::Win32Host host(instance);
    platform::SetCurrentHost(&host);
    theApp.InitInstance();
    platform::SetCurrentHost(nullptr);
    return 0;
}
