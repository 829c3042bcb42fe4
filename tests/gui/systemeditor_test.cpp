// The new-system dialog and the system editor driven through their controls: the dialog's repairs and
// clamps, the editor's layout, key edits, captions, the close prompt, a cancelled build and a result
// the grid cannot hold, and one story from the menu to an edited, generated system.

#include "platform/controls.h"
#include "platform/grid.h"
#include "support/mainwindow.h"
#include "shell/Module1.h"
#include "shell/guide.h"
#include "shell/texts/texts.h"
#include "support/scripteduser.h"
#include "systems/Form2.h"
#include "systems/NyttSystemInst.h"
#include "systems/visare.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SystemEditor : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        (void)QTest::qWaitForWindowActive(main_.get());
        guide::instance();
        dlg = NyttSystemInst::instance();
    }

    // Dialog values as the user would leave them.
    void settings(const char* half, const char* full, const char* rows, bool build = false, int fel = 1, int urad = 0,
        std::initializer_list<int> errors = {})
    {
        dlg->Halvgard->setText(QString::fromLatin1(half));
        dlg->Helgard->setText(QString::fromLatin1(full));
        dlg->Rader->setText(QString::fromLatin1(rows));
        dlg->Datorberakning->setValue(build ? 1 : 0);
        dlg->Option1[static_cast<std::size_t>(urad)]->setValue(true);
        dlg->feloption[static_cast<std::size_t>(fel)]->setValue(true);
        for (int e : errors)
            dlg->Check1[static_cast<std::size_t>(e)]->setValue(1);
    }
    Form2* ok()
    {
        dlg->CommandOK_Click();
        processEvents();
        return active<Form2>();
    }
    // Column c of the system grid, positions top to bottom.
    static QString column(const Form2* e, int c)
    {
        QString s;
        for (int k = 1; k < e->Grid1->Rows(); ++k)
            s += e->Grid1->TextMatrix(k, c);
        return s;
    }
    // Offscreen windows become active a little after they are shown.
    static bool activate(QWidget* w)
    {
        processEvents();
        w->activateWindow();
        return waitFor([w] { return w->isActiveWindow(); });
    }
    // Deactivates the editor and activates it again.
    void reactivate(Form2* e)
    {
        auto* other = new QWidget;
        QMdiSubWindow* sub = main_->addChild(other);
        main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(e->parentWidget()));
        delete sub;
    }
    bool locked() const { return !main_->Enabled() || visare::instance()->isVisible(); }

    NyttSystemInst* dlg = nullptr;
};

}  // namespace

// ---------------------------------------------------------------- the dialog

TEST_F(SystemEditor, DialogStartsWithoutBaseRowAt12Right)
{
    EXPECT_TRUE(dlg->Option1[0]->Value());
    EXPECT_TRUE(dlg->feloption[1]->Value());
    EXPECT_EQ(dlg->Datorberakning->Value(), 0);
    EXPECT_FALSE(dlg->Frame3->isEnabled());
    EXPECT_FALSE(dlg->isVisible());

    // The menu command shows the one instance; Avbryt hides it and it keeps its values.
    main_->NyttSystem->trigger();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(main_->Enabled());
    dlg->Helgard->setText(QStringLiteral("7"));
    dlg->CommandAvbryt->click();
    EXPECT_FALSE(dlg->isVisible());
    main_->NyttSystem->trigger();
    EXPECT_EQ(NyttSystemInst::instance(), dlg);
    EXPECT_EQ(dlg->Helgard->Text(), u"7");
}

