// The progress window and the worker's side of the protocol, driven through the real windows: the lock
// on the main window, cancelling by "Avbryt" and by other means, the bar's pixels, the throttled yield
// and the two finish orders.

#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "systems/progress.h"
#include "systems/visare.h"

#include <QDialog>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <limits>

namespace {

using namespace std::chrono_literals;

constexpr QRgb kBlue = 0xFF0000FF;  // ARGB

class Progress : public MainWindowTest {
protected:
    void TearDown() override
    {
        visare::instance()->hide();
        MainWindowTest::TearDown();
    }

    static visare* window() { return visare::instance(); }
    static QRgb pixel(double xTwips, double yTwips)
    {
        const QImage& s = window()->Picture1->surface();
        return s.pixel(BarArea::pixelX(xTwips), BarArea::pixelY(yTwips));
    }
    // The bar's right end in pixels: the first pixel column at the middle height that is not blue.
    static int barEnd()
    {
        const QImage& s = window()->Picture1->surface();
        const int y = BarArea::pixelY(145);
        int x = BarArea::pixelX(10);
        while (x < s.width() && s.pixel(x, y) == kBlue)
            ++x;
        return x;
    }
};

TEST_F(Progress, WindowIsItsOwnFixedTopLevelAndTheFullBarFitsItsArea)
{
    visare* v = window();
    EXPECT_EQ(
        std::tuple(v->isWindow(), v->minimumSize() == v->maximumSize(), v->windowFlags() & Qt::WindowMinMaxButtonsHint,
            v->rect().contains(v->Picture1->geometry()), v->rect().contains(v->avbryt->geometry()),
            QRect(QPoint(), v->Picture1->surface().size()).contains(BarArea::pixelX(4950), BarArea::pixelY(280))),
        std::tuple(true, true, Qt::WindowFlags(), true, true, true));

    // The captions follow the language the window is loaded in.
    const QString swedish = v->avbryt->Caption();
    sprakoffset = 10000;
    v->Form_Load();
    EXPECT_NE(v->avbryt->Caption(), swedish);
}

TEST_F(Progress, LockDisablesMenusToolbarAndChildrenButNotSeparateWindows)
{
    auto* child = new QWidget;
    QMdiSubWindow* sub = main_->addChild(child);
    QDialog ownedDialog(main_.get());
    QDialog freeDialog;
    ownedDialog.show();
    freeDialog.show();
    int toggles = 0;
    QObject::connect(main_->guidemenu, &QAction::triggered, [&toggles] { ++toggles; });

    main_->activateWindow();
    QTest::keyClick(main_.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(toggles, 1) << "SANITY";
    main_->SetEnabled(false);
    EXPECT_EQ(std::tuple(main_->Enabled(), main_->menuBar()->isEnabled(), main_->SSRibbon1->isEnabled(),
                  child->isEnabled(), sub->isEnabled()),
        std::tuple(false, false, false, false, false));
    // The menus' keyboard shortcuts go with the menus.
    main_->activateWindow();
    QTest::keyClick(main_.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(toggles, 1);

    ProgressRun run(kUiGuaranteeTableProgress, true);
    EXPECT_EQ(std::tuple(window()->isVisible(), window()->isEnabled(), window()->avbryt->isEnabled(),
                  ownedDialog.isEnabled(), freeDialog.isEnabled()),
        std::tuple(true, true, true, true, true));
    run.finish(ProgressRun::FinishOrder::HideThenEnable);
    EXPECT_EQ(std::tuple(main_->menuBar()->isEnabled(), main_->SSRibbon1->isEnabled(), child->isEnabled()),
        std::tuple(true, true, true));
}

TEST_F(Progress, AvbrytDuringTheFirstStepStopsBeforeTheSecond)
{
    ProgressRun run(kUiSystemProgress);
    // The click arrives while the first step works.
    QTimer::singleShot(0, window(), [] { QTest::mouseClick(window()->avbryt, Qt::LeftButton); });
    ASSERT_TRUE(run.step(1, 5));
    EXPECT_EQ(std::tuple(main_->Enabled(), window()->isVisible()), std::tuple(true, false));
    // It stays cancelled; nothing more is drawn.
    const QImage before = window()->Picture1->surface();
    EXPECT_TRUE(run.step(5, 5));
    EXPECT_EQ(std::tuple(window()->Picture1->surface(), user.shown().empty()), std::tuple(before, true));
}

// "Avbryt" handled inside the work (any nested event loop), closing the window, or the main window
// enabled by other means: the very next step sees it, whether or not events are due.
TEST_F(Progress, OtherWaysOfCancellingAreSeenAtTheNextStep)
{
    const struct {
        const char* name;
        void (*cancel)(MDIForm1&);
        bool stillShown;  // nothing pressed "Avbryt": the run takes the window down as it ends
    } ways[] = {
        {"avbryt", [](MDIForm1&) { window()->avbryt_Click(); }, false},
        {"close", [](MDIForm1&) { EXPECT_TRUE(window()->close()); }, false},
        {"enable", [](MDIForm1& m) { m.SetEnabled(true); }, true},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.name);
        {
            ProgressRun run(kUiGuaranteeTableProgress);
            run.now = [] { return ProgressRun::Clock::time_point{}; };  // events never due after the first
            EXPECT_FALSE(run.step(1, 100));
            EXPECT_FALSE(run.step(2, 100));
            w.cancel(*main_);
            EXPECT_EQ(std::tuple(main_->Enabled(), window()->isVisible()), std::tuple(true, w.stillShown));
            EXPECT_TRUE(run.step(3, 100));
        }
        EXPECT_EQ(std::tuple(main_->Enabled(), window()->isVisible()), std::tuple(true, false));
    }

    // Enabled from inside the events the worker lets run.
    ProgressRun run(kUiGuaranteeTableProgress);
    QTimer::singleShot(0, main_.get(), [this] { main_->SetEnabled(true); });
    EXPECT_TRUE(run.cancelled());
    run.hideAfterCancel();
    EXPECT_FALSE(window()->isVisible());
}

// One step of one: blue from 10 to 4950 twips across, 10 to 280 down, nothing outside. The next run
// shows its own caption on an empty bar. A step's box runs from 10 to its own edge, also when that
// edge lies left of 10; past the end or nonsense totals draw no more than the area holds, and never crash.
TEST_F(Progress, TheBarFillsItsAreaAndNoMoreAndTheNextRunStartsEmpty)
{
    {
        ProgressRun run(kUiGuaranteeTableProgress);
        EXPECT_FALSE(run.step(1, 1));
        EXPECT_EQ(std::tuple(run.draws(), barEnd(), pixel(10, 10), pixel(4940, 270)),
            std::tuple(1, BarArea::pixelX(4950), kBlue, kBlue));
        for (const auto& [x, y] : {std::pair(4950, 145), {2000, 280}, {0, 145}, {2000, 0}})
            EXPECT_NE(pixel(x, y), kBlue) << x << ',' << y;
    }
    ProgressRun run(kUiSystemProgress);
    EXPECT_EQ(std::tuple(window()->isVisible(), main_->Enabled(), window()->windowTitle(), pixel(2475, 145) == kBlue),
        std::tuple(true, false, currentUiText(kUiSystemProgress), false));
    run.now = [] { return ProgressRun::Clock::time_point{}; };
    EXPECT_FALSE(run.step(1, 1e6));  // edge 0.00495 twips
    EXPECT_EQ(pixel(0, 145), kBlue);
    for (const auto& [done, total] :
        {std::pair(3.0, 1.0), {1, 0}, {std::numeric_limits<double>::quiet_NaN(), 5}, {1e300, 1}})
        EXPECT_FALSE(run.step(done, total)) << done << '/' << total;
    EXPECT_EQ(run.draws(), 4);
    const QImage& s = window()->Picture1->surface();
    EXPECT_EQ(s.pixel(s.width() - 1, BarArea::pixelY(145)), kBlue);
}

TEST_F(Progress, YieldsAndDrawsAboutEveryFifteenMillisecondsAndAlwaysDrawsTheLastStep)
{
    ProgressRun run(kUiGuaranteeTableProgress);
    ProgressRun::Clock::time_point t{};
    run.now = [&t] { return t; };
    // 300 steps of 1 ms: events after the first step, then once per 15 ms of work.
    for (int done = 1; done <= 300; ++done) {
        t += 1ms;
        ASSERT_FALSE(run.step(done, 1000));
    }
    EXPECT_THAT(run.yields(), testing::AllOf(testing::Ge(19), testing::Le(22), testing::Eq(run.draws())));
    EXPECT_THAT(barEnd(),
        testing::AllOf(
            testing::Ge(BarArea::pixelX(4950.0 * 285 / 1000)), testing::Le(BarArea::pixelX(4950.0 * 300 / 1000))));

    // The clock stands still: no more events, but the last step draws the full bar all the same.
    for (int done = 301; done <= 1000; ++done)
        ASSERT_FALSE(run.step(done, 1000));
    EXPECT_EQ(barEnd(), BarArea::pixelX(4950));

    // A click waiting in the queue is seen within 15 ms of work.
    QTimer::singleShot(0, window(), [] { window()->avbryt_Click(); });
    int waited = 0;
    for (t += 1ms; !run.step(1000, 1000) && waited < 100; t += 1ms)
        ++waited;
    EXPECT_EQ(std::tuple(waited <= 16, main_->Enabled()), std::tuple(true, true)) << waited;
}

TEST_F(Progress, TheTwoFinishOrders)
{
    struct HideWatch : QObject {
        std::vector<bool> enabledAtHide;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Hide)
                enabledAtHide.push_back(MDIForm1::instance()->Enabled());
            return false;
        }
    } watch;
    window()->installEventFilter(&watch);

    ProgressRun(kUiSystemProgress).finish(ProgressRun::FinishOrder::HideThenEnable);
    ProgressRun(kUiGuaranteeTableProgress).finish(ProgressRun::FinishOrder::EnableThenHide);
    sprakoffset = 10000;
    {
        ProgressRun unfinished(kUiFrameGuaranteeProgress);
        EXPECT_EQ(window()->windowTitle(), currentUiText(kUiFrameGuaranteeProgress));
    }  // left early: hide, then enable
    window()->removeEventFilter(&watch);

    EXPECT_EQ(std::tuple(watch.enabledAtHide, main_->Enabled()), std::tuple(std::vector{false, true, false}, true));
}

}  // namespace
