#include "systems/progress.h"

#include "shell/MDIForm1.h"
#include "shell/texts/texts.h"
#include "systems/visare.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {
constexpr std::uint32_t kBlue = 0xFF0000;  // 0x00BBGGRR
constexpr float kLeft = 10;
constexpr float kTop = 10;
constexpr float kBottom = 280;
}  // namespace

ProgressRun::ProgressRun(UiTextId captionId, bool lockAlreadyTaken) : now([] { return Clock::now(); })
{
    if (!lockAlreadyTaken)
        LockingDialog::lockMainWindow(true);
    visare* v = visare::instance();
    // The bar area does not keep its drawing while hidden: every run starts empty.
    v->Picture1->Cls();
    v->showModeless();
    v->setWindowTitle(currentUiText(captionId));
}

ProgressRun::~ProgressRun()
{
    if (finished_)
        return;
    if (!cancelled_) {
        // Left early (an error): never leave the main window locked.
        finish(FinishOrder::HideThenEnable);
        return;
    }
    // "Avbryt" has hidden the window already; a cancel by other means must not leave it standing.
    visare* v = visare::instance();
    if (v->isVisible())
        v->hide();
}

bool ProgressRun::mainWindowEnabled() const
{
    const MDIForm1* main = MDIForm1::instance();
    return main && main->Enabled();
}

void ProgressRun::drawPending()
{
    if (!pending_)
        return;
    pending_ = false;
    ++draws_;
    BarArea* bar = visare::instance()->Picture1;
    // Each step's box runs from x = 10 to its own right edge over what is there; together they cover
    // the boxes to the smallest and the largest edge not drawn yet.
    if (pendingMin_ < kLeft)
        bar->FillBox(kLeft, kTop, pendingMin_, kBottom, kBlue);
    bar->FillBox(kLeft, kTop, pendingMax_, kBottom, kBlue);
}

void ProgressRun::yieldEvents()
{
    drawPending();
    QCoreApplication::processEvents();
    ++yields_;
    yielded_ = true;
    lastYield_ = now ? now() : Clock::now();
}

bool ProgressRun::step(double done, double total)
{
    if (cancelled_)
        return true;
    const float x = static_cast<float>(total > 0 ? FullLength * done / total : FullLength);
    if (std::isnan(x)) {
        // No box to draw; the step still yields and tests for a cancel.
    } else if (pending_) {
        pendingMin_ = std::min(pendingMin_, x);
        pendingMax_ = std::max(pendingMax_, x);
    } else {
        pending_ = true;
        pendingMin_ = pendingMax_ = x;
    }
    if (!yielded_ || (now ? now() : Clock::now()) - lastYield_ >= Interval)
        yieldEvents();
    else if (done >= total)
        drawPending();
    cancelled_ = mainWindowEnabled();
    return cancelled_;
}

bool ProgressRun::cancelled()
{
    if (!cancelled_) {
        yieldEvents();
        cancelled_ = mainWindowEnabled();
    }
    return cancelled_;
}

void ProgressRun::finish(FinishOrder order)
{
    finished_ = true;
    visare* v = visare::instance();
    if (order == FinishOrder::HideThenEnable) {
        v->hide();
        LockingDialog::lockMainWindow(false);
    } else {
        LockingDialog::lockMainWindow(false);
        v->hide();
    }
}

void ProgressRun::hideAfterCancel()
{
    finished_ = true;
    visare* v = visare::instance();
    if (v->isVisible())
        v->hide();
}