TEST_F(SystemEditor, SpinButtonsRepairStepAndClamp)
{
    using N = NyttSystemInst;
    const struct {
        const char *half, *full, *rows;
        SpinButton* N::*spin;
        bool up;
        TextBox* N::*box;
        const char* want;
    } cases[] = {
        {"13", "0", "1", &N::SpinButton2, true, &N::Helgard, "0"},
        {"13", "0", "1", &N::SpinButton2, false, &N::Helgard, "0"},
        {"13", "0", "1", &N::SpinButton1, true, &N::Halvgard, "13"},
        {"0", "1", "1", &N::SpinButton1, true, &N::Halvgard, "1"},
        {"9", "5", "1", &N::SpinButton1, true, &N::Halvgard, "1"},  // an invalid pair starts from 0
        {"9", "5", "1", &N::SpinButton2, false, &N::Helgard, "0"},
        {"3x", "-2", "1", &N::SpinButton2, true, &N::Helgard, "1"},
        {"3x", "1", "1", &N::SpinButton1, true, &N::Halvgard, "4"},
        {"2", "20", "1", &N::SpinButton1, true, &N::Halvgard, "0"},  // never below 0
        {"0", "1", "10000", &N::SpinButton3, true, &N::Rader, "10000"},
        {"0", "1", "20000", &N::SpinButton3, false, &N::Rader, "1"},
        {"0", "1", "abc", &N::SpinButton3, true, &N::Rader, "2"},
        {"0", "1", "0", &N::SpinButton3, false, &N::Rader, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.half) + " " + c.full + " " + c.rows);
        settings(c.half, c.full, c.rows);
        SpinButton* spin = dlg->*c.spin;
        (c.up ? spin->upButton() : spin->downButton())->click();
        EXPECT_EQ((dlg->*c.box)->Text(), QString::fromLatin1(c.want));
    }
}

TEST_F(SystemEditor, EnterMovesOnOnlyFromAValidBoxAndLeavingAnInvalidOneBeeps)
{
    dlg->showDialog();
    ASSERT_TRUE(activate(dlg));

    settings("9", "1", "1");
    dlg->Helgard->setFocus();
    dlg->Helgard->setText(QStringLiteral("5"));
    QTest::keyClick(dlg->Helgard, Qt::Key_Return);
    EXPECT_EQ(dlg->Helgard->Text(), u"5");
    EXPECT_EQ(QApplication::focusWidget(), dlg->Helgard);
    QTest::keyClick(dlg->Helgard, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dlg->Helgard);
    EXPECT_EQ(user.beeps(), 1);
    // A click elsewhere neither takes the focus nor clicks.
    QTest::mouseClick(dlg->Datorberakning, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_EQ(dlg->Datorberakning->Value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), dlg->Helgard);
    EXPECT_EQ(user.beeps(), 2);

    settings("03", "4", "1");
    dlg->Halvgard->setFocus();
    QTest::keyClick(dlg->Halvgard, Qt::Key_Return);
    EXPECT_EQ(dlg->Halvgard->Text(), u"3");
    EXPECT_EQ(QApplication::focusWidget(), dlg->Helgard);
    dlg->Helgard->setText(QStringLiteral("abc"));
    QTest::keyClick(dlg->Helgard, Qt::Key_Return);
    EXPECT_EQ(dlg->Helgard->Text(), u"0");
    EXPECT_EQ(QApplication::focusWidget(), dlg->Rader);

    dlg->Rader->setText(QStringLiteral("1"));
    QTest::keyClick(dlg->Rader, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dlg->CommandOK);
    dlg->Rader->setFocus();
    dlg->Rader->setText(QStringLiteral("20000"));
    QTest::keyClick(dlg->Rader, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dlg->Rader);
    // Rows out of range only beep on leaving; the value stays.
    const int beeps = user.beeps();
    QTest::keyClick(dlg->Rader, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), dlg->Rader);
    EXPECT_EQ(user.beeps(), beeps + 1);
    EXPECT_EQ(dlg->Rader->Text(), u"20000");

    // With the rows box disabled, Enter in the full guards goes on to OK.
    dlg->Datorberakning->setValue(1);
    dlg->Helgard->setFocus();
    dlg->Helgard->setText(QStringLiteral("2"));
    QTest::keyClick(dlg->Helgard, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dlg->CommandOK);
}

