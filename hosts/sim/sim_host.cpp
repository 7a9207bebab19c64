#include "hosts/sim/sim_host.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "platform/runtime.h"

namespace sim {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

SimHost::SimHost() {
    SetLocalTime(2026, 12, 11, 10, 7, 30);
    platform::SetCurrentHost(this);
}

SimHost::~SimHost() {
    // Close what the test left open, so destroy handlers run against this host.
    while (!stack_.empty()) {
        platform::Dialog* dialog = stack_.back().dialog;
        stack_.pop_back();
        dialog->Destroy();
    }
    platform::SetCurrentHost(nullptr);
}

void SimHost::SetLocalTime(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const sys_days date =
        year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                       std::chrono::day{static_cast<unsigned>(day)}};
    const std::int64_t seconds =
        date.time_since_epoch().count() * 86400LL + hour * 3600LL + minute * 60LL + second;
    nowMs_ = seconds * 1000;
    originMs_ = nowMs_;
}

std::string SimHost::TimeOfDay(std::int64_t atMs) {
    const std::int64_t msOfDay = atMs - FloorDiv(atMs, 86400000) * 86400000;
    return platform::Format("%02d:%02d:%02d.%03d", static_cast<int>(msOfDay / 3600000),
                            static_cast<int>(msOfDay / 60000 % 60),
                            static_cast<int>(msOfDay / 1000 % 60),
                            static_cast<int>(msOfDay % 1000));
}

std::int64_t SimHost::Time() {
    return FloorDiv(nowMs_, 1000);
}

platform::LocalTime SimHost::ToLocal(std::int64_t time) {
    using namespace std::chrono;
    const std::int64_t days = FloorDiv(time, 86400);
    const std::int64_t secondOfDay = time - days * 86400;
    const sys_days date{std::chrono::days{days}};
    const year_month_day ymd{date};
    platform::LocalTime local;
    local.year = static_cast<int>(ymd.year());
    local.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    local.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    local.hour = static_cast<int>(secondOfDay / 3600);
    local.minute = static_cast<int>(secondOfDay / 60 % 60);
    local.second = static_cast<int>(secondOfDay % 60);
    local.weekday = static_cast<int>(weekday{date}.c_encoding());
    return local;
}

void SimHost::Advance(std::int64_t ms) {
    Pump(nowMs_ + ms);
}

void SimHost::AdvanceTo(int hour, int minute, int second) {
    const std::int64_t target = (hour * 3600LL + minute * 60LL + second) * 1000;
    const std::int64_t msOfDay = nowMs_ - FloorDiv(nowMs_, 86400000) * 86400000;
    std::int64_t wait = target - msOfDay;
    if (wait < 0) {
        wait += 86400000;
    }
    Advance(wait);
}

// --- The user ----------------------------------------------------------------

void SimHost::Post(std::int64_t atMs, std::function<void(platform::Dialog&)> action) {
    inputs_.push_back({atMs, inputOrder_++, std::move(action)});
}

void SimHost::Click(int id) {
    Post(nowMs_, [id](platform::Dialog& d) { d.UserClick(id); });
    Pump(nowMs_);
}

void SimHost::Select(int id, int index) {
    Post(nowMs_, [id, index](platform::Dialog& d) { d.UserSelect(id, index); });
    Pump(nowMs_);
}

void SimHost::SelectText(int id, const std::string& text) {
    auto* list = dynamic_cast<platform::ComboBoxModel*>(Top().FindControl(id));
    if (list == nullptr) {
        throw std::logic_error("no list " + std::to_string(id));
    }
    const auto& entries = list->Entries();
    const auto it = std::find(entries.begin(), entries.end(), text);
    if (it == entries.end()) {
        throw std::logic_error("list " + std::to_string(id) + " has no entry " + text);
    }
    Select(id, static_cast<int>(it - entries.begin()));
}

void SimHost::TypeText(int id, const std::string& text) {
    Post(nowMs_, [id, text](platform::Dialog& d) { d.UserEditText(id, text); });
    Pump(nowMs_);
}

void SimHost::PressEnter() {
    Post(nowMs_, [](platform::Dialog& d) { d.UserEnter(); });
    Pump(nowMs_);
}

void SimHost::PressEscape() {
    Post(nowMs_, [](platform::Dialog& d) { d.UserEscape(); });
    Pump(nowMs_);
}

void SimHost::CloseBox() {
    Post(nowMs_, [](platform::Dialog& d) { d.UserClose(); });
    Pump(nowMs_);
}

void SimHost::ClickAt(std::int64_t atMs, int id) {
    Post(atMs, [id](platform::Dialog& d) { d.UserClick(id); });
}

// --- The message loop ----------------------------------------------------------

