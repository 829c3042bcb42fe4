// The new-system dialog and the system editor driven through their controls: the dialog's repairs and
// clamps, the editor's layout, key edits, captions, the close prompt, a cancelled build and a result
// the grid cannot hold, and one story from the menu to an edited, generated system.

#include "platform/controls.h"
#include "shell/guide.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/textof.h"
#include "systems/visare.h"

#include <QTest>
#include <QTimer>

namespace {

class SystemEditor : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        main_->activateWindow();
        processEvents();
        guide::instance();
        dlg = NyttSystemInst::instance();
    }

    // Types `text` into `box` (when given) and presses `key` there; returns the widget with the focus.
    static QWidget* press(TextBox* box, const char* text, Qt::Key key = Qt::Key_Return)
    {
        box->setFocus();
        if (text)
            box->setText(QString::fromLatin1(text));
        QTest::keyClick(box, key);
        return QApplication::focusWidget();
    }
    void activate(Form2* e) { main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(e->parentWidget())); }
    // Deactivates the editor and activates it again.
    void reactivate(Form2* e)
    {
        auto* other = new QWidget;
        QMdiSubWindow* sub = main_->addChild(other);
        activate(e);
        delete sub;
    }
    bool locked() const { return !main_->Enabled() || visare::instance()->isVisible(); }
    // The main window's items that need a document, in one text.
    std::vector<bool> documentItems() const
    {
        return {main_->SparaSom->isEnabled(), main_->SSRibbon5->isEnabled(), main_->sok->isEnabled(),
            main_->SSRibbon3->isEnabled()};
    }

    NyttSystemInst* dlg = nullptr;
};

}  // namespace

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
        fillNewSystem(c.half, c.full, c.rows);
        SpinButton* spin = dlg->*c.spin;
        (c.up ? spin->upButton() : spin->downButton())->click();
        EXPECT_EQ((dlg->*c.box)->Text(), QString::fromLatin1(c.want));
    }
}

