// "Skapa" through a frame window inside the main window, with the scripted user: slots and marks
// made through the handlers, the coupon view and its paging, "Ändra ram" and the shortcut, the
// filter's messages, validation, cancelling through "Avbryt" and the refusal of a frame too large
// to hold.

#include "frame/slotfill.h"
#include "platform/controls.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/framewindow.h"
#include "support/textof.h"

#include <QTimer>

namespace {

constexpr int cell(int m, int c) { return 3 * m + c; }

class Skapa : public FrameWindowTest {
protected:
    // The view shown ("coupons" or "frame"), the main window's print, search and export items (all
    // alike), and whether rows are held as created.
    std::string view() const
    {
        EXPECT_NE(form_->grid2frame->Visible(), form_->systempanel->Visible());
        EXPECT_EQ(std::tuple(form_->AvbrytBe->Visible(), form_->Skaparlabel->Visible()), std::tuple(false, false));
        const bool on = main_->sok->isEnabled();
        for (const QAction* a : {main_->SkrivUt, main_->SvenskaSpelStryktipset, main_->SvenskaspelEuropatipset})
            EXPECT_EQ(a->isEnabled(), on) << a->text().toStdString();
        EXPECT_EQ(std::tuple(main_->SSRibbon2->isEnabled(), main_->SSRibbon3->isEnabled()), std::tuple(on, on));
        return std::string(form_->grid2frame->Visible() ? "coupons" : "frame") + (on ? " on" : " off") +
            (form_->copyskapat() ? " created" : "");
    }
    void expectOneBox(const QString& text, int style)
    {
        EXPECT_EQ(std::tuple(boxTexts(user), user.messageBoxes().at(0).style), std::tuple(QStringList{text}, style));
    }
    // A system in slot s as loading its file leaves it: numbers in the frame, rows in Grid1(s).
    void loadSystem(int s, int half, int full, const std::vector<const char*>& positions)
    {
        const int rows = static_cast<int>(std::strlen(positions.at(0)));
        form_->change([&](frame::FrameEditing& ram) {
            frametest::fillSlot(ram, s, {0, rows, half + full, full, QStringLiteral("S.RM")});
        });
        Grid& g = *form_->Grid1[s];
        g.setRows(static_cast<int>(positions.size()) + 1);
        g.setCols(rows + 1);
        for (std::size_t k = 0; k < positions.size(); ++k)
            for (int j = 0; j < rows; ++j)
                g.setTextMatrix(static_cast<int>(k) + 1, j + 1, QString(QLatin1Char(positions[k][j])));
    }
    void click(int i) { Q_EMIT form_->Label1[i]->Click(); }
    QString gridText(int match, int couponRow, int column) const
    {
        return form_->Grid2->TextMatrix(match + (match - 1) / 3 - (match == 13), 4 * couponRow - 4 + column);
    }
};

}  // namespace