void SimHost::Pump(std::int64_t untilMs) {
    for (;;) {
        // Input waiting in the queue comes before any timer.
        auto input =
            std::min_element(inputs_.begin(), inputs_.end(), [](const Input& a, const Input& b) {
                return a.atMs != b.atMs ? a.atMs < b.atMs : a.order < b.order;
            });
        if (input != inputs_.end() && input->atMs <= nowMs_) {
            auto action = std::move(input->action);
            inputs_.erase(input);
            if (!stack_.empty()) {
                action(*stack_.back().dialog);
            }
            CloseEndedOpenDialogs();
            continue;
        }
        std::optional<std::int64_t> next = timers_.NextDue();
        if (input != inputs_.end() && (!next || input->atMs < *next)) {
            next = input->atMs;
        }
        if (!next || *next > untilMs) {
            break;
        }
        nowMs_ = std::max(nowMs_, *next);
        if (input != inputs_.end() && input->atMs <= nowMs_) {
            continue;
        }
        if (auto due = timers_.TakeDue(nowMs_)) {
            due->owner->DispatchTimer(due->id);
            CloseEndedOpenDialogs();
        }
    }
    nowMs_ = std::max(nowMs_, untilMs);
}

void SimHost::CloseEndedOpenDialogs() {
    while (!stack_.empty() && stack_.back().opened && stack_.back().dialog->HasEnded()) {
        platform::Dialog* dialog = stack_.back().dialog;
        stack_.pop_back();
        dialog->Destroy();
    }
}

// --- Dialogs ---------------------------------------------------------------------

void SimHost::Open(platform::Dialog& dialog) {
    stack_.push_back({&dialog, true});
    dialog.Create();
    CloseEndedOpenDialogs();
}

platform::Dialog& SimHost::Top() const {
    if (stack_.empty()) {
        throw std::logic_error("no dialog is open");
    }
    return *stack_.back().dialog;
}

void SimHost::RunModalLoop(platform::Dialog& dialog) {
    if (dialogScripts_.empty()) {
        throw std::logic_error("a dialog opened that the test did not expect: " +
                               dialog.Layout().caption);
    }
    DialogScript script = std::move(dialogScripts_.front());
    dialogScripts_.pop_front();
    stack_.push_back({&dialog, false});
    script(*this, dialog);
    DialogGone(dialog);
    if (!dialog.HasEnded()) {
        throw std::logic_error("the script left the dialog open: " + dialog.Layout().caption);
    }
}

void SimHost::DialogEnded(platform::Dialog&) {}

void SimHost::DialogGone(platform::Dialog& dialog) {
    std::erase_if(stack_, [&](const Frame& f) { return f.dialog == &dialog; });
}

int SimHost::MessageBox(const platform::MessageBoxRequest& request) {
    LogEntry entry{
        LogEntry::Kind::MessageBox, nowMs_, {}, request.text, request.caption, request.icon};
    log_.push_back(entry);
    if (boxScripts_.empty()) {
        return platform::kIdOk;
    }
    MessageBoxScript script = std::move(boxScripts_.front());
    boxScripts_.pop_front();
    return script(*this, request);
}

// --- Timers, sleep, sound and documents ---------------------------------------------

void SimHost::SetTimer(platform::Dialog& owner, unsigned id, std::uint32_t periodMs) {
    timers_.Set(owner, id, periodMs, nowMs_);
}

void SimHost::KillTimer(platform::Dialog& owner, unsigned id) {
    timers_.Kill(owner, id);
}

void SimHost::KillAllTimers(platform::Dialog& owner) {
    timers_.KillAll(owner);
}

bool SimHost::TimerArmed(const platform::Dialog& owner, unsigned id) const {
    return timers_.IsArmed(owner, id);
}

std::optional<std::uint32_t> SimHost::TimerPeriod(const platform::Dialog& owner,
                                                  unsigned id) const {
    return timers_.Period(owner, id);
}

void SimHost::Sleep(std::uint32_t ms) {
    nowMs_ += ms;
}

bool SimHost::PlaySound(const platform::SoundRequest& request) {
    Record(LogEntry::Kind::Sound).sound = request;
    return true;
}

void SimHost::OpenDocument(const std::string& target) {
    Record(LogEntry::Kind::Document).text = target;
}

void SimHost::DrawIcon(platform::Dialog&, int x, int y) {
    LogEntry& entry = Record(LogEntry::Kind::Icon);
    entry.x = x;
    entry.y = y;
}

LogEntry& SimHost::Record(LogEntry::Kind kind) {
    LogEntry& entry = log_.emplace_back();
    entry.kind = kind;
    entry.atMs = nowMs_;
    return entry;
}

std::vector<LogEntry> SimHost::Sounds() const {
    std::vector<LogEntry> sounds;
    std::copy_if(log_.begin(), log_.end(), std::back_inserter(sounds),
                 [](const LogEntry& e) { return e.kind == LogEntry::Kind::Sound; });
    return sounds;
}

std::string SimHost::Text(int id) const {
    const platform::Control* control = Top().FindControl(id);
    if (control == nullptr) {
        throw std::logic_error("no control " + std::to_string(id));
    }
    return control->Text();
}

}  // namespace sim
