#include "platform/yielder.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// Never more steps than this between clock reads, and aim to read it at least this often in time,
// so a loop whose steps suddenly slow down is late by about a quarter interval at most.
constexpr unsigned kMaxStepsBetweenReads = 64;
constexpr int kReadsPerInterval = 4;
}  // namespace

Yielder::Yielder(std::function<bool()> shouldStop, std::chrono::milliseconds interval)
    : processEvents([] { QCoreApplication::processEvents(); }),
      now([] { return Clock::now(); }),
      shouldStop_(std::move(shouldStop)),
      interval_(interval)
{
}

Yielder::Clock::time_point Yielder::readClock() { return now ? now() : Clock::now(); }

bool Yielder::step()
{
    if (!started_) {
        started_ = true;
        last_ = lastCheck_ = readClock();
        calls_ = 0;
        return false;
    }
    if (++calls_ < checkEvery_)
        return false;

    const Clock::time_point t = readClock();
    // Calibrate: how many steps fit in a quarter interval at the speed just seen.
    const auto elapsed = t - lastCheck_;
    const auto target = interval_ / kReadsPerInterval;
    if (elapsed <= Clock::duration::zero()) {
        checkEvery_ = std::min(checkEvery_ * 2, kMaxStepsBetweenReads);
    } else {
        const double perStep = static_cast<double>(elapsed.count()) / calls_;
        const double fit = static_cast<double>(target.count()) / perStep;
        checkEvery_ = fit >= kMaxStepsBetweenReads ? kMaxStepsBetweenReads : std::max(1u, static_cast<unsigned>(fit));
    }
    calls_ = 0;
    lastCheck_ = t;

    if (t - last_ < interval_)
        return false;
    return yieldEvents(t);
}

bool Yielder::yieldNow()
{
    const Clock::time_point t = readClock();
    if (!started_) {
        started_ = true;
        lastCheck_ = t;
        calls_ = 0;
    }
    return yieldEvents(t);
}

bool Yielder::yieldEvents(Clock::time_point at)
{
    if (processEvents)
        processEvents();
    const Clock::time_point done = readClock();
    yielding_ += done - at;
    ++yields_;
    last_ = done;
    // Time spent in events is not work: keep it out of the calibration.
    lastCheck_ = done;
    return shouldStop_ ? shouldStop_() : false;
}