TEST_F(Skapa, CreateBrowseChangeAndShowAgain)
{
    // System 1: half guards "1X" on match 1 and "X2" on match 2, five rows; a mathematical full
    // guard on match 3; a single "1" on match 13. 5 x 3 = 15 rows.
    loadSystem(0, 2, 0, {"12121", "11222"});
    for (int i : {cell(0, 0), cell(0, 1), cell(1, 1), cell(1, 2)})
        click(i);
    mathematical("..F");
    click(cell(12, 0));
    ASSERT_EQ(form_->Allrad->Caption(), u"15");
    EXPECT_EQ(view(), "frame off");

    form_->ok->click();
    EXPECT_EQ(std::tuple(boxTexts(user), view()), std::tuple(QStringList(), "coupons on created"));
    EXPECT_EQ(form_->state().mode, frame::Mode::Matematisk);  // the mode chosen before "Skapa"
    EXPECT_EQ(form_->Label4->Caption(), u"Rader 1 - 10");

    // The grid shows the first coupon of the rows made.
    const RowMatrix rows = form_->forminnecopy();
    EXPECT_EQ(rows.upperRow(), 15);
    // System row 2's "2" is an "X" on match 1.
    EXPECT_EQ(QStringList({gridText(1, 4, 2), gridText(3, 3, 3), gridText(13, 10, 1)}).join(u' '), u"X 2 1");
    EXPECT_EQ(std::tuple(form_->antalmarkerade[2], form_->ettamarkerad[12]), std::tuple(3, 1));

    // Paging through the buttons: the second coupon holds rows 11-15 and nothing else.
    form_->Command1[2]->click();
    EXPECT_EQ(form_->Label4->Caption(), u"Rader 11 - 20");
    EXPECT_EQ(gridText(13, 5, 1) + u'|' + form_->Grid2->TextMatrix(16, 20), u"1|");
    form_->Command1[0]->click();
    EXPECT_EQ(gridText(13, 10, 1), u"1");  // the full coupon again

    // "Ändra ram" goes back to editing and turns the coupon items off.
    form_->Visaram->click();
    EXPECT_EQ(view(), "frame off created");
    EXPECT_EQ(std::tuple(form_->Allrad->Caption(), form_->copytemptempallrad()), std::tuple(u"15", 15));

    // "Skapa" without an edit shows the stored rows: nothing is built, so even a frame that could
    // not be held now goes through.
    form_->memoryLimits = {1, 1};
    form_->ok->click();
    EXPECT_EQ(std::tuple(boxTexts(user), view()), std::tuple(QStringList(), "coupons on created"));
    EXPECT_EQ(std::tuple(form_->forminnecopy(), form_->Label4->Caption()), std::tuple(rows, u"Rader 1 - 10"));
}

// The filter's outcomes as the window shows them; the counts and texts themselves are row
// creation's.
TEST_F(Skapa, FilterOutcomesInTheWindow)
{
    mathematical("FF");  // 9 rows, the other matches without signs
    setFilter(true, {"1", "13", "13", "0", "0", "0"});  // at most one "1": row "1 1" goes
    EXPECT_TRUE(form_->filterframe->Visible());
    user.answerMessageBox(vbmsg::OK);
    form_->ok->click();
    EXPECT_EQ(boxTexts(user),
        QStringList{QStringLiteral("Filtret hittade 1 rader av samtliga 9, som inte uppfyllde de utsatta kraven.\r"
                                   "Dessa har tagits bort. Så nu är radantalet 8 rader.")});
    EXPECT_EQ(std::tuple(view().substr(0, 10), form_->Allrad->Caption()), std::tuple("coupons on", u"8"));
    form_->Visaram->click();
    EXPECT_EQ(std::tuple(form_->Allrad->Caption(), form_->copytemptempallrad()), std::tuple(u"9", 8));
    user.clear();
    form_->ok->click();  // the shortcut shows the filtered count again, without a message
    EXPECT_EQ(std::tuple(boxTexts(user), form_->Allrad->Caption()), std::tuple(QStringList(), u"8"));
    form_->Visaram->click();

    // Nothing passes: back to editing, nothing created.
    setFilter(true, {"13", "13", "13", "13", "0", "0"});
    user.answerMessageBox(vbmsg::OK);
    form_->ok->click();
    EXPECT_EQ(boxTexts(user), QStringList{MessageText(kMsgFilterRemovedAll)});
    EXPECT_EQ(std::tuple(view(), form_->Allrad->Caption()), std::tuple("frame off", u"9"));

    // Unticking the filter puts the row total into the row-count box.
    form_->filtercheck->setValue(0);
    EXPECT_EQ(std::tuple(form_->filterframe->Visible(), form_->Text2->Text()), std::tuple(false, u"9"));

    // Enter in a filter box: the walk is the filter's; the window puts the repaired text back.
    form_->filtertext[0]->setText(QStringLiteral("09"));
    int key = 13;
    Q_EMIT form_->filtertext[0]->KeyPress(key);
    EXPECT_EQ(form_->filtertext[0]->Text(), u"9");

    // The equal-rows box reaches row creation: system rows "1", "X", "1".
    loadSystem(0, 1, 0, {"121"});
    click(cell(2, 0)), click(cell(2, 1));
    user.answerMessageBox(vbmsg::OK);
    setFilter(true, {"13", "13", "13", "0", "0", "0"}, true);
    form_->ok->click();
    EXPECT_EQ(form_->Allrad->Caption(), u"18");
}

