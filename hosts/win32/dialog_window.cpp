#include "hosts/win32/dialog_window.h"

#include <algorithm>
#include <stdexcept>

#include "hosts/win32/win32_host.h"

namespace win32host {

namespace {

using platform::ControlKind;

void SetTextIfChanged(HWND window, const std::string& text) {
    if (WindowText(window) != text) {
        ::SetWindowTextW(window, Wide(text).c_str());
    }
}

// The children of a dialog in template order.
std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

int CheckState(int check) {
    return check == 1 ? BST_CHECKED : check == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
}

}  // namespace

DialogWindow::DialogWindow(Win32Host& host, platform::Dialog& dialog, HWND owner)
    : host_(host), dialog_(dialog), owner_(owner) {
    const HWND created =
        ::CreateDialogParamW(host.Instance(), MAKEINTRESOURCEW(dialog.Layout().id), owner,
                             &DialogWindow::Proc, reinterpret_cast<LPARAM>(this));
    if (created == nullptr) {
        throw std::runtime_error("dialog " + std::to_string(dialog.Layout().id) +
                                 " could not be created");
    }
}

DialogWindow::~DialogWindow() {
    if (dialog_.IsOpen()) {
        for (const auto& control : dialog_.Controls()) {
            control->SetObserver(nullptr);
        }
    }
    if (window_ != nullptr) {
        ::SetWindowLongPtrW(window_, DWLP_USER, 0);
        ::DestroyWindow(window_);
    }
    for (HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr) {
            ::DestroyIcon(icon);
        }
    }
}

INT_PTR CALLBACK DialogWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->Attach(window);
        return TRUE;  // the dialog manager focuses the first tab stop
    }
    auto* self = reinterpret_cast<DialogWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
    return self == nullptr ? FALSE : self->Handle(message, wParam, lParam);
}

