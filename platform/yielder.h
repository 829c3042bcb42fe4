#pragma once
// Lets pending window events run during a long loop in the GUI thread, at most about every 15 ms of
// work, and tells the loop whether to stop. Cheap to call once per row: it reads a steady clock
// only every few calls (at most 64), fewer when the units of work are slow, so a slow loop still
// yields on time.

#include <chrono>
#include <functional>

class Yielder {
public:
    using Clock = std::chrono::steady_clock;

    // shouldStop is asked after events have run; the loop stops when it answers true.
    explicit Yielder(
        std::function<bool()> shouldStop = {}, std::chrono::milliseconds interval = std::chrono::milliseconds(15));

    // Call once per unit of work. Returns true when the loop must stop.
    bool step();
    // Let events run now, whatever the clock says; returns true when the loop must stop.
    bool yieldNow();

    // How long events ran in total (for the benchmarks' share of time spent yielding).
    Clock::duration timeYielding() const { return yielding_; }
    long long yields() const { return yields_; }

    // Replaceable for tests and benchmarks (default: QCoreApplication::processEvents).
    std::function<void()> processEvents;
    // The clock, replaceable for tests (default: Clock::now). The interval starts at the first step().
    std::function<Clock::time_point()> now;

private:
    std::function<bool()> shouldStop_;
    Clock::duration interval_;
    Clock::time_point last_;
    Clock::duration yielding_{};
    long long yields_ = 0;
    unsigned calls_ = 0;  // steps since the clock was last read
    unsigned checkEvery_ = 1;  // steps between clock reads, calibrated from the work's speed
    Clock::time_point lastCheck_;  // when the clock was last read
    bool started_ = false;

    Clock::time_point readClock();
    bool yieldEvents(Clock::time_point at);
};