TEST_F(Skapa, InvalidSlotIsReportedAndLeftSelected)
{
    loadSystem(1, 2, 0, {"121", "112"});
    form_->Option1[1]->click();
    click(cell(4, 0)), click(cell(4, 2));  // one of two half guards
    form_->Option1[3]->click();
    user.answerMessageBox(vbmsg::OK);
    form_->ok->click();
    expectOneBox(u"System 2" + MessageText(kMsgSlotHalfGuardsShort), vbmsg::Exclamation);
    EXPECT_EQ(view(), "frame off");
    EXPECT_EQ(std::tuple(form_->state().mode, form_->System[1]->Visible()), std::tuple(frame::Mode::System2, true));
}

TEST_F(Skapa, AvbrytDuringCreationGoesBackToEditing)
{
    mathematical("FFFFFFFFFFFFF");
    ASSERT_EQ(form_->Allrad->Caption(), u"1594323");
    form_->skapaYieldInterval = std::chrono::milliseconds(0);
    bool avbrytShown = false;
    QTimer::singleShot(0, form_, [&] {
        avbrytShown = form_->AvbrytBe->Visible() && form_->Skaparlabel->Visible() && !form_->systempanel->Visible();
        click(cell(0, 0));  // the frame's cells wait while rows are made
        form_->AvbrytBe->click();
    });
    form_->ok->click();
    EXPECT_EQ(std::tuple(avbrytShown, boxTexts(user)), std::tuple(true, QStringList()));
    EXPECT_EQ(view(), "frame off");
    EXPECT_EQ(form_->Label1[cell(0, 0)]->Caption() + u' ' + form_->Allrad->Caption(), u"1 1594323");
    EXPECT_EQ(form_->forminnecopy().upperRow(), 1594323);

    // Closing the frame while it creates cancels the creation and keeps the window.
    QTimer::singleShot(0, form_, [&] { form_->parentWidget()->close(); });
    form_->ok->click();
    EXPECT_EQ(std::tuple(view(), form_->isVisible()), std::tuple("frame off", true));
}

TEST_F(Skapa, SkapaAfterAvbrytStartsFromScratch)
{
    mathematical("FFFFFFFF");  // 6561 rows
    form_->skapaYieldInterval = std::chrono::milliseconds(0);
    QTimer::singleShot(0, form_, [&] { form_->AvbrytBe->click(); });
    form_->ok->click();
    ASSERT_EQ(view(), "frame off");

    // No edit in between, yet no shortcut: the rows are built anew and all of them are there.
    form_->ok->click();
    EXPECT_TRUE(user.messageBoxes().empty());
    EXPECT_EQ(std::tuple(view(), form_->Allrad->Caption()), std::tuple("coupons on created", u"6561"));
    const RowMatrix rows = form_->forminnecopy();
    ASSERT_EQ(rows.upperRow(), 6561);
    for (int m = 0; m < 9; ++m)
        EXPECT_EQ(rows.at(m, 6560), m < 8 ? 3 : 0) << m;  // the last row: "2" on every guard
}

TEST_F(Skapa, FrameTooLargeToHoldIsRefusedWithNothingLost)
{
    mathematical("FF");
    form_->ok->click();
    const RowMatrix before = form_->forminnecopy();
    const auto marksBefore = form_->antalmarkerade;
    form_->Visaram->click();
    mathematical("..1"), click(cell(2, 1));  // 18 rows
    form_->memoryLimits = {10, 1 << 30};
    user.answerMessageBox(vbmsg::OK);
    form_->ok->click();
    expectOneBox(MessageText(kMsgOutOfMemory), vbmsg::Exclamation);
    EXPECT_EQ(
        std::tuple(view(), form_->forminnecopy(), form_->antalmarkerade), std::tuple("frame off", before, marksBefore));
    EXPECT_EQ(form_->Allrad->Caption() + u' ' + form_->Label1[cell(2, 1)]->Caption(), u"18 X");
}