TEST_F(SystemEditor, BaseRowDisables11RightAndDatorberakningClearsTheBaseRow)
{
    dlg->feloption[2]->setValue(true);
    dlg->Option1[1]->setValue(true);
    EXPECT_TRUE(dlg->feloption[0]->Value());
    EXPECT_FALSE(dlg->feloption[2]->isEnabled());
    EXPECT_TRUE(dlg->Frame3->isEnabled());
    EXPECT_TRUE(dlg->Check1[5]->Enabled());
    EXPECT_EQ(dlg->systemType(), u"KU");
    dlg->feloption[1]->setValue(true);
    EXPECT_EQ(dlg->systemType(), u"RU");

    dlg->Check1[0]->setValue(1);
    dlg->Check1[13]->setValue(1);
    dlg->Option1[0]->setValue(true);
    EXPECT_TRUE(dlg->feloption[2]->isEnabled());
    EXPECT_TRUE(dlg->feloption[1]->Value());  // not reselected
    EXPECT_EQ(dlg->Check1[0]->Value(), 0);
    EXPECT_EQ(dlg->Check1[13]->Value(), 0);
    EXPECT_EQ(dlg->systemType(), u"RM");

    dlg->Option1[1]->setValue(true);
    dlg->Check1[3]->setValue(1);
    const int shortHeight = dlg->Height();
    dlg->Datorberakning->setValue(1);
    EXPECT_TRUE(dlg->Option1[0]->Value());
    EXPECT_EQ(dlg->Check1[3]->Value(), 0);
    EXPECT_FALSE(dlg->Frame3->isEnabled());
    EXPECT_GT(dlg->Height(), shortHeight);  // the build settings show
    EXPECT_FALSE(dlg->Rader->isEnabled());
    EXPECT_FALSE(dlg->SpinButton3->isEnabled());
    EXPECT_FALSE(dlg->AntalRader->isEnabled());
    dlg->Datorberakning->setValue(0);
    EXPECT_EQ(dlg->Height(), shortHeight);
    EXPECT_TRUE(dlg->Rader->isEnabled());
}

// ---------------------------------------------------------------- the editor

