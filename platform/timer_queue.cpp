#include "platform/timer_queue.h"

#include <algorithm>

#include "platform/dialog.h"

namespace platform {

namespace {
constexpr std::int64_t kMinimumPeriodMs = 10;
}

void TimerQueue::Set(Dialog& owner, unsigned id, std::uint32_t periodMs, std::int64_t now) {
    Kill(owner, id);
    const std::int64_t period = std::max<std::int64_t>(periodMs, kMinimumPeriodMs);
    timers_.push_back({&owner, id, period, now + period, nextOrder_++});
}

void TimerQueue::Kill(Dialog& owner, unsigned id) {
    std::erase_if(timers_, [&](const Timer& t) { return t.owner == &owner && t.id == id; });
}

void TimerQueue::KillAll(Dialog& owner) {
    std::erase_if(timers_, [&](const Timer& t) { return t.owner == &owner; });
}

bool TimerQueue::IsArmed(const Dialog& owner, unsigned id) const {
    return Period(owner, id).has_value();
}

std::optional<std::uint32_t> TimerQueue::Period(const Dialog& owner, unsigned id) const {
    for (const Timer& t : timers_) {
        if (t.owner == &owner && t.id == id) {
            return static_cast<std::uint32_t>(t.period);
        }
    }
    return std::nullopt;
}

std::optional<std::int64_t> TimerQueue::NextDue() const {
    std::optional<std::int64_t> next;
    for (const Timer& t : timers_) {
        if (!next || t.due < *next) {
            next = t.due;
        }
    }
    return next;
}

std::optional<TimerQueue::Due> TimerQueue::TakeDue(std::int64_t now) {
    auto earliest = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->due <= now && (earliest == timers_.end() || it->due < earliest->due ||
                               (it->due == earliest->due && it->order < earliest->order))) {
            earliest = it;
        }
    }
    if (earliest == timers_.end()) {
        return std::nullopt;
    }
    earliest->due += earliest->period;
    if (earliest->due <= now) {
        earliest->due = now + earliest->period;
    }
    return Due{earliest->owner, earliest->id};
}

WakeUpTimers::WakeUpTimers(Clock clock, WakeUp wakeUp)
    : clock_(std::move(clock)), wakeUp_(std::move(wakeUp)) {}

void WakeUpTimers::Set(Dialog& owner, unsigned id, std::uint32_t periodMs) {
    queue_.Set(owner, id, periodMs, clock_());
    Reschedule();
}

void WakeUpTimers::Kill(Dialog& owner, unsigned id) {
    queue_.Kill(owner, id);
    Reschedule();
}

void WakeUpTimers::KillAll(Dialog& owner) {
    queue_.KillAll(owner);
    Reschedule();
}

void WakeUpTimers::Reschedule() {
    const std::optional<std::int64_t> next = queue_.NextDue();
    wakeUp_(next ? std::optional(std::max<std::int64_t>(*next - clock_(), 0)) : std::nullopt);
}

void WakeUpTimers::DeliverDue() {
    const std::optional<TimerQueue::Due> due = queue_.TakeDue(clock_());
    Reschedule();  // before the handler, which may run a nested loop
    if (due) {
        due->owner->DispatchTimer(due->id);
    }
}

}  // namespace platform