TEST_F(SystemEditor, EnterMovesOnOnlyFromAValidBoxAndLeavingAnInvalidOneBeeps)
{
    dlg->showDialog();
    dlg->activateWindow();
    processEvents();
    ASSERT_TRUE(dlg->isActiveWindow());

    fillNewSystem("9", "1", "1");
    EXPECT_EQ(press(dlg->Helgard, "5"), dlg->Helgard);
    EXPECT_EQ(dlg->Helgard->Text(), u"5");
    EXPECT_EQ(press(dlg->Helgard, nullptr, Qt::Key_Tab), dlg->Helgard);
    EXPECT_EQ(user.beeps(), 1);
    // A click elsewhere neither takes the focus nor clicks.
    QTest::mouseClick(dlg->Datorberakning, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_EQ(std::tuple(dlg->Datorberakning->Value(), QApplication::focusWidget()), std::tuple(0, dlg->Helgard));
    EXPECT_EQ(user.beeps(), 2);

    fillNewSystem("03", "4", "1");
    EXPECT_EQ(press(dlg->Halvgard, nullptr), dlg->Helgard);
    EXPECT_EQ(dlg->Halvgard->Text(), u"3");
    EXPECT_EQ(press(dlg->Helgard, "abc"), dlg->Rader);
    EXPECT_EQ(dlg->Helgard->Text(), u"0");
    EXPECT_EQ(press(dlg->Rader, "1"), dlg->CommandOK);
    EXPECT_EQ(press(dlg->Rader, "20000"), dlg->Rader);
    // Rows out of range only beep on leaving; the value stays.
    EXPECT_NE(press(dlg->Rader, nullptr, Qt::Key_Tab), dlg->Rader);
    EXPECT_EQ(std::tuple(user.beeps(), dlg->Rader->Text()), std::tuple(3, u"20000"));

    // With the rows box disabled, Enter in the full guards goes on to OK.
    dlg->Datorberakning->setValue(1);
    EXPECT_EQ(press(dlg->Helgard, "2"), dlg->CommandOK);
}

TEST_F(SystemEditor, DialogStartsWithoutBaseRowBaseRowDisables11RightAndDatorberakningClearsIt)
{
    EXPECT_EQ(std::tuple(dlg->Option1[0]->Value(), dlg->feloption[1]->Value(), dlg->Datorberakning->Value()),
        std::tuple(true, true, 0));
    EXPECT_EQ(std::tuple(dlg->Frame3->isEnabled(), dlg->isVisible()), std::tuple(false, false));

    // The menu command shows the one instance; Avbryt or Escape hides it and it keeps its values.
    main_->NyttSystem->trigger();
    EXPECT_EQ(std::tuple(dlg->isVisible(), main_->Enabled()), std::tuple(true, true));
    dlg->Helgard->setText(QStringLiteral("7"));
    dlg->CommandAvbryt->click();
    EXPECT_FALSE(dlg->isVisible());
    main_->NyttSystem->trigger();
    processEvents();
    QTest::keyClick(dlg->Halvgard, Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    main_->NyttSystem->trigger();
    EXPECT_EQ(std::tuple(NyttSystemInst::instance(), dlg->Helgard->Text()), std::tuple(dlg, u"7"));

    // A base row disables "11 right"; "Datorberäkning" clears the base row.
    dlg->feloption[2]->setValue(true);
    dlg->Option1[1]->setValue(true);
    EXPECT_EQ(std::tuple(dlg->feloption[0]->Value(), dlg->feloption[2]->isEnabled()), std::tuple(true, false));
    EXPECT_EQ(std::tuple(dlg->Frame3->isEnabled(), dlg->Check1[5]->Enabled()), std::tuple(true, true));
    EXPECT_EQ(dlg->systemType(), u"KU");
    dlg->feloption[1]->setValue(true);
    EXPECT_EQ(dlg->systemType(), u"RU");

    dlg->Check1[0]->setValue(1);
    dlg->Check1[13]->setValue(1);
    dlg->Option1[0]->setValue(true);
    EXPECT_EQ(std::tuple(dlg->feloption[2]->isEnabled(), dlg->feloption[1]->Value()),
        std::tuple(true, true));  // 1 not reselected
    EXPECT_EQ(std::tuple(dlg->Check1[0]->Value() + dlg->Check1[13]->Value(), dlg->systemType()), std::tuple(0, u"RM"));

    dlg->Option1[1]->setValue(true);
    dlg->Check1[3]->setValue(1);
    const int shortHeight = dlg->Height();
    dlg->Datorberakning->setValue(1);
    EXPECT_EQ(std::tuple(dlg->Option1[0]->Value(), dlg->Check1[3]->Value()), std::tuple(true, 0));
    EXPECT_GT(dlg->Height(), shortHeight);  // the build settings show
    EXPECT_EQ(std::tuple(dlg->Frame3->isEnabled(), dlg->Rader->isEnabled(), dlg->SpinButton3->isEnabled(),
                  dlg->AntalRader->isEnabled()),
        std::tuple(false, false, false, false));
    dlg->Datorberakning->setValue(0);
    EXPECT_EQ(std::tuple(dlg->Height(), dlg->Rader->isEnabled()), std::tuple(shortHeight, true));
}

TEST_F(SystemEditor, ZeroRowsAndZeroGuardsOpenAsOneFullGuardAndOneRow)
{
    Form2* e = newSystem(0, 0, 0);
    EXPECT_EQ(std::tuple(dlg->isVisible(), e->syssparat, locked()), std::tuple(false, false, false));
    EXPECT_EQ(gridText(*e->Grid1), u"Gard.|1/1X2|");
    EXPECT_EQ(std::tuple(e->Grid1->Row(), e->Grid1->Col(), e->Grid2->Rows(), e->Grid2->Cols()), std::tuple(1, 1, 1, 1));
    // The repaired count in Tag, so a saved file matches its grid; the caption's pattern at once.
    EXPECT_EQ(e->Grid1->Tag + u' ' + e->Tag + u' ' + e->windowTitle(), u"0 1 1-0-1.RM");

    // Column 0's labels, with and without base row.
    EXPECT_EQ(gridText(*newSystem(2, 1, 3)->Grid1), u"Gard.|1|2|3/1  2|||/1  2|||/1X2|||");
    e = newSystem(2, 1, 3, false, 1, 0);
    EXPECT_EQ(e->Grid1->Tag + u' ' + gridText(*e->Grid1), u"1 U  Ga|1|2|3/1     2|||/1     2|||/1   X2|||");
}

TEST_F(SystemEditor, KeysEditSignsMarkTheTableOutdatedAndTheSystemUnsaved)
{
    Form2* e = newSystem(1, 1, 2);
    Grid& g = *e->Grid1;
    e->syssparat = true;
    auto type = [&g](int row, int col, Qt::Key key) {
        g.setRow(row);
        g.setCol(col);
        QTest::keyClick(&g, key);
        return g.TextMatrix(row, col);
    };

    // X in a half-guard row changes nothing but still counts as an edit.
    EXPECT_EQ(type(1, 1, Qt::Key_X), u"");
    EXPECT_EQ(std::tuple(e->Grid2->TextMatrix(0, 0), e->syssparat), std::tuple(u"0", false));
    const QStringList typed{
        type(1, 1, Qt::Key_2), type(2, 2, Qt::Key_X), type(2, 2, Qt::Key_1), type(2, 2, Qt::Key_Space)};
    EXPECT_EQ(typed.join(u','), u"2,X,1,");

    // Other keys do nothing; the comment box takes its keys without editing signs or the flag.
    e->syssparat = true;
    e->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));
    EXPECT_EQ(std::tuple(type(2, 2, Qt::Key_A), e->syssparat), std::tuple(QString(), true));
    e->kommentarer->setFocus();
    e->kommentarer_GotFocus();  // offscreen focus events are not guaranteed
    QTest::keyClicks(e->kommentarer, QStringLiteral("X1 bra"));
    EXPECT_EQ(e->kommentarer->Text() + u'|' + gridText(*e->Grid2), u"X1 bra|1||X1 bra");
    EXPECT_EQ(std::tuple(g.TextMatrix(2, 2), e->syssparat), std::tuple(QString(), true));
    e->kommentarer_LostFocus();
    EXPECT_TRUE(e->KeyPreview());
}

