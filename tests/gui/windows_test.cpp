// The windows inside the main window: where documents open and at what size, what the window menu
// does to them, and which window is active when a message box or the main window's lock has taken
// the focus away and given it back.

#include "frame/Form1.h"
#include "frame/slotfill.h"
#include "platform/controls.h"
#include "printing/printerinst.h"
#include "shell/Gatill.h"
#include "shell/garanti.h"
#include "shell/guide.h"
#include "support/mainwindow.h"
#include "systems/visare.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// Shows every message box as a real modal box does to the windows: another window has the
// activation while it is up, and the main window gets it back only later, from the window manager.
void takeTheActivation()
{
    QWidget box;
    box.show();
    box.activateWindow();
    processEvents();
    EXPECT_TRUE(box.isActiveWindow());
}

// The guide shown, as at start.
class Windows : public MainWindowTest {
protected:
    void SetUp() override
    {
        config_.writeIni("Language=Swedish\r\nAppPath=/opt/v\r\n");
        size_ = {1000, 700};
        MainWindowTest::SetUp();
        main_->MDIForm_Load();
        giveTheActivationBack();
        user.beforeMessageBox = takeTheActivation;
    }
    void giveTheActivationBack()
    {
        main_->activateWindow();
        processEvents();
        EXPECT_TRUE(main_->isActiveWindow());
    }
    QRect area() const { return QRect(QPoint(), main_->mdiArea()->viewport()->size()); }
    static QMdiSubWindow* windowOf(QWidget* document) { return qobject_cast<QMdiSubWindow*>(document->parentWidget()); }
};

// Documents open at their form size fully inside the area; cascade keeps every size, icons go to the
// bottom, and a new editor in an area smaller than itself is as large as the area, all of it in view.
TEST_F(Windows, DocumentsOpenAtTheirFormSizeInsideTheAreaAndCascadeKeepsEverySize)
{
    const QSize frameSize = Form1().size();
    const QSize editorSize = Form2().size();
    std::vector<QMdiSubWindow*> windows;
    for (int i = 0; i < 4; ++i)
        windows.push_back(windowOf(&newFrame()));
    windows.push_back(windowOf(Form2::open(QStringLiteral("S"), NyttSystemInst::instance()->settings())));
    processEvents();
    auto atFormSize = [&](QMdiSubWindow* w) {
        return w->widget()->size() == (w == windows.back() ? editorSize : frameSize);
    };
    for (QMdiSubWindow* w : windows)
        EXPECT_EQ(std::tuple(atFormSize(w), area().contains(w->geometry())), std::tuple(true, true))
            << w->windowTitle().toStdString();
    windows[1]->showMaximized();
    QMdiSubWindow* active = main_->mdiArea()->activeSubWindow();

    main_->ordna_Click();
    processEvents();
    QPoint previous(-1, -1);
    for (QMdiSubWindow* w : main_->mdiArea()->subWindowList(QMdiArea::StackingOrder)) {
        // one step further down and right each
        EXPECT_EQ(std::tuple(w->x() > previous.x(), w->y() > previous.y(), area().contains(w->geometry())),
            std::tuple(true, true, true));
        previous = w->pos();
    }
    for (QMdiSubWindow* w : windows)  // the maximised one too, back at its size
        EXPECT_TRUE(atFormSize(w)) << w->windowTitle().toStdString();
    EXPECT_EQ(std::tuple(
                  main_->mdiArea()->activeSubWindow(), main_->mdiArea()->subWindowList(QMdiArea::StackingOrder).back()),
        std::tuple(active, active));

    // Minimised windows in a row along the bottom, the others left where they are.
    windows[0]->showMinimized();
    windows[2]->showMinimized();
    windows[0]->move(200, 100);
    const QPoint kept = windows[1]->pos();
    main_->ordnaico_Click();
    processEvents();
    EXPECT_EQ(std::tuple(windows[0]->geometry().bottom(), windows[2]->geometry().bottom(),
                  windows[0]->geometry().intersects(windows[2]->geometry()), windows[1]->pos()),
        std::tuple(area().bottom(), area().bottom(), false, kept));
    const auto stacking = main_->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (QMdiSubWindow* icon : {windows[0], windows[2]})  // none hidden behind a window
        EXPECT_GE(stacking.indexOf(icon), stacking.size() - 2);

    main_->resize(500, 330);
    processEvents();
    Form2* editor = Form2::open(QStringLiteral("S"), NyttSystemInst::instance()->settings());
    processEvents();
    // The windows the smaller area cuts are reached through its scroll bars.
    EXPECT_EQ(
        std::tuple(area().height() < editorSize.height(), windowOf(editor)->geometry(),
            main_->mdiArea()->horizontalScrollBar()->isVisible(), main_->mdiArea()->verticalScrollBar()->isVisible()),
        std::tuple(true, area(), true, true));
}

