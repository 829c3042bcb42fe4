#pragma once
// The worker's side of the progress protocol: lock the main window, show the progress window with
// the worker's caption, draw the bar as the work goes, see a cancel (the main window enabled again),
// and finish in the order the worker asks. Drawing and letting events run are throttled to about
// every 15 ms of work; the last step always draws the full bar.

#include "shell/texts/textids.h"

#include <chrono>
#include <cstdint>
#include <functional>

class ProgressRun {
public:
    using Clock = std::chrono::steady_clock;

    enum class FinishOrder {
        HideThenEnable,  // building a system, frame guarantee
        EnableThenHide  // guarantee table of a system
    };

    // Full length of the bar in twips.
    static constexpr double FullLength = 4950.0;
    // Work between two rounds of events and redraws.
    static constexpr Clock::duration Interval = std::chrono::milliseconds(15);

    // Disables the main window (unless lockAlreadyTaken), shows the progress window and sets its caption
    // to currentUiText(captionId). Every run starts with an empty bar area.
    explicit ProgressRun(UiTextId captionId, bool lockAlreadyTaken = false);
    // An unfinished run is finished HideThenEnable; a cancelled one only has its window hidden if
    // something other than "Avbryt" cancelled it (the main window is left as it is).
    ~ProgressRun();
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

    // One step of work done (done of total, done counting this step). Draws the bar to
    // 4950 * done / total twips and lets events run when due (always at the first step, so a cancel
    // during the first step stops the work before the second). Returns true when the user cancelled:
    // the caller then leaves without a result.
    bool step(double done, double total);
    // Lets events run now and tells whether the run was cancelled (for the top of a step). Not
    // throttled: call it before the first step or around slow work, not once per row; step() itself
    // tests for a cancel at every call.
    bool cancelled();

    // The normal end.
    void finish(FinishOrder order);
    // The end after a cancel: hide the window if still shown (the guarantee workers do), nothing else.
    void hideAfterCancel();

    // How often events ran and the bar was drawn (for tests and benchmarks).
    long long yields() const { return yields_; }
    long long draws() const { return draws_; }
    // The clock that paces the yields, replaceable for tests (default: Clock::now).
    std::function<Clock::time_point()> now;

private:
    void drawPending();
    void yieldEvents();
    bool mainWindowEnabled() const;

    bool finished_ = false;
    bool cancelled_ = false;
    bool yielded_ = false;  // events have run at least once in this run
    Clock::time_point lastYield_{};
    bool pending_ = false;  // steps whose boxes are not drawn yet
    float pendingMin_ = 0;  // their smallest and largest right edge, twips
    float pendingMax_ = 0;
    long long yields_ = 0;
    long long draws_ = 0;
};
