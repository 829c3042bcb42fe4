// The edit menu, "Gå till" and "Byt ut" on real windows with the scripted user: the items offered,
// copy, cut, delete and paste through the clipboard, the system marked changed, go-to and replace.

#include "platform/controls.h"
#include "platform/vbsystem.h"
#include "shell/Byta.h"
#include "shell/Gatill.h"
#include "shell/texts/textids.h"
#include "support/mainwindow.h"
#include "support/textof.h"

#include <QAction>
#include <QTest>
#include <array>

namespace {

using Items = std::array<bool, 6>;  // cut, copy, paste, delete, go to, replace
constexpr Items kNone{};

class EditCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        ClipboardClear();
        MainWindowTest::SetUp();
    }
    // Two half guards and one full guard (grid rows 1-3), `rows` system rows, every cell "1", saved.
    Form2* system(int rows)
    {
        Form2* e = newSystem(2, 1, rows);
        typeSigns(*e, std::vector<const char*>(std::size_t(rows), "111"));
        e->Grid1->setFocus();
        e->syssparat = true;
        return e;
    }
    // The items as the menu shows them after opening.
    Items items()
    {
        main_->edit_Click();
        return {main_->klipput->isEnabled(), main_->kopiera->isEnabled(), main_->klistrain->isEnabled(),
            main_->tabort->isEnabled(), main_->gatillmenu->isEnabled(), main_->bytut->isEnabled()};
    }
    // The guarantee table outdated and the system unsaved; then saved again with the table marked `mark`.
    static void expectChangedThenSave(Form2* e, const QString& mark)
    {
        EXPECT_EQ(std::pair(e->Grid2->TextMatrix(0, 0), e->syssparat), std::pair(QStringLiteral("0"), false));
        e->syssparat = true;
        e->Grid2->setTextMatrix(0, 0, mark);
    }
};

}  // namespace

TEST_F(EditCommands, MenuItemsByDocumentFocusAndClipboardAndGoToLowersNearTheEndOrShowsACoupon)
{
    EXPECT_EQ(items(), kNone);
    // A shortcut before the menu was ever opened, without a document, does nothing.
    ClipboardSetText(QStringLiteral("1"));
    main_->klistrain_Click();
    main_->tabort_Click();

    Form2* e = system(100);
    ClipboardClear();
    EXPECT_EQ(items(), (Items{true, true, false, true, true, true}));
    ClipboardSetText(QStringLiteral("X"));
    EXPECT_EQ(items(), (Items{true, true, true, true, true, true}));

    Gatill* dlg = Gatill::instance();
    auto shown = [&] { return std::pair(dlg->isVisible(), main_->Enabled()); };
    main_->gatillmenu->trigger();
    EXPECT_EQ(shown(), std::pair(true, false));
    EXPECT_EQ(dlg->windowTitle() + dlg->Label1->Caption(), u"Gå tillGå till rad:");

    dlg->Text1->setText(QStringLiteral("95"));
    QTest::keyClick(dlg->Text1, Qt::Key_Return);  // Enter is OK
    EXPECT_EQ(shown(), std::pair(false, true));
    EXPECT_EQ(std::tuple(dlg->Text1->Text(), e->Grid1->LeftCol()), std::tuple(u"88", 88));

    dlg->showDialog();
    dlg->Text1->setText(QStringLiteral("101"));
    user.answerMessageBox(vbmsg::OK);
    dlg->ok_Click();
    EXPECT_EQ(std::tuple(boxTexts(user), e->Grid1->LeftCol(), shown()),
        std::tuple(QStringList{currentMessageText(kMsgNoSuchRow)}, 88, std::pair(false, true)));

    // Avbryt and the close box release the main window too; the number stays.
    for (bool closeBox : {false, true}) {
        dlg->showDialog();
        closeBox ? void(dlg->close()) : dlg->avbryt->click();
        EXPECT_EQ(shown(), std::pair(false, true));
    }
    EXPECT_EQ(dlg->Text1->Text(), u"101");

    e->kommentarer->setFocus();
    EXPECT_EQ(items(), kNone);
    select(*e->Grid1, 1, 1, 1, 1);
    main_->tabort_Click();  // the focus is in the comment: no cell changes
    EXPECT_EQ(e->Grid1->TextMatrix(1, 1), u"1");

    Form1* f = &createdFrame("FFF");  // 27 rows in the coupon view
    EXPECT_EQ(items(), (Items{false, true, false, false, true, false}));
    // Cut and delete do not reach a frame's coupon view, even by their keys.
    const QString cell = f->Grid2->TextMatrix(1, 1);
    select(*f->Grid2, 1, 1, 1, 1);
    main_->klipput_Click();
    main_->tabort_Click();
    EXPECT_EQ(std::tuple(f->Grid2->TextMatrix(1, 1), ClipboardGetText()), std::tuple(cell, u"X"));

    // In a frame it shows the coupon.
    Q_EMIT f->Label4->DblClick();
    EXPECT_EQ(std::tuple(dlg->isVisible(), dlg->Label1->Caption()), std::tuple(true, currentUiText(kUiGoToCoupon)));
    dlg->Text1->setText(QStringLiteral("3"));
    dlg->ok->click();
    EXPECT_EQ(f->Label4->Caption(), u"Rader 21 - 30");
    dlg->showDialog();
    dlg->Text1->setText(QStringLiteral("4"));
    user.answerMessageBox(vbmsg::OK);
    dlg->ok_Click();
    EXPECT_EQ(boxTexts(user), (QStringList{currentMessageText(kMsgNoSuchRow), currentMessageText(kMsgNoSuchCoupon)}));
    EXPECT_EQ(f->Label4->Caption(), u"Rader 21 - 30");
}