TEST_F(SystemEditor, ActivationSetsTheCaptionPatternAndTheMainWindowsItems)
{
    Form2* first = newSystem(5, 2, 151);
    EXPECT_EQ(std::tuple(first->windowTitle(), main_->aktivtyp, documentItems(), main_->SparaSom->text()),
        std::tuple(u"2-5-151.RM", DocumentKind::System, std::vector<bool>(4, true), u"Spara system som..."));

    Form2* second = newSystem(0, 3, 9, false, 1, 1);
    ASSERT_NE(first, second);
    first->setWindowTitle(QStringLiteral("/home/a/SYS.RM"));  // as after Save As
    activate(first);
    EXPECT_EQ(first->windowTitle(), u"2-5-151.RM");
    activate(second);
    EXPECT_EQ(second->windowTitle(), u"3-0-9.RU");

    // Closing the active editor switches the items off.
    second->syssparat = true;
    EXPECT_TRUE(second->close());
    EXPECT_EQ(
        std::tuple(main_->aktivtyp, documentItems()), std::tuple(DocumentKind::None, std::vector<bool>(4, false)));
}

TEST_F(SystemEditor, ClosePromptYesAndCancelKeepTheEditorNoClosesIt)
{
    Form2* e = newSystem(0, 2, 4);
    e->Grid2->setTextMatrix(0, 0, QStringLiteral("1"));  // a current table: Save As asks nothing first
    user.answerMessageBox(vbmsg::Yes).cancelFileDialog();
    user.answerMessageBox(vbmsg::Cancel).answerMessageBox(vbmsg::No);
    EXPECT_FALSE(e->close());
    EXPECT_EQ(boxesShown(user),
        (Boxes{{u"Systemet " + e->windowTitle() + u" har ändrats utan att sparas! Vill du spara den nu?",
            vbmsg::YesNoCancel | vbmsg::Question}}));
    EXPECT_FALSE(e->close());
    EXPECT_EQ(main_->aktivtyp, DocumentKind::System);
    EXPECT_TRUE(e->close());
    EXPECT_EQ(std::tuple(user.messageBoxes().size(), main_->aktivtyp), std::tuple(3u, DocumentKind::None));
}