void DialogWindow::Attach(HWND window) {
    window_ = window;
    for (const auto& control : dialog_.Controls()) {
        if (control->Id() == platform::kNoId) {
            continue;  // fixed captions, frames and pictures
        }
        const HWND item = ::GetDlgItem(window_, control->Id());
        if (item == nullptr) {
            continue;
        }
        byModel_[control.get()] = item;
        Mirror(*control);
        control->SetObserver([this](const platform::Control& changed) { Mirror(changed); });
    }
    for (const bool big : {true, false}) {
        const int icon = dialog_.Icon(big);
        if (icon == 0) {
            continue;
        }
        const int size = ::GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON);
        auto* handle = static_cast<HICON>(::LoadImageW(host_.Instance(), MAKEINTRESOURCEW(icon),
                                                       IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        (big ? bigIcon_ : smallIcon_) = handle;
        ::SendMessageW(window_, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                       reinterpret_cast<LPARAM>(handle));
    }
    WidenToFitCaptions();
    CentreOnOwner();
}

// The templates were laid out for a narrower font than some systems give
// them. Where a one-line caption would be cut, everything grows sideways by
// the same factor until all of them fit; pictures keep their size.
void DialogWindow::WidenToFitCaptions() {
    const std::vector<platform::ControlTemplate>& layout = dialog_.Layout().controls;
    const std::vector<HWND> children = Children(window_);
    if (children.size() != layout.size()) {
        return;
    }
    const HDC dc = ::GetDC(window_);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(window_, WM_GETFONT, 0, 0));
    const HGDIOBJ old = ::SelectObject(dc, font);
    double factor = 1.0;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const platform::ControlTemplate& t = layout[i];
        int padding = 0;
        switch (t.kind) {
            case ControlKind::Label:
                padding = t.height >= 16 ? -1 : 1;  // two lines or more may wrap
                break;
            case ControlKind::CheckBox:
                padding = ::GetSystemMetrics(SM_CXMENUCHECK) + 6;
                break;
            case ControlKind::PushButton:
                padding = 8;
                break;
            case ControlKind::GroupBox:
                padding = 16;
                break;
            default:
                padding = -1;
                break;
        }
        if (padding < 0 || t.text.empty()) {
            continue;
        }
        const std::wstring text = Wide(t.text);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        RECT rect{};
        ::GetWindowRect(children[i], &rect);
        const int width = rect.right - rect.left;
        if (width > 0) {
            factor = std::max(factor, static_cast<double>(extent.cx + padding) / width);
        }
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(window_, dc);
    if (factor <= 1.0) {
        return;
    }
    for (std::size_t i = 0; i < layout.size(); ++i) {
        RECT rect{};
        ::GetWindowRect(children[i], &rect);
        ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        const int width = rect.right - rect.left;
        int x = static_cast<int>(rect.left * factor + 0.5);
        int newWidth = static_cast<int>(width * factor + 0.5);
        if (layout[i].kind == ControlKind::Picture) {
            x += (newWidth - width) / 2;
            newWidth = width;
        }
        ::SetWindowPos(children[i], nullptr, x, rect.top, newWidth, rect.bottom - rect.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client{};
    ::GetClientRect(window_, &client);
    client.right = static_cast<int>(client.right * factor + 0.5);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_EXSTYLE));
    ::AdjustWindowRectEx(&client, style, FALSE, exStyle);
    ::SetWindowPos(window_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::CentreOnOwner() {
    RECT area{};
    if (owner_ != nullptr && !::IsIconic(owner_)) {
        ::GetWindowRect(owner_, &area);
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own{};
    ::GetWindowRect(window_, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    // Never off the screen, the caption above all.
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    ::SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::Show() {
    ::ShowWindow(window_, SW_SHOW);
    ::SetForegroundWindow(window_);
    ApplyFocusRequest();
}

void DialogWindow::Mirror(const platform::Control& control) {
    auto found = byModel_.find(&control);
    if (found == byModel_.end()) {
        return;
    }
    const HWND item = found->second;
    mirroring_ = true;
    switch (control.Kind()) {
        case ControlKind::CheckBox: {
            const auto& model = static_cast<const platform::CheckBoxModel&>(control);
            SetTextIfChanged(item, control.Text());
            ::SendMessageW(item, BM_SETCHECK, CheckState(model.Check()), 0);
            break;
        }
        case ControlKind::ComboBox: {
            const auto& model = static_cast<const platform::ComboBoxModel&>(control);
            std::vector<std::string>& shown = shownEntries_[item];
            bool changed = false;
            if (shown != model.Entries()) {
                ::SendMessageW(item, CB_RESETCONTENT, 0, 0);
                // At the model's positions: inserting never sorts.
                for (std::size_t i = 0; i < model.Entries().size(); ++i) {
                    ::SendMessageW(item, CB_INSERTSTRING, i,
                                   reinterpret_cast<LPARAM>(Wide(model.Entries()[i]).c_str()));
                }
                shown = model.Entries();
                changed = true;
            }
            // Only a new selection: setting one replaces what is typed in the field.
            if (changed || ::SendMessageW(item, CB_GETCURSEL, 0, 0) != model.Selection()) {
                ::SendMessageW(item, CB_SETCURSEL, static_cast<WPARAM>(model.Selection()), 0);
            }
            if ((control.Layout().style & platform::kEditable) && model.Selection() < 0) {
                SetTextIfChanged(item, control.Text());
            }
            break;
        }
        case ControlKind::ListBox: {
            const auto& model = static_cast<const platform::ListBoxModel&>(control);
            std::vector<std::string>& shown = shownEntries_[item];
            if (shown != model.Lines()) {
                ::SendMessageW(item, WM_SETREDRAW, FALSE, 0);
                ::SendMessageW(item, LB_RESETCONTENT, 0, 0);
                for (std::size_t i = 0; i < model.Lines().size(); ++i) {
                    ::SendMessageW(item, LB_INSERTSTRING, i,
                                   reinterpret_cast<LPARAM>(Wide(model.Lines()[i]).c_str()));
                }
                ::SendMessageW(item, WM_SETREDRAW, TRUE, 0);
                ::InvalidateRect(item, nullptr, TRUE);
                shown = model.Lines();
            }
            ::SendMessageW(item, LB_SETCURSEL, static_cast<WPARAM>(model.Selection()), 0);
            break;
        }
        case ControlKind::Picture:
            break;
        default:
            SetTextIfChanged(item, control.Text());
            break;
    }
    mirroring_ = false;
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_CLOSE:
            // The close box and Alt+F4 are the program's to handle.
            dialog_.UserClose();
            return TRUE;
        case WM_PAINT:
            if (::IsIconic(window_)) {
                OnPaint();
                return TRUE;
            }
            return FALSE;
        case WM_QUERYENDSESSION:
            ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                host_.EndSession();  // the process may end once this returns
            }
            return TRUE;
        default:
            return FALSE;
    }
}

void DialogWindow::OnCommand(int id, int code, HWND control) {
    if (mirroring_ || !dialog_.IsOpen() || dialog_.HasEnded()) {
        return;
    }
    if (control == nullptr) {
        // The dialog manager's own keys: Enter with no push button to click,
        // and Escape.
        if (id == IDOK) {
            dialog_.UserEnter();
        } else if (id == IDCANCEL) {
            dialog_.UserEscape();
        }
        AfterUserAction();
        return;
    }
    const platform::Control* model = dialog_.FindControl(id);
    if (model == nullptr) {
        return;
    }
    switch (model->Kind()) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                dialog_.UserClick(id);
            }
            break;
        case ControlKind::ComboBox:
            if (code == CBN_SELCHANGE) {
                const int index = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
                if (index != static_cast<const platform::ComboBoxModel*>(model)->Selection()) {
                    dialog_.UserSelect(id, index);
                }
            } else if (code == CBN_EDITCHANGE) {
                dialog_.UserEditText(id, WindowText(control));
            }
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                dialog_.UserSelect(id,
                                   static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0)));
            }
            break;
        case ControlKind::Edit:
            if (code == EN_CHANGE) {
                dialog_.UserEditText(id, WindowText(control));
            }
            break;
        default:
            break;
    }
    AfterUserAction();
}

void DialogWindow::AfterUserAction() {
    if (dialog_.IsOpen() && !dialog_.HasEnded()) {
        ApplyFocusRequest();
    }
}

void DialogWindow::ApplyFocusRequest() {
    const int id = dialog_.FocusRequest();
    if (id == platform::kNoId) {
        return;
    }
    dialog_.ClearFocusRequest();
    if (const HWND item = ::GetDlgItem(window_, id)) {
        ::SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
        ::SendMessageW(item, EM_SETSEL, 0, -1);
    }
}

void DialogWindow::OnPaint() {
    PAINTSTRUCT paint{};
    paintDc_ = ::BeginPaint(window_, &paint);
    RECT client{};
    ::GetClientRect(window_, &client);
    platform::PaintContext context;
    context.minimized = true;
    context.clientWidth = client.right - client.left;
    context.clientHeight = client.bottom - client.top;
    context.iconWidth = ::GetSystemMetrics(SM_CXICON);
    context.iconHeight = ::GetSystemMetrics(SM_CYICON);
    dialog_.DispatchPaint(context);
    ::EndPaint(window_, &paint);
    paintDc_ = nullptr;
}

void DialogWindow::DrawIcon(int x, int y) {
    if (paintDc_ != nullptr && bigIcon_ != nullptr) {
        ::DrawIcon(paintDc_, x, y, bigIcon_);
    }
}

}  // namespace win32host