TEST_F(EditCommands, CellChangesMarkTheSystemChangedAndAPasteThatDoesNotFitIsCutAtTheEdge)
{
    // Copy puts the block with CR LF between rows. Cut and delete empty the block; paste trims to the
    // signs; each outdates the guarantee table (also one never computed) and leaves the system unsaved.
    Form2* e = system(5);
    Grid& g = *e->Grid1;
    g.setTextMatrix(2, 3, QStringLiteral("X"));
    g.setTextMatrix(1, 4, QString());
    select(g, 1, 2, 2, 4);
    main_->kopiera->trigger();
    EXPECT_EQ(ClipboardGetText(), QStringLiteral("1\t1\t\r\n1\tX\t1"));
    EXPECT_EQ(std::pair(e->Grid2->TextMatrix(0, 0), e->syssparat), std::pair(QString(), true));

    select(g, 1, 1, 2, 2);
    main_->klipput_Click();
    EXPECT_EQ(ClipboardGetText(), QStringLiteral("1\t1\r\n1\t1"));
    EXPECT_EQ(std::tuple(gridText(g, 1, 1), g.Row(), g.Col()), std::tuple(u"||1||1/||X|1|1/1|1|1|1|1", 2, 2));
    expectChangedThenSave(e, QStringLiteral("1"));

    select(g, 3, 5, 3, 5);
    main_->tabort_Click();
    EXPECT_EQ(g.TextMatrix(3, 5), u"");
    expectChangedThenSave(e, QString());

    // Nothing that is a sign: nothing at all.
    ClipboardSetText(QStringLiteral("abc"));
    select(g, 2, 4, 2, 4);
    main_->klistrain->trigger();
    EXPECT_EQ(std::pair(g.TextMatrix(2, 4), e->syssparat), std::pair(QStringLiteral("1"), true));

    // A block that does not fit asks once; cancelled nothing changes, else it is cut at the edge.
    ClipboardSetText(QStringLiteral("2\tX\t2\r\n2\tX\t2\r\n2\tX\t2\r\n"));
    user.answerMessageBox(vbmsg::Cancel).answerMessageBox(vbmsg::OK);
    main_->klistrain_Click();
    EXPECT_EQ(gridText(g, 1, 1), u"||1||1/||X|1|1/1|1|1|1|");
    EXPECT_EQ(std::pair(e->Grid2->TextMatrix(0, 0), e->syssparat), std::pair(QString(), true));
    main_->klistrain_Click();
    ASSERT_EQ(boxTexts(user), QStringList(2, currentMessageText(kMsgPasteOutside)));
    EXPECT_EQ(std::tuple(user.messageBoxes()[1].style, g.SelEndRow(), g.SelEndCol(), gridText(g, 1, 1)),
        std::tuple(vbmsg::OKCancel | vbmsg::Exclamation, 3, 5, u"||1||1/||X|2|X/1|1|1|2|X"));

    // Text from a Linux editor breaks its lines with LF alone: every row is pasted.
    ClipboardSetText(QStringLiteral("2\t2\n2\t2\n"));
    select(g, 1, 1, 1, 1);
    main_->klistrain_Click();
    EXPECT_EQ(gridText(g, 1, 1), u"2|2|1||1/2|2|X|2|X/1|1|1|2|X");
}