TEST_F(SystemEditor, ZeroRowsAndZeroGuardsOpenAsOneFullGuardAndOneRow)
{
    settings("0", "0", "0");
    Form2* e = ok();
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(e->Grid1->Rows(), 2);
    EXPECT_EQ(e->Grid1->Cols(), 2);
    EXPECT_EQ(e->Grid1->TextMatrix(0, 0), u"Gard.");
    EXPECT_EQ(e->Grid1->TextMatrix(1, 0), u"1X2");
    EXPECT_EQ(e->Grid1->TextMatrix(0, 1), u"1");
    EXPECT_EQ(e->Grid1->TextMatrix(1, 1), u"");
    EXPECT_EQ(e->Grid1->Row(), 1);
    EXPECT_EQ(e->Grid1->Col(), 1);
    EXPECT_EQ(e->Grid1->Tag, u"0");
    EXPECT_EQ(e->Tag, u"1");  // the repaired count, so a saved file matches its grid
    EXPECT_EQ(e->Grid2->Rows(), 1);
    EXPECT_EQ(e->Grid2->Cols(), 1);
    EXPECT_FALSE(e->syssparat);
    EXPECT_EQ(e->windowTitle(), u"1-0-1.RM");  // the pattern at once
    EXPECT_FALSE(locked());
    EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(SystemEditor, ColumnZeroLabelsWithAndWithoutBaseRow)
{
    settings("2", "1", "3");
    Form2* e = ok();
    const char* plain[] = {"Gard.", "1  2", "1  2", "1X2"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(e->Grid1->TextMatrix(k, 0), QString::fromUtf8(plain[k]));
    settings("2", "1", "3", false, 0, 1);
    e = ok();
    const char* base[] = {"U  Ga", "1     2", "1     2", "1   X2"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(e->Grid1->TextMatrix(k, 0), QString::fromUtf8(base[k]));
    EXPECT_EQ(e->Grid1->Tag, u"1");
    EXPECT_EQ(e->Grid1->Cols(), 4);
    EXPECT_EQ(e->Grid1->TextMatrix(0, 3), u"3");
}

TEST_F(SystemEditor, KeysEditSignsMarkTheTableOutdatedAndTheSystemUnsaved)
{
    settings("1", "1", "2");
    Form2* e = ok();
    Grid& g = *e->Grid1;
    e->syssparat = true;

    // X in a half-guard row changes nothing but still counts as an edit.
    QTest::keyClick(&g, Qt::Key_X);
    EXPECT_EQ(g.TextMatrix(1, 1), u"");
    EXPECT_EQ(e->Grid2->TextMatrix(0, 0), u"0");
    EXPECT_FALSE(e->syssparat);

    QTest::keyClick(&g, Qt::Key_2);
    EXPECT_EQ(g.TextMatrix(1, 1), u"2");
    g.setRow(2);
    g.setCol(2);
    QTest::keyClick(&g, Qt::Key_X);
    EXPECT_EQ(g.TextMatrix(2, 2), u"X");
    QTest::keyClick(&g, Qt::Key_1);
    EXPECT_EQ(g.TextMatrix(2, 2), u"1");
    QTest::keyClick(&g, Qt::Key_Space);
    EXPECT_EQ(g.TextMatrix(2, 2), u"");

    // Other keys do nothing; the comment box takes its keys without editing signs or the flag.
    e->syssparat = true;
    e->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));
    QTest::keyClick(&g, Qt::Key_A);
    EXPECT_TRUE(e->syssparat);
    e->kommentarer->setFocus();
    e->kommentarer_GotFocus();  // offscreen focus events are not guaranteed
    QTest::keyClicks(e->kommentarer, QStringLiteral("X1 bra"));
    EXPECT_EQ(e->kommentarer->Text(), u"X1 bra");
    EXPECT_EQ(g.TextMatrix(2, 2), u"");
    EXPECT_EQ(e->Grid2->Cols(), 3);
    EXPECT_EQ(e->Grid2->TextMatrix(0, 2), u"X1 bra");
    EXPECT_EQ(e->Grid2->TextMatrix(0, 0), u"1");
    EXPECT_TRUE(e->syssparat);
    e->kommentarer_LostFocus();
    EXPECT_TRUE(e->KeyPreview());
}

TEST_F(SystemEditor, ActivationSetsTheCaptionPatternAndTheMainWindowsItems)
{
    settings("5", "2", "151");
    Form2* first = ok();
    EXPECT_EQ(first->windowTitle(), u"2-5-151.RM");
    EXPECT_EQ(main_->aktivtyp, DocumentKind::System);
    EXPECT_TRUE(main_->SparaSom->isEnabled());
    EXPECT_EQ(main_->SparaSom->text(), u"Spara system som...");
    EXPECT_TRUE(main_->SSRibbon5->isEnabled());
    EXPECT_TRUE(main_->sok->isEnabled());
    EXPECT_TRUE(main_->SSRibbon3->isEnabled());

    settings("0", "3", "9", false, 1, 1);
    Form2* second = ok();
    ASSERT_NE(first, second);
    first->setWindowTitle(QStringLiteral("/home/a/SYS.RM"));  // as after Save As
    EXPECT_EQ(first->windowTitle(), u"/home/a/SYS.RM");
    main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    EXPECT_EQ(first->windowTitle(), u"2-5-151.RM");
    main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(second->parentWidget()));
    EXPECT_EQ(second->windowTitle(), u"3-0-9.RU");

    // Closing the active editor switches the items off.
    second->syssparat = true;
    EXPECT_TRUE(second->close());
    EXPECT_EQ(main_->aktivtyp, DocumentKind::None);
    EXPECT_FALSE(main_->SparaSom->isEnabled());
    EXPECT_FALSE(main_->SSRibbon3->isEnabled());
    EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(SystemEditor, ClosePromptYesAndCancelKeepTheEditorNoClosesIt)
{
    settings("0", "2", "4");
    Form2* e = ok();
    const QString caption = e->windowTitle();
    e->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));  // a current table: Save As asks nothing first
    user.answerMessageBox(vbmsg::Yes).cancelFileDialog();
    user.answerMessageBox(vbmsg::Cancel).answerMessageBox(vbmsg::No);
    EXPECT_FALSE(e->close());
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(
        user.messageBoxes()[0].text, u"Systemet " + caption + u" har ändrats utan att sparas! Vill du spara den nu?");
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::YesNoCancel | vbmsg::Question);
    EXPECT_FALSE(e->close());
    EXPECT_EQ(main_->aktivtyp, DocumentKind::System);
    EXPECT_TRUE(e->close());
    EXPECT_EQ(user.messageBoxes().size(), 3u);
    EXPECT_EQ(main_->aktivtyp, DocumentKind::None);
}

