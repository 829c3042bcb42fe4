// The windows that lock the main window, each closed every way it can be: owned by the main window as
// dialogs (so the window manager keeps them above it), the main window locked while one is up, a click
// on it handing the activation on to the locking window (so Escape, Enter and typing reach it), and
// unlocked and active again once it has gone. Escape is Avbryt in the small dialogs.

#include "platform/controls.h"
#include "printing/printruta.h"
#include "shell/Byta.h"
#include "shell/Gatill.h"
#include "support/mainwindow.h"
#include "systems/progress.h"
#include "systems/rattrad.h"
#include "systems/visare.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <functional>

namespace {

struct Closing {
    const char* how;
    std::function<void(QWidget*)> close;
};

void escape(QWidget* w) { QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape); }

class LockingWindows : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Form2* e = newSystem(2, 1, 10);
        e->Grid1->setFocus();
        e->syssparat = true;
    }
    // Opens the window, checks it holds the lock above the main window and takes back the activation the
    // main window is given, closes it, checks the release.
    void openAndClose(const char* name, const std::function<QWidget*()>& open, const std::vector<Closing>& ways)
    {
        for (const Closing& way : ways) {
            SCOPED_TRACE(std::string(name) + " by " + way.how);
            main_->activateWindow();
            processEvents();
            QWidget* w = open();
            processEvents();
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(std::tuple(w->isVisible(), main_->Enabled()), std::tuple(true, false));
            EXPECT_EQ(std::tuple(w->windowType(), w->parentWidget()), std::tuple(Qt::Dialog, main_.get()));
            EXPECT_EQ(w->windowHandle()->transientParent(), main_->windowHandle());
            main_->activateWindow();
            processEvents();
            EXPECT_EQ(QApplication::activeWindow(), w);
            way.close(w);
            processEvents();
            EXPECT_EQ(std::tuple(main_->Enabled(), QApplication::activeWindow()), std::tuple(true, main_.get()));
        }
    }
};

}  // namespace

TEST_F(LockingWindows, EveryLockingWindowStaysAboveTheMainWindowKeepsTheActivationAndEveryWayOfClosingItReleasesTheLock)
{
    const auto byCloseBox = Closing{"close box", [](QWidget* w) { w->close(); }};
    // Opening by a menu command.
    const auto by = [](QAction* command, auto window) {
        return [command, window]() -> QWidget* { return command->trigger(), window(); };
    };
    openAndClose("Gatill", by(main_->gatillmenu, &Gatill::instance),
        {{"Avbryt", [](QWidget*) { Gatill::instance()->avbryt->click(); }}, {"Escape", escape}, byCloseBox,
            {"OK", [this](QWidget*) {
                 Gatill::instance()->Text1->setText(QStringLiteral("1"));
                 Gatill::instance()->ok->click();
             }}});
    openAndClose("Byta", by(main_->bytut, &Byta::instance),
        {{"Avbryt", [](QWidget*) { Byta::instance()->avbryt->click(); }}, {"Escape", escape}, byCloseBox,
            {"OK", [](QWidget*) { Byta::instance()->ok->click(); }}});
    openAndClose("rattrad", by(main_->sok, &rattrad::current),
        {{"Stäng", [](QWidget*) { rattrad::current()->avbryt->click(); }}, byCloseBox});
    openAndClose("printruta",
        [] {
            printruta::instance()->showDialog(QStringLiteral("Ram 1"), [] {});
            return printruta::instance();
        },
        {{"Avbryt", [](QWidget*) { printruta::instance()->avbryt->click(); }},
            {"Skriv ut", [](QWidget*) { printruta::instance()->ok->click(); }}, byCloseBox});
    std::optional<ProgressRun> run;
    openAndClose("visare",
        [&run] {
            run.emplace(kUiGuaranteeTableProgress);
            return visare::instance();
        },
        {{"Avbryt", [](QWidget*) { visare::instance()->avbryt->click(); }},
            {"the end of the work", [&run](QWidget*) { run->finish(ProgressRun::FinishOrder::EnableThenHide); }}});
    run.reset();
}
