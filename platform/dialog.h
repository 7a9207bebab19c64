// Dialogs: a template, the control models that exist while the window does,
// an event table binding notifications, timers and window messages to
// handlers, data exchange between members and controls, and modal running.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/host.h"
#include "platform/layout.h"

namespace platform {

class Dialog;

// Moves values between a dialog's members and its controls: out of the
// controls when `saving` (the user's values become the members'), into them
// otherwise.
class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool Saving() const { return saving_; }

    void Control(int id, ComboBox& handle);
    void Control(int id, ListBox& handle);
    void Control(int id, Button& handle);
    void Text(int id, std::string& value);
    // A value outside 0..2 becomes 0 when copied into the control.
    void Check(int id, int& value);
    // Number fields. Out of the control the text is validated; a refused
    // field shows the platform's message, is focused with its text selected,
    // and ends the exchange: fields after it are not read.
    void Number(int id, std::uint32_t& value);
    void Number(int id, std::int32_t& value);

    bool Failed() const { return failed_; }

  private:
    void Refuse(int id, const char* message);
    template <class Value>
    void ExchangeNumber(int id, Value& value, const char* refusal);

    Dialog& dialog_;
    bool saving_;
    bool failed_ = false;
};

// Reads a number field's text as the platform's validation does: at most its
// first 31 characters, blanks and tabs around a decimal number, a leading
// minus only when signed, out-of-range values held to the type's limits, and
// 0 only when written with a leading digit 0. False when refused.
bool ReadNumberField(const std::string& text, bool isSigned, long long& value);

// The application's title: the caption of its validation messages.
const std::string& ApplicationTitle();
void SetApplicationTitle(std::string title);

class Dialog {
  public:
    explicit Dialog(const DialogTemplate& layout);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogTemplate& Layout() const { return layout_; }

    // Runs the dialog modally and returns the result it ended with.
    int DoModal();
    // The two halves of DoModal, for hosts that open a dialog themselves.
    void Create();
    void Destroy();

    bool IsOpen() const { return open_; }
    bool HasEnded() const { return ended_; }
    int Result() const { return result_; }
    void EndDialog(int result);

    bool UpdateData(bool saveAndValidate);

    // Controls while the window exists; null for an unknown id or when closed.
    platform::Control* FindControl(int id) const;
    const std::vector<std::unique_ptr<platform::Control>>& Controls() const { return controls_; }
    // Shows a text in a control, as the window's own text of that control.
    void SetDlgItemText(int id, const std::string& text);

    // The window's icon, a resource id; 0 for none.
    void SetIcon(int icon, bool big) { (big ? bigIcon_ : smallIcon_) = icon; }
    int Icon(bool big) const { return big ? bigIcon_ : smallIcon_; }

    void SetTimer(unsigned id, std::uint32_t periodMs);
    void KillTimer(unsigned id);

    // A modal message box owned by this dialog, with an OK button.
    int MessageBox(const std::string& text, const std::string& caption,
                   MessageIcon icon = MessageIcon::None);

    // What hosts report: the user's actions and the window's messages.
    void UserClick(int id);              // a push button or check box
    void UserSelect(int id, int index);  // a list entry chosen by the user
    void UserEditText(int id, std::string text);
    void UserEnter();  // Enter with no push button focused
    void UserEscape();
    void UserClose();  // close box, Alt+F4, or a request to quit
    void DispatchTimer(unsigned id);
    void DispatchPaint(const PaintContext& context);

    // Which control the view should focus, and the text to select in it; a
    // front end asks after the dialog opens and after every action.
    int FocusRequest() const { return focusRequest_; }
    void ClearFocusRequest() { focusRequest_ = kNoId; }

  protected:
    virtual void DoDataExchange(DataExchange& exchange);
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // The event table.
    enum class Event { Click, SelectionChange, Timer, Paint, Destroy, Close };
    template <class D>
    void OnEvent(Event event, int id, void (D::*handler)()) {
        table_.push_back(
            {event, id, [this, handler](unsigned) { (static_cast<D*>(this)->*handler)(); }});
    }
    template <class D>
    void OnTimerEvent(void (D::*handler)(unsigned)) {
        table_.push_back({Event::Timer, kNoId, [this, handler](unsigned timer) {
                              (static_cast<D*>(this)->*handler)(timer);
                          }});
    }

    // Asks the view to give a control the keyboard focus with its text selected.
    void FocusAndSelect(int id) { focusRequest_ = id; }

    // The platform's own handling: a close request becomes the Cancel command.
    void DefaultClose() { Command(kIdCancel); }
    // A command from a button or the keyboard: its handler, or OK and Cancel.
    void Command(int id);
    const PaintContext* CurrentPaint() const { return paint_; }

  private:
    struct Entry {
        Event event;
        int id;
        std::function<void(unsigned)> handler;
    };
    bool Dispatch(Event event, int id, unsigned argument = 0);

    const DialogTemplate& layout_;
    std::vector<Entry> table_;
    std::vector<std::unique_ptr<platform::Control>> controls_;
    std::map<int, platform::Control*> byId_;
    std::vector<std::function<void()>> detachers_;
    bool open_ = false;
    bool ended_ = false;
    int result_ = 0;
    int focusRequest_ = kNoId;
    int bigIcon_ = 0;
    int smallIcon_ = 0;
    const PaintContext* paint_ = nullptr;

    friend class DataExchange;
};

}  // namespace platform
