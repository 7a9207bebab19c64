// A deterministic host for tests: a virtual local clock, window timers firing
// in virtual time, a scripted user and scripted modal dialogs, and a log of
// every sound, opened document, message box and painted icon.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/host.h"
#include "platform/timer_queue.h"

namespace sim {

struct LogEntry {
    enum class Kind { Sound, Document, MessageBox, Icon };
    Kind kind = Kind::Sound;
    std::int64_t atMs = 0;  // virtual time, milliseconds since the epoch
    platform::SoundRequest sound;
    std::string text;     // document, or message box text
    std::string caption;  // message box caption
    platform::MessageIcon icon = platform::MessageIcon::None;
    int x = 0, y = 0;  // icon position
};

class SimHost : public platform::Host {
  public:
    using DialogScript = std::function<void(SimHost&, platform::Dialog&)>;
    using MessageBoxScript = std::function<int(SimHost&, const platform::MessageBoxRequest&)>;

    // Becomes the current host for its lifetime; the clock starts at
    // Friday 2026-12-11 10:07:30.
    SimHost();
    ~SimHost() override;

    // --- The virtual clock -------------------------------------------------
    void SetLocalTime(int year, int month, int day, int hour, int minute, int second);
    std::int64_t NowMs() const { return nowMs_; }
    // Milliseconds since the moment SetLocalTime (or the start) fixed.
    std::int64_t ElapsedMs() const { return nowMs_ - originMs_; }
    // Local time of day of a virtual time, as "HH:MM:SS.mmm".
    static std::string TimeOfDay(std::int64_t atMs);
    // Runs everything that falls due within the next `ms` milliseconds.
    void Advance(std::int64_t ms);
    void AdvanceSeconds(double seconds) { Advance(static_cast<std::int64_t>(seconds * 1000)); }
    // Runs until the local clock reads hour:minute:second (today or tomorrow).
    void AdvanceTo(int hour, int minute, int second);

    // --- The user, acting on the dialog on top -----------------------------
    void Click(int id);
    void Select(int id, int index);
    void SelectText(int id, const std::string& text);  // the entry with that text
    void TypeText(int id, const std::string& text);
    void PressEnter();
    void PressEscape();
    void CloseBox();
    // Queues a click for a moment in the future, even one inside a sleep.
    void ClickAt(std::int64_t atMs, int id);

    // --- Dialogs -------------------------------------------------------------
    // Opens a dialog as the top-level window, without a loop of its own; it is
    // destroyed as soon as it ends.
    void Open(platform::Dialog& dialog);
    platform::Dialog& Top() const;
    bool AnyOpen() const { return !stack_.empty(); }
    // The next modal dialog to open runs this script; scripts are used in turn.
    void ExpectDialog(DialogScript script) { dialogScripts_.push_back(std::move(script)); }
    void ExpectMessageBox(MessageBoxScript script) { boxScripts_.push_back(std::move(script)); }

    // --- Observing -----------------------------------------------------------
    const std::vector<LogEntry>& Log() const { return log_; }
    std::vector<LogEntry> Sounds() const;
    void ClearLog() { log_.clear(); }
    bool TimerArmed(const platform::Dialog& owner, unsigned id) const;
    std::optional<std::uint32_t> TimerPeriod(const platform::Dialog& owner, unsigned id) const;
    std::string Text(int id) const;  // text of a control of the dialog on top

    // --- The seam --------------------------------------------------------------
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
    struct Input {
        std::int64_t atMs;
        std::uint64_t order;
        std::function<void(platform::Dialog&)> action;
    };
    struct Frame {
        platform::Dialog* dialog;
        bool opened;  // by Open, not by a modal loop
    };
    LogEntry& Record(LogEntry::Kind kind);
    void Post(std::int64_t atMs, std::function<void(platform::Dialog&)> action);
    void Pump(std::int64_t untilMs);
    void CloseEndedOpenDialogs();

    std::int64_t nowMs_ = 0;
    std::int64_t originMs_ = 0;
    platform::TimerQueue timers_;
    std::vector<Input> inputs_;
    std::uint64_t inputOrder_ = 0;
    std::vector<Frame> stack_;
    std::deque<DialogScript> dialogScripts_;
    std::deque<MessageBoxScript> boxScripts_;
    std::vector<LogEntry> log_;
};

}  // namespace sim
