// Window timers as the program relies on them, independent of any clock
// source: each host feeds it its own notion of "now" in milliseconds.
#pragma once

#include <cstdint>
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

}  // namespace platform
