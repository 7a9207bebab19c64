// The Windows headers, without the macros that would rename our own
// functions, and conversions between our UTF-8 and the system's UTF-16.
#pragma once

#include <windows.h>
// windows.h first
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#undef MessageBox
#undef PlaySound
#undef SetDlgItemText
#undef SetCurrentDirectory

#include <string>
#include <string_view>

namespace win32host {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The window's text as UTF-8.
std::string WindowText(HWND window);

}  // namespace win32host
