// Window timers and the message loop of the simulated host.
#include <gtest/gtest.h>

#include "hosts/sim/sim_host.h"
#include "platform/timer_queue.h"

namespace {

using platform::ControlKind;

platform::DialogTemplate ProbeTemplate() {
    platform::DialogTemplate t;
    t.id = 900;
    t.caption = "Probe";
    t.controls = {{1, ControlKind::PushButton, "OK", 0, 0, 50, 14, platform::kTabStop, 0},
                  {2, ControlKind::PushButton, "Cancel", 0, 0, 50, 14, platform::kTabStop, 0},
                  {10, ControlKind::PushButton, "Sleep", 0, 0, 50, 14, platform::kTabStop, 0}};
    return t;
}

// A dialog that records when each timer reaches it and can block the thread.
class Probe : public platform::Dialog {
  public:
    struct Hit {
        unsigned id;
        std::int64_t atMs;
        bool operator==(const Hit&) const = default;
        friend void PrintTo(const Hit& hit, std::ostream* os) {
            *os << "timer " << hit.id << " at " << hit.atMs;
        }
    };
    explicit Probe(sim::SimHost& host) : platform::Dialog(layout_), host_(host) {
        OnTimerEvent(&Probe::OnTimer);
        OnEvent(Event::Click, 10, &Probe::OnSleepButton);
    }
    void OnTimer(unsigned id) {
        hits.push_back({id, host_.ElapsedMs()});
        if (sleepOnTimer == id) {
            sleepOnTimer = 0;
            host_.Sleep(7000);
        }
    }
    void OnSleepButton() {
        clicks.push_back(host_.ElapsedMs());
        host_.Sleep(7000);
    }
    std::vector<Hit> hits;
    std::vector<std::int64_t> clicks;
    unsigned sleepOnTimer = 0;

  private:
    static inline const platform::DialogTemplate layout_ = ProbeTemplate();
    sim::SimHost& host_;
};

TEST(WindowTimers, ArePeriodicUntilKilled) {
    sim::SimHost host;
    Probe probe(host);
    host.Open(probe);
    probe.SetTimer(5, 500);
    host.Advance(1600);
    EXPECT_EQ(probe.hits, (std::vector<Probe::Hit>{{5, 500}, {5, 1000}, {5, 1500}}));
    probe.KillTimer(5);
    probe.KillTimer(5);  // killing an id that is not armed does nothing
    probe.KillTimer(77);
    host.Advance(5000);
    EXPECT_EQ(probe.hits.size(), 3u);
}

TEST(WindowTimers, RearmingRestartsWithTheNewPeriod) {
    sim::SimHost host;
    Probe probe(host);
    host.Open(probe);
    probe.SetTimer(1, 1000);
    host.Advance(800);
    probe.SetTimer(1, 3000);
    host.Advance(3500);
    EXPECT_EQ(probe.hits, (std::vector<Probe::Hit>{{1, 3800}}));
    EXPECT_EQ(host.TimerPeriod(probe, 1), 3000u);
}

TEST(WindowTimers, ATimerDueDuringASleepIsDeliveredOnceLateAndNeverCaughtUp) {
    sim::SimHost host;
    Probe probe(host);
    host.Open(probe);
    probe.SetTimer(5, 500);
    probe.SetTimer(2, 1000);
    probe.sleepOnTimer = 2;  // the handler of timer 2 blocks for 7 s, from 1000 to 8000
    host.Advance(9000);
    std::vector<Probe::Hit> expected{{5, 500},
                                     {5, 1000},
                                     {2, 1000},
                                     // after the sleep: each timer once, late
                                     {5, 8000},
                                     {2, 8000},
                                     // then the period again from there
                                     {5, 8500},
                                     {5, 9000},
                                     {2, 9000}};
    EXPECT_EQ(probe.hits, expected);
}

TEST(WindowTimers, AClickDuringASleepIsHandledAfterItAndBeforeDueTimers) {
    sim::SimHost host;
    Probe probe(host);
    host.Open(probe);
    probe.SetTimer(5, 500);
    host.ClickAt(host.NowMs() + 2000, 10);  // a click that blocks 7 s at 2000
    host.ClickAt(host.NowMs() + 4000, 10);  // made while the first one sleeps
    host.Advance(9500);
    EXPECT_EQ(probe.clicks, (std::vector<std::int64_t>{2000, 9000}));
    // The tick due at 2000 waits behind the click; after both sleeps it comes
    // once, at 16000, and then every 500 ms from there.
    std::vector<std::int64_t> ticks;
    for (const auto& hit : probe.hits) {
        ticks.push_back(hit.atMs);
    }
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{500, 1000, 1500, 16000}));
    host.Advance(7000);
    ASSERT_EQ(probe.hits.size(), 4u + 14u);
    EXPECT_EQ(probe.hits.back().atMs, 23000);
}

