#include "platform/dialog.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace platform {

namespace {
Host* g_host = nullptr;

template <class Model>
Model* ModelOf(Dialog& dialog, int id) {
    auto* model = dynamic_cast<Model*>(dialog.FindControl(id));
    if (model == nullptr) {
        throw std::logic_error("no control of that kind with id " + std::to_string(id));
    }
    return model;
}
}  // namespace

Host& CurrentHost() {
    if (g_host == nullptr) {
        throw std::logic_error("no host");
    }
    return *g_host;
}

void SetCurrentHost(Host* host) {
    g_host = host;
}

// Data exchange ------------------------------------------------------------

void DataExchange::Control(int id, ComboBox& handle) {
    handle.Attach(ModelOf<ComboBoxModel>(dialog_, id));
    dialog_.detachers_.push_back([&handle] { handle.Attach(nullptr); });
}

void DataExchange::Control(int id, ListBox& handle) {
    handle.Attach(ModelOf<ListBoxModel>(dialog_, id));
    dialog_.detachers_.push_back([&handle] { handle.Attach(nullptr); });
}

void DataExchange::Control(int id, Button& handle) {
    handle.Attach(ModelOf<platform::Control>(dialog_, id));
    dialog_.detachers_.push_back([&handle] { handle.Attach(nullptr); });
}

void DataExchange::Text(int id, std::string& value) {
    if (failed_) {
        return;
    }
    auto* model = ModelOf<platform::Control>(dialog_, id);
    if (saving_) {
        value = model->Text();
    } else {
        model->SetText(value);
    }
}

void DataExchange::Check(int id, int& value) {
    if (failed_) {
        return;
    }
    auto* model = ModelOf<CheckBoxModel>(dialog_, id);
    if (saving_) {
        value = model->Check();
    } else {
        model->SetCheck(value);
    }
}

namespace {
std::string& Title() {
    static std::string title;
    return title;
}
}  // namespace

const std::string& ApplicationTitle() {
    return Title();
}
void SetApplicationTitle(std::string title) {
    Title() = std::move(title);
}

bool ReadNumberField(const std::string& text, bool isSigned, long long& value) {
    const std::string field = text.substr(0, 31);
    std::size_t i = 0;
    auto blank = [&](std::size_t at) {
        return at < field.size() && (field[at] == ' ' || field[at] == '\t');
    };
    while (blank(i)) {
        ++i;
    }
    const bool startsWithZero = i < field.size() && field[i] == '0';
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        if (negative && !isSigned) {
            return false;
        }
        ++i;
    }
    const long long limit = isSigned ? (negative ? 2147483648LL : 2147483647LL) : 4294967295LL;
    long long magnitude = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
        magnitude = std::min(limit, magnitude * 10 + (field[i] - '0'));
        ++i;
    }
    while (blank(i)) {
        ++i;
    }
    if (i != field.size() || (magnitude == 0 && !startsWithZero)) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

void DataExchange::Refuse(int id, const char* message) {
    failed_ = true;
    dialog_.MessageBox(message, ApplicationTitle(), MessageIcon::Exclamation);
    dialog_.FocusAndSelect(id);
}

template <class Value>
void DataExchange::ExchangeNumber(int id, Value& value, const char* refusal) {
    if (failed_) {
        return;
    }
    auto* model = ModelOf<platform::Control>(dialog_, id);
    if (!saving_) {
        model->SetText(std::to_string(value));
        return;
    }
    long long read = 0;
    if (!ReadNumberField(model->Text(), std::is_signed_v<Value>, read)) {
        Refuse(id, refusal);
        return;
    }
    value = static_cast<Value>(read);
}

void DataExchange::Number(int id, std::uint32_t& value) {
    ExchangeNumber(id, value, "Please enter a positive integer.");
}

void DataExchange::Number(int id, std::int32_t& value) {
    ExchangeNumber(id, value, "Please enter an integer.");
}

// Dialog -------------------------------------------------------------------

Dialog::Dialog(const DialogTemplate& layout) : layout_(layout) {}

Dialog::~Dialog() {
    // The derived part is gone already, so no handler may run; only the host
    // has to let go of this window.
    if (open_ && g_host != nullptr) {
        g_host->KillAllTimers(*this);
        g_host->DialogGone(*this);
    }
}

int Dialog::DoModal() {
    Create();
    if (!ended_) {
        CurrentHost().RunModalLoop(*this);
    }
    Destroy();
    return result_;
}

