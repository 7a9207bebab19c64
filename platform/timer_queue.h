// Window timers as the program relies on them, independent of any clock
// source: each host feeds it its own notion of "now" in milliseconds.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

class Dialog;

class TimerQueue {
  public:
    struct Due {
        Dialog* owner;
        unsigned id;
    };

    // Arms (or re-arms, restarting it) the timer; the first notification is
    // one period from `now`. A period of 0 counts as 10 ms.
    void Set(Dialog& owner, unsigned id, std::uint32_t periodMs, std::int64_t now);
    void Kill(Dialog& owner, unsigned id);
    void KillAll(Dialog& owner);
    bool IsArmed(const Dialog& owner, unsigned id) const;
    std::optional<std::uint32_t> Period(const Dialog& owner, unsigned id) const;

    // When the earliest armed timer falls due.
    std::optional<std::int64_t> NextDue() const;
    // The earliest timer due at `now` or before, rescheduled for its next
    // period. Periods missed while the thread was busy collapse into this one
    // notification: the next one comes a period after the last one due, or a
    // period from now when that moment has passed too.
    std::optional<Due> TakeDue(std::int64_t now);

  private:
    struct Timer {
        Dialog* owner;
        unsigned id;
        std::int64_t period;
        std::int64_t due;
        std::uint64_t order;  // ties go in the order the timers were armed
    };
    std::vector<Timer> timers_;
    std::uint64_t nextOrder_ = 0;
};

// The window timers of a host that has one system timer to wake it: keeps
// the queue, and asks for the wake-up when the earliest timer falls due.
class WakeUpTimers {
  public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, never going back
    // Milliseconds from now, at least 0; none when no timer is armed.
    using WakeUp = std::function<void(std::optional<std::int64_t> inMs)>;

    WakeUpTimers(Clock clock, WakeUp wakeUp);

    void Set(Dialog& owner, unsigned id, std::uint32_t periodMs);
    void Kill(Dialog& owner, unsigned id);
    void KillAll(Dialog& owner);
    // On a wake-up: notifies one due timer's dialog, so input waiting in the
    // queue goes before the next.
    void DeliverDue();

  private:
    void Reschedule();

    Clock clock_;
    WakeUp wakeUp_;
    TimerQueue queue_;
};

}  // namespace platform