// The guide is one of the windows the cascade arranges, and it stays where the cascade put it when the
// area's scroll bars go away, until the main window is resized or the guide toggle shows it again. The
// icon rows leave out the part of the bottom edge the shown guide stands on, docked or cascaded.
TEST_F(Windows, TheGuideTakesPartInTheCascadeAndTheIconRowsMakeRoomForIt)
{
    QWidget* guideWindow = guide::instance()->parentWidget();
    QMdiSubWindow* first = windowOf(&newFrame());
    QMdiSubWindow* second = windowOf(&newFrame());
    // Half of the second frame below and right of the area: the area scrolls.
    second->move(area().width() - second->width() / 2, area().height() - second->height() / 2);
    processEvents();
    ASSERT_TRUE(main_->mdiArea()->verticalScrollBar()->isVisible());

    main_->ordna_Click();
    processEvents();
    const int step = first->contentsMargins().top();
    EXPECT_EQ(std::tuple(guideWindow->pos(), first->pos(), second->pos(), guideWindow->isVisible()),
        std::tuple(QPoint(0, 0), QPoint(step, step), QPoint(2 * step, 2 * step), true));

    // After the cascade the guide stands at the left: the icon starts right of it.
    first->showMinimized();
    main_->ordnaico_Click();
    processEvents();
    EXPECT_EQ(std::tuple(guideWindow->pos(), first->x(), first->geometry().bottom()),
        std::tuple(QPoint(0, 0), guideWindow->geometry().right() + 1, area().bottom()));

    // Resized, the main window docks the guide again; the icons end left of it.
    main_->resize(main_->width() - 40, main_->height());
    processEvents();
    EXPECT_EQ(guideWindow->geometry(), QRect(area().width() - guideWindow->width(), 0, guideWindow->width(), area().height()));
    second->showMinimized();
    main_->ordnaico_Click();
    processEvents();
    EXPECT_EQ(std::tuple(first->x(), first->geometry().bottom(), second->x(), second->geometry().bottom()),
        std::tuple(0, area().bottom(), first->width(), area().bottom()));
    EXPECT_LT(second->geometry().right(), guideWindow->x());

    // The guide toggle shows a cascaded guide docked.
    first->showNormal();
    main_->ordna_Click();
    processEvents();
    ASSERT_EQ(guideWindow->pos(), QPoint(0, 0));
    main_->guidemenu_Click();
    main_->guidemenu_Click();
    processEvents();
    EXPECT_EQ(std::tuple(guideWindow->isVisible(), guideWindow->x()), std::tuple(true, area().width() - guideWindow->width()));
}

// The activation goes where it was before the focus went away, and the main window's items with it. A
// closed document hands it to the one active before it, not to the guide that happens to be the
// oldest window.
TEST_F(Windows, TheActiveFrameStaysActiveAfterTheLockAndARefusedSkapaAndClosingADocumentActivatesTheOneBefore)
{
    Form1* first = &newFrame();
    windowOf(&newFrame())->close();
    processEvents();
    EXPECT_EQ(std::tuple(main_->activeChild(), main_->SparaSom->isEnabled()), std::tuple(first, true));

    newFrame();
    main_->mdiArea()->setActiveSubWindow(windowOf(first));
    first->ok->setFocus();
    // The progress window holds the lock and the activation.
    main_->SetEnabled(false);
    takeTheActivation();
    main_->SetEnabled(true);
    giveTheActivationBack();
    EXPECT_EQ(std::tuple(main_->activeChild(), main_->SparaSom->isEnabled()), std::tuple(first, true));

    // A half guard more than System 2 allows: "Skapa" is refused with a message box.
    first->change([](frame::FrameEditing& ram) { frametest::fillSlot(ram, 1, {0, 3, 2, 0, QStringLiteral("S.RM")}); });
    first->Option1[1]->click();
    Q_EMIT first->Label1[12]->Click();
    Q_EMIT first->Label1[14]->Click();
    first->ok->setFocus();
    user.answerMessageBox(vbmsg::OK);
    first->ok->click();
    giveTheActivationBack();
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(std::tuple(first->systempanel->isVisible(), main_->activeChild(), main_->SparaSom->isEnabled()),
        std::tuple(true, first, true));
}

// A mouse move over the client area, a document, most dialogs (the progress window too) and the cells of their grids
// empties the main window's hint; the go-to dialog leaves it as it is.
TEST_F(Windows, AMouseMoveOverTheDocumentsAndMostDialogsClearsTheHint)
{
    Form1* frame = &newFrame();
    Form2* editor = Form2::open(QStringLiteral("S"), NyttSystemInst::instance()->settings());
    garanti* table = garanti::reload();
    const std::pair<QWidget*, bool> cases[] = {{main_->mdiArea()->viewport(), true}, {frame, true}, {editor, true},
        {editor->Grid1->viewport(), true}, {NyttSystemInst::instance(), true}, {printerinst::instance(), true},
        {table->kommentarer, true}, {table->Grid2->viewport(), true}, {visare::instance(), true},
        {visare::instance()->Picture1, true}, {visare::instance()->avbryt, true}, {Gatill::instance(), false}};
    for (const auto& [target, clears] : cases) {
        main_->setHint(QStringLiteral("a"), QStringLiteral("b"));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        EXPECT_EQ(main_->Label1->Caption() + main_->Label2->Caption(), clears ? QString() : QStringLiteral("ab"))
            << target->objectName().toStdString();
    }
}

// The guide stays docked at the right edge of the area, all of it in view, whatever size the main
// window takes and however far the user scrolls the area.
TEST_F(Windows, TheGuideStaysDockedAtTheRightEdgeThroughShrinkingScrollingAndRestoring)
{
    newFrame();
    Form2::open(QStringLiteral("S"), NyttSystemInst::instance()->settings());
    QWidget* guideWindow = guide::instance()->parentWidget();
    QMdiArea* mdi = main_->mdiArea();
    const int width = guideWindow->width();
    for (const QSize size : {QSize(300, 250), QSize(700, 500), QSize(1000, 700)}) {
        main_->resize(size);
        processEvents();
        for (QScrollBar* bar : {mdi->horizontalScrollBar(), mdi->verticalScrollBar()})
            bar->setValue(bar->maximum());
        processEvents();
        EXPECT_TRUE(guideWindow->isVisible());
        EXPECT_EQ(guideWindow->geometry(), QRect(area().width() - width, 0, width, area().height())) << size.width();
    }
}

}  // namespace