void Dialog::Create() {
    controls_.clear();
    byId_.clear();
    for (const ControlTemplate& control : layout_.controls) {
        std::unique_ptr<platform::Control> model;
        switch (control.kind) {
            case ControlKind::ComboBox:
                model = std::make_unique<ComboBoxModel>(control);
                break;
            case ControlKind::ListBox:
                model = std::make_unique<ListBoxModel>(control);
                break;
            case ControlKind::CheckBox:
                model = std::make_unique<CheckBoxModel>(control);
                break;
            default:
                model = std::make_unique<platform::Control>(control);
                break;
        }
        if (control.id != kNoId) {
            byId_[control.id] = model.get();
        }
        controls_.push_back(std::move(model));
    }
    open_ = true;
    ended_ = false;
    result_ = 0;
    focusRequest_ = kNoId;
    OnInitDialog();
}

void Dialog::Destroy() {
    if (!open_) {
        return;
    }
    Dispatch(Event::Destroy, kNoId);
    CurrentHost().KillAllTimers(*this);
    for (auto& detach : detachers_) {
        detach();
    }
    detachers_.clear();
    byId_.clear();
    controls_.clear();
    open_ = false;
}

void Dialog::EndDialog(int result) {
    if (!open_ || ended_) {
        return;
    }
    ended_ = true;
    result_ = result;
    CurrentHost().DialogEnded(*this);
}

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!open_) {
        return false;
    }
    // Attachments are made afresh by every exchange.
    for (auto& detach : detachers_) {
        detach();
    }
    detachers_.clear();
    DataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

int Dialog::MessageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    MessageBoxRequest request;
    request.owner = this;
    request.text = text;
    request.caption = caption;
    request.icon = icon;
    return CurrentHost().MessageBox(request);
}

platform::Control* Dialog::FindControl(int id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
    if (platform::Control* control = FindControl(id)) {
        control->SetText(text);
    }
}

void Dialog::SetTimer(unsigned id, std::uint32_t periodMs) {
    CurrentHost().SetTimer(*this, id, periodMs);
}

void Dialog::KillTimer(unsigned id) {
    CurrentHost().KillTimer(*this, id);
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(kIdOk);
    }
}

void Dialog::OnCancel() {
    EndDialog(kIdCancel);
}

bool Dialog::Dispatch(Event event, int id, unsigned argument) {
    for (const Entry& entry : table_) {
        if (entry.event == event && (entry.id == id || event == Event::Timer)) {
            entry.handler(argument);
            return true;
        }
    }
    return false;
}

void Dialog::Command(int id) {
    if (Dispatch(Event::Click, id)) {
        return;
    }
    if (id == kIdOk) {
        OnOK();
    } else if (id == kIdCancel) {
        OnCancel();
    }
}

void Dialog::UserClick(int id) {
    if (!open_ || ended_) {
        return;
    }
    platform::Control* control = FindControl(id);
    if (control == nullptr) {
        return;
    }
    if (auto* check = dynamic_cast<CheckBoxModel*>(control)) {
        check->Toggle();
    } else if (control->Kind() != ControlKind::PushButton) {
        return;
    }
    Command(id);
}

void Dialog::UserSelect(int id, int index) {
    if (!open_ || ended_) {
        return;
    }
    platform::Control* control = FindControl(id);
    if (auto* combo = dynamic_cast<ComboBoxModel*>(control)) {
        combo->Select(index);
    } else if (auto* list = dynamic_cast<ListBoxModel*>(control)) {
        list->Select(index);
    } else {
        return;
    }
    Dispatch(Event::SelectionChange, id);
}

void Dialog::UserEditText(int id, std::string text) {
    if (platform::Control* control = FindControl(id)) {
        if (control->Kind() == ControlKind::Edit || control->Kind() == ControlKind::ComboBox) {
            control->SetText(std::move(text));
        }
    }
}

void Dialog::UserEnter() {
    if (open_ && !ended_) {
        Command(kIdOk);
    }
}

void Dialog::UserEscape() {
    if (open_ && !ended_) {
        Command(kIdCancel);
    }
}

void Dialog::UserClose() {
    if (!open_ || ended_) {
        return;
    }
    if (!Dispatch(Event::Close, kNoId)) {
        Command(kIdCancel);
    }
}

void Dialog::DispatchTimer(unsigned id) {
    if (open_) {
        Dispatch(Event::Timer, kNoId, id);
    }
}

void Dialog::DispatchPaint(const PaintContext& context) {
    if (!open_) {
        return;
    }
    paint_ = &context;
    Dispatch(Event::Paint, kNoId);
    paint_ = nullptr;
}

}  // namespace platform