TEST_F(SystemEditor, CancelledBuildLeavesEmptyColumnsAsTypedIn)
{
    settings("0", "9", "7", true, 1);
    QTimer::singleShot(0, main_.get(), [] { visare::instance()->avbryt_Click(); });
    Form2* e = ok();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Grid1->Cols(), 8);
    EXPECT_EQ(e->Grid1->Rows(), 10);
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(column(e, c), u"") << c;
    EXPECT_EQ(e->rader(), 7);
    EXPECT_EQ(e->windowTitle(), u"9-0-7.RM");
    reactivate(e);
    EXPECT_FALSE(locked());
    EXPECT_TRUE(user.messageBoxes().empty());
}

TEST_F(SystemEditor, MoreRowsThanTheGridHoldsShowMessage33AndKeepTheLayout)
{
    // 3^8 = 6561 combinations in the full variation.
    settings("0", "8", "3", true, 0);
    user.answerMessageBox(vbmsg::OK);
    Form2* e = ok();
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, MessageText(33));
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::Exclamation);
    EXPECT_EQ(e->Grid1->Cols(), 4);
    EXPECT_EQ(e->rader(), 3);
    EXPECT_FALSE(locked());

    // Typed in: 5450 rows fit, 5451 do not.
    user.clear();
    settings("0", "1", "5450");
    e = ok();
    EXPECT_EQ(e->Grid1->Cols(), 5451);
    EXPECT_EQ(e->Grid1->TextMatrix(0, 5450), u"5450");
    EXPECT_TRUE(user.messageBoxes().empty());
    user.answerMessageBox(vbmsg::OK);
    settings("0", "1", "5451");
    e = ok();
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, MessageText(33));
    EXPECT_FALSE(locked());

    // Any other failure is the unexpected error with its number and description.
    user.clear();
    user.answerMessageBox(vbmsg::OK);
    settings("0", "-3", "2");
    e = ok();
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, MessageText(30) + u"\rError: 380 Invalid property value");
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::Critical);
    EXPECT_FALSE(locked());
}

TEST_F(SystemEditor, BuiltRowsAreWrittenColumnByColumnAndRaderFollows)
{
    settings("0", "2", "1", true, 1);
    Form2* e = ok();
    ASSERT_EQ(e->Grid1->Cols(), 4);
    EXPECT_EQ(column(e, 1), u"11");
    EXPECT_EQ(column(e, 2), u"22");
    EXPECT_EQ(column(e, 3), u"XX");
    EXPECT_EQ(e->Grid1->TextMatrix(0, 3), u"3");
    EXPECT_EQ(e->rader(), 3);

    // KU without a checked error count: only the label column stays.
    settings("0", "3", "5", true, 0, 1);
    e = ok();
    EXPECT_EQ(e->Grid1->Cols(), 1);
    EXPECT_EQ(e->Grid1->Rows(), 4);
    reactivate(e);
    EXPECT_EQ(e->windowTitle(), u"3-0-0.KU");
    EXPECT_FALSE(locked());
}