TEST_F(EditCommands, ReplaceChangesOnlyTheSelectedCellsThatHoldTheSign)
{
    Form2* e = system(5);
    Grid& g = *e->Grid1;
    g.setTextMatrix(1, 2, QStringLiteral("2"));
    g.setTextMatrix(3, 3, QString());
    Byta* dlg = Byta::instance();
    EXPECT_EQ(std::tuple((*dlg->Option1)[3]->Value(), (*dlg->Option2)[0]->Value()), std::tuple(true, true));
    EXPECT_EQ(dlg->SSFrame1->Caption(), currentUiText(kUiReplaceFrom));
    // Signs by option: 0 "1", 1 "X", 2 "2", 3 blank.
    auto replace = [dlg](std::size_t from, std::size_t to) {
        (*dlg->Option1)[from]->setValue(true);
        (*dlg->Option2)[to]->setValue(true);
        dlg->ok->click();
    };

    // Half-guard rows in the selection: no "X" as the target.
    select(g, 1, 2, 3, 3);
    main_->bytut->trigger();
    EXPECT_EQ(std::tuple(main_->Enabled(), (*dlg->Option2)[1]->isEnabled()), std::tuple(false, false));
    EXPECT_EQ(g.Col(), 2);  // the labels were read without moving into their column
    replace(0, 2);
    EXPECT_EQ(std::tuple(main_->Enabled(), gridText(g, 1, 1)), std::tuple(true, u"1|2|2|1|1/1|2|2|1|1/1|2||1|1"));
    expectChangedThenSave(e, QStringLiteral("1"));

    // A full-guard row only: "X" offered; the same sign both sides changes nothing.
    select(g, 3, 1, 3, 5);
    dlg->showDialog();
    EXPECT_TRUE((*dlg->Option2)[1]->isEnabled());
    replace(2, 2);
    EXPECT_EQ(std::tuple(g.Clip(), e->syssparat), std::tuple(QStringLiteral("1\t2\t\t1\t1"), true));

    // Blank to "X" fills the empty cell; "1" to blank empties the cells.
    dlg->showDialog();
    replace(3, 1);
    EXPECT_EQ(g.Clip(), QStringLiteral("1\t2\tX\t1\t1"));
    expectChangedThenSave(e, QString());
    dlg->showDialog();
    replace(0, 3);
    EXPECT_EQ(g.Clip(), QStringLiteral("\t2\tX\t\t"));

    // "X" chosen before, then turned off by half-guard rows: only the full-guard row takes it.
    g.setTextMatrix(1, 4, QString());
    select(g, 1, 4, 3, 5);
    dlg->showDialog();
    EXPECT_FALSE((*dlg->Option2)[1]->isEnabled());
    replace(3, 1);
    EXPECT_EQ(gridText(g, 1, 4), u"|1/1|1/X|X");
}

// The items follow the focus, the clipboard and the active document without the menu being opened,
// so their keys work in a grid after the menu was last seen with them off.
TEST_F(EditCommands, KeysWorkInTheGridAfterTheMenuWasOpenedWithItsItemsOff)
{
    Form2* e = system(3);
    main_->activateWindow();
    e->kommentarer->setFocus();
    processEvents();
    EXPECT_EQ(items(), kNone);
    e->Grid1->setFocus();
    select(*e->Grid1, 1, 1, 1, 2);
    QTest::keyClick(e->Grid1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardGetText(), u"1\t1");

    e->kommentarer->setFocus();
    ClipboardClear();
    EXPECT_EQ(items(), kNone);
    e->Grid1->setFocus();
    ClipboardSetText(QStringLiteral("X"));
    select(*e->Grid1, 2, 3, 2, 3);
    QTest::keyClick(e->Grid1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e->Grid1->TextMatrix(2, 3), u"X");
    expectChangedThenSave(e, QStringLiteral("1"));

    // A frame made active turns cut off; the system made active again turns it back on.
    Form1* f = &createdFrame("FFF");  // 27 rows in the coupon view
    processEvents();
    EXPECT_FALSE(main_->klipput->isEnabled());
    qobject_cast<QMdiSubWindow*>(e->parentWidget())->setFocus();
    main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(e->parentWidget()));
    e->Grid1->setFocus();
    processEvents();
    EXPECT_TRUE(main_->klipput->isEnabled());
    f->setSystemsparat(true);
}
