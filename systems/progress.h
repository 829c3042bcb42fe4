#pragma once
// The worker's side of the progress protocol: lock the main window, show the progress window with
// the worker's caption, draw the bar as the work goes, see a cancel (the main window enabled again),
// and finish in the order the worker asks. Drawing and letting events run are throttled to about
// every 15 ms of work; the last step always draws the full bar.

#include <cstdint>

class ProgressRun {
public:
    enum class FinishOrder {
        HideThenEnable,  // building a system, frame guarantee
        EnableThenHide   // guarantee table of a system
    };

    // Disables the main window (unless lockAlreadyTaken), shows the progress window and sets its caption
    // to UIText(captionId + sprakoffset).
    explicit ProgressRun(int captionId, bool lockAlreadyTaken = false);
    ~ProgressRun();  // an unfinished run is finished HideThenEnable (a cancelled one leaves all as it is)
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

    // One step of work done (done of total, done counting this step). Draws the bar to
    // 4950 * done / total twips and lets events run when due. Returns true when the user cancelled:
    // the caller then leaves without a result.
    bool step(double done, double total);
    // Lets events run now and tells whether the run was cancelled (for the top of a step).
    bool cancelled();

    // The normal end.
    void finish(FinishOrder order);
    // The end after a cancel: hide the window if still shown (the guarantee workers do), nothing else.
    void hideAfterCancel();

private:
    bool finished_ = false;
    bool cancelled_ = false;
    std::int64_t lastYieldNs_ = 0;
    std::int64_t lastDrawNs_ = 0;
};