TEST(WindowTimers, KeepComingWhileAModalDialogIsOpen) {
    sim::SimHost host;
    Probe main(host);
    host.Open(main);
    main.SetTimer(5, 500);
    Probe child(host);
    host.ExpectDialog([](sim::SimHost& h, platform::Dialog&) {
        h.Advance(2000);
        h.Click(1);  // OK
    });
    EXPECT_EQ(child.DoModal(), platform::kIdOk);
    EXPECT_EQ(main.hits.size(), 4u);
    EXPECT_FALSE(child.IsOpen());
    EXPECT_TRUE(host.TimerArmed(main, 5));
}

TEST(WindowTimers, EndWithTheirWindow) {
    sim::SimHost host;
    Probe probe(host);
    host.Open(probe);
    probe.SetTimer(3, 5000);
    host.PressEscape();
    EXPECT_FALSE(probe.IsOpen());
    EXPECT_FALSE(host.TimerArmed(probe, 3));
    EXPECT_EQ(probe.Result(), platform::kIdCancel);
}

// The desktop hosts' one system timer standing for all of a dialog's timers.
TEST(WakeUpTimers, AskForTheEarliestAndDeliverOneTimerPerWakeUp) {
    sim::SimHost host;
    Probe probe(host);
    host.Open(probe);
    std::int64_t now = 0;
    std::vector<std::optional<std::int64_t>> asked;
    platform::WakeUpTimers timers([&] { return now; },
                                  [&](std::optional<std::int64_t> inMs) { asked.push_back(inMs); });
    timers.Set(probe, 1, 1000);
    timers.Set(probe, 2, 400);
    EXPECT_EQ(asked.back(), 400);

    now = 1100;  // both due: the earlier first, and a wake-up at once for the other
    timers.DeliverDue();
    ASSERT_EQ(probe.hits.size(), 1u);
    EXPECT_EQ(probe.hits[0].id, 2u);
    EXPECT_EQ(asked.back(), 0);
    timers.DeliverDue();
    ASSERT_EQ(probe.hits.size(), 2u);
    EXPECT_EQ(probe.hits[1].id, 1u);
    EXPECT_EQ(asked.back(), 400);  // timer 2 again a period from now; missed ones collapsed

    now = 1150;  // woken early: nothing yet
    timers.DeliverDue();
    EXPECT_EQ(probe.hits.size(), 2u);
    EXPECT_EQ(asked.back(), 350);

    timers.KillAll(probe);
    EXPECT_EQ(asked.back(), std::nullopt);
}

TEST(SimulatedClock, BreaksTimeDownLikeTheLocalClock) {
    sim::SimHost host;
    host.SetLocalTime(2026, 12, 11, 23, 59, 59);
    platform::LocalTime t = host.ToLocal(host.Time());
    EXPECT_EQ(t.weekday, 5);  // Friday
    EXPECT_EQ(t.hour * 3600 + t.minute * 60 + t.second, 86399);
    host.Advance(1000);
    t = host.ToLocal(host.Time());
    EXPECT_EQ(t.day, 12);
    EXPECT_EQ(t.weekday, 6);
    EXPECT_EQ(t.hour + t.minute + t.second, 0);
    host.AdvanceTo(10, 15, 0);
    EXPECT_EQ(sim::SimHost::TimeOfDay(host.NowMs()), "10:15:00.000");
}

}  // namespace