TEST_F(SystemEditor, BuildCancelledLeavesEmptyColumnsOtherwiseWritesColumnByColumn)
{
    QTimer::singleShot(0, main_.get(), [] { visare::instance()->avbryt_Click(); });
    Form2* e = newSystem(0, 9, 7, true);
    EXPECT_EQ(std::tuple(e->Grid1->Rows(), e->Grid1->Cols(), gridText(*e->Grid1, 1, 1), e->rader(), e->windowTitle()),
        std::tuple(10, 8, QStringList(9, QStringLiteral("||||||")).join(u'/'), 7, u"9-0-7.RM"));
    reactivate(e);
    EXPECT_EQ(std::tuple(locked(), boxTexts(user)), std::tuple(false, QStringList()));

    // Not cancelled: the built rows are written column by column and Rader follows.
    e = newSystem(0, 2, 1, true);
    EXPECT_EQ(gridText(*e->Grid1) + u' ' + QString::number(e->rader()), u"Gard.|1|2|3/1X2|1|2|X/1X2|1|2|X 3");

    // KU without a checked error count: only the label column stays.
    e = newSystem(0, 3, 5, true, 1, 0);
    EXPECT_EQ(std::pair(e->Grid1->Rows(), e->Grid1->Cols()), std::pair(4, 1));
    reactivate(e);
    EXPECT_EQ(std::tuple(e->windowTitle(), locked()), std::tuple(u"3-0-0.KU", false));
}

TEST_F(SystemEditor, MoreRowsThanTheGridHoldsShowMessage33AndLeaveNoEditor)
{
    Form2* open = newSystem(0, 1, 2);
    const qsizetype windows = main_->mdiArea()->subWindowList().size();
    const Boxes tooMany{{MessageText(kMsgTooManyRows), vbmsg::Exclamation}};
    // Built: 3^8 = 6561 combinations in the full variation. Typed in: 5451 rows.
    const struct {
        const char *full, *rows;
        bool build;
    } refused[] = {{"8", "3", true}, {"1", "5451", false}};
    for (const auto& c : refused) {
        user.clear();
        user.answerMessageBox(vbmsg::OK);
        fillNewSystem("0", c.full, c.rows, c.build, 0, 0);
        Form2* active = confirmNewSystem();
        EXPECT_EQ(std::tuple(active, main_->mdiArea()->subWindowList().size(), boxesShown(user), locked()),
            std::tuple(open, windows, tooMany, false))
            << c.rows;
    }

    // 5450 rows fit.
    user.clear();
    Form2* e = newSystem(0, 1, 5450);
    EXPECT_EQ(std::tuple(e->Grid1->TextMatrix(0, 5450), e->Grid1->Cols(), boxesShown(user)),
        std::tuple(u"5450", 5451, Boxes()));

    // Any other failure is the unexpected error with its number and description; the editor stays.
    user.clear();
    user.answerMessageBox(vbmsg::OK);
    newSystem(0, -3, 2);
    EXPECT_EQ(std::tuple(boxesShown(user), locked()),
        std::tuple(Boxes{{MessageText(kMsgUnexpectedError) + u"\rError: 380 Invalid property value", vbmsg::Critical}},
            false));
}
