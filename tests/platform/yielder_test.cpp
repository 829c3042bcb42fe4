#include "platform/yielder.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// A clock that moves only when the test says so, and counts how often it is read.
struct FakeClock {
    Yielder::Clock::time_point t{};
    int reads = 0;
    void attach(Yielder& y)
    {
        y.now = [this] { return ++reads, t; };
    }
};

}  // namespace

TEST(Yielder, YieldsOncePerIntervalOfWorkAndAsksToStopAfterEvents)
{
    bool cancel = false;
    int events = 0;
    FakeClock clock;
    Yielder y([&] { return cancel; }, 15ms);
    clock.attach(y);
    y.processEvents = [&] { ++events, clock.t += 2ms; };  // events take time that counts as yielding

    // Fast work: 1 µs a unit. 15 ms of it is 15000 units, about one yield.
    for (int i = 0; i < 15'500; ++i) {
        clock.t += 1us;
        ASSERT_FALSE(y.step());
    }
    // Cheap: the clock is read on a small share of the steps.
    EXPECT_EQ(std::tuple(events, y.yields(), y.timeYielding(), clock.reads < 15'500 / 32),
        std::tuple(1, 1LL, Yielder::Clock::duration(2ms), true));

    cancel = true;
    int steps = 0;
    while (!y.step())
        clock.t += 1us, ++steps;
    // Cancel is seen at the next yield, not at once.
    EXPECT_EQ(std::tuple(steps > 10'000, steps < 20'000, events), std::tuple(true, true, 2)) << steps;
}

TEST(Yielder, SlowWorkStillYieldsOnTime)
{
    bool cancel = false;
    FakeClock clock;
    Yielder y([&] { return cancel; });
    clock.attach(y);
    y.processEvents = [] {};
    const auto work = [&](int units, Yielder::Clock::duration unit) {
        for (int i = 0; i < units; ++i)
            clock.t += unit, y.step();
    };
    const auto timeToStop = [&] {
        cancel = true;
        const auto start = clock.t;
        while (!y.step())
            clock.t += 5ms;
        cancel = false;
        return clock.t - start;
    };
    // Fast units first teach it to read the clock rarely; then each unit takes 5 ms.
    work(20'000, 1us);
    EXPECT_LT(timeToStop(), 50ms * 8);  // even the worst switch is bounded by the read spacing
    // Once calibrated to slow units, cancel is seen within about one interval.
    work(20, 5ms);
    EXPECT_LE(timeToStop(), 50ms);
}

TEST(Yielder, YieldNowRunsEventsWhateverTheClockAndTheRealClockAndEventLoopWork)
{
    int events = 0;
    Yielder y;
    y.processEvents = [&] { ++events; };
    EXPECT_FALSE(y.yieldNow());
    EXPECT_FALSE(y.yieldNow());
    EXPECT_EQ(std::pair(events, y.yields()), std::pair(2, 2LL));
    Yielder stopping([] { return true; });
    stopping.processEvents = {};
    EXPECT_TRUE(stopping.yieldNow());

    // The default processEvents runs the application's loop with the real clock. Steps go on
    // until it yields, however slowly the machine runs: no window of wall-clock time to miss.
    bool asked = false;
    Yielder real([&] { return !(asked = true); }, 1ms);
    while (real.yields() == 0)
        real.step();
    EXPECT_TRUE(asked);
}
