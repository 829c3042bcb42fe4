// The guarantee table through the windows: "Garantitabell" in the system editor computes, stores and
// shows the table (or only shows a current one), "Avbryt" leaves the stored table alone, and a
// frame's "Visa garantitabell" shows a slot's table. The computed table through a system file and a
// frame file is in the user story.

#include "platform/controls.h"
#include "shell/garanti.h"
#include "shell/reductiontext.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/textof.h"
#include "systems/visare.h"

#include <QHeaderView>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

class GuaranteeWindows : public MainWindowTest {
protected:
    void TearDown() override
    {
        MainWindowTest::TearDown();
        EXPECT_EQ(garanti::loaded(), nullptr);
    }

    // One string of signs per system row, "." for an empty cell.
    Form2* typedSystem(int half, int full, int urad, const std::vector<const char*>& rows)
    {
        Form2* e = newSystem(half, full, int(rows.size()), false, urad);
        typeSigns(*e, rows);
        return e;
    }
    static QString table(const Grid& g) { return gridText(g, 1); }
    static auto garantiWindows()
    {
        processEvents();
        return std::ranges::count_if(MDIForm1::instance()->mdiArea()->subWindowList(),
            [](QMdiSubWindow* sub) { return qobject_cast<garanti*>(sub->widget()) != nullptr; });
    }
    bool idle() const { return main_->Enabled() && !visare::instance()->isVisible(); }
};

TEST_F(GuaranteeWindows, ComputedOnceThenShownInTheRunningLanguageAndTheBaseRowColumn)
{
    Form2* e = typedSystem(0, 1, 0, {"1"});
    e->Berakna_Click();
    EXPECT_EQ(table(*garanti::loaded()->Grid2) + u'|' + garanti::loaded()->reducering->Caption(),
        u"1|||||33%/|1||||67%/|||||/|||||/||||||" + reductionText(1, 3, 0));

    // Stored while Finnish ran; a second click only shows what is stored, in Swedish.
    const QString finnish = reductionText(1, 3, 10000);
    e->Grid2->setTextMatrix(0, 1, finnish);
    e->Grid2->setTextMatrix(2, 4, QStringLiteral("stored"));
    e->Berakna_Click();
    garanti* w = garanti::loaded();
    EXPECT_EQ(std::tuple(garantiWindows(), idle(), w->Grid2->TextMatrix(2, 4)),
        std::tuple(1, true, QStringLiteral("stored")));
    EXPECT_EQ(w->reducering->Caption() + u'/' + e->Grid2->TextMatrix(0, 1), reductionText(1, 3, 0) + u'/' + finnish);

    // With base row: the error column and its heading.
    e = typedSystem(0, 1, 1, {"1"});
    e->Berakna_Click();
    w = garanti::loaded();
    EXPECT_EQ(gridText(*w->Grid2), u"13|12|11|10|0-9|(%)|U-rad/|1||||100%|1/1|||||100%|0");
    EXPECT_EQ(std::tuple(w->Label3->Visible(), e->Grid2->Rows(), e->Grid2->Cols()), std::tuple(true, 3, 7));
    // The headings "Chans" and "Fel i" stand over their columns.
    EXPECT_NEAR(w->Label2->Left(), w->Grid2->Left() + w->Grid2->ColPos(5), 30);
    EXPECT_NEAR(w->Label3->Left(), w->Grid2->Left() + w->Grid2->ColPos(6), 30);
}

TEST_F(GuaranteeWindows, AnUnreadableSystemGivesAMessageAndNoWindowAndAvbrytKeepsTheStoredTableAndItsFlag)
{
    Form2* bad = typedSystem(0, 2, 0, {"11", "12", "1X"});
    bad->Grid1->setCols(3);  // fewer columns than rows
    user.answerMessageBox(vbmsg::OK);
    bad->Berakna_Click();
    ASSERT_EQ(boxTexts(user).size(), 1);
    EXPECT_TRUE(boxTexts(user)[0].startsWith(MessageText(kMsgUnexpectedError))) << boxTexts(user)[0].toStdString();
    EXPECT_EQ(
        std::tuple(garanti::loaded(), idle(), bad->Grid2->TextMatrix(0, 0)), std::tuple(nullptr, true, QString()));

    for (const char* flag : {"", "0"}) {
        Form2* e = typedSystem(0, 13, 0, {"1111111111111", "XXXXXXXXXXXXX"});
        if (*flag) {
            e->Grid2->setCols(6);
            e->Grid2->setRows(6);
            e->Grid2->setTextMatrix(0, 0, QString::fromLatin1(flag));
            e->Grid2->setTextMatrix(1, 0, QStringLiteral("old"));
        }
        const QString before = gridText(*e->Grid2);
        QTimer::singleShot(0, main_.get(), [] { visare::instance()->avbryt_Click(); });
        e->Berakna_Click();
        EXPECT_EQ(std::tuple(idle(), gridText(*e->Grid2)), std::tuple(true, before));
        garanti* w = garanti::loaded();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(gridText(*w->Grid2) + w->reducering->Caption(), u"13|12|11|10|0-9|(%)/|||||/|||||/|||||/|||||/|||||");
    }
}

TEST_F(GuaranteeWindows, SlotTablesAndTheirWindow)
{
    Form1* frame = &newFrame();
    Grid& stored = *frame->Grid3[1];

    // Never computed: message 23, then the window with its header and the comment only.
    stored.setRows(1);
    stored.setCols(3);
    stored.setTextMatrix(0, 2, QStringLiteral("kommentar"));
    user.answerMessageBox(vbmsg::OK);
    Q_EMIT frame->visagaranti[1]->Click();
    EXPECT_EQ(boxTexts(user), QStringList{MessageText(kMsgGuaranteeNotComputed)});
    garanti* w = garanti::loaded();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(gridText(*w->Grid2).section(u'/', 0, 0) + w->reducering->Caption() + u'/' + w->kommentarer->Text() +
            u'/' + QString::number(w->Grid2->Rows()),
        u"13|12|11|10|0-9|(%)|/kommentar/71");

    // A slot without base row shows 6 x 6 even from a larger stored grid.
    stored.setCols(7);
    stored.setRows(9);
    stored.setTextMatrix(0, 0, QStringLiteral("1"));
    stored.setTextMatrix(0, 1, reductionText(2, 9, 10000));
    stored.setTextMatrix(1, 0, QStringLiteral("2"));
    stored.setTextMatrix(8, 6, QStringLiteral("beyond"));
    user.clear();
    frame->visagaranti_Click(1);
    w = garanti::loaded();
    EXPECT_EQ(std::tuple(boxTexts(user), garantiWindows()), std::tuple(QStringList(), 1));
    EXPECT_EQ(table(*w->Grid2) + u'|' + w->reducering->Caption(),
        u"2|||||/|||||/|||||/|||||/||||||" + reductionText(2, 9, 0));

    // With base row: 7 columns and every stored row.
    frame->change([](frame::FrameEditing& ram) { ram.slottyp[1] = 1; });
    frame->visagaranti_Click(1);
    w = garanti::loaded();
    EXPECT_EQ(std::tuple(w->Grid2->Rows(), w->Grid2->TextMatrix(8, 6), w->Label3->Visible()),
        std::tuple(9, QStringLiteral("beyond"), true));

    // A click in the comment box answers with message 27, every time.
    user.clear();
    for (int i = 0; i < 2; ++i)
        user.answerMessageBox(vbmsg::OK), QTest::mouseClick(w->kommentarer, Qt::LeftButton);
    EXPECT_EQ(boxTexts(user), QStringList(2, MessageText(kMsgCommentsReadOnly)));

    // "Stäng" closes it and leaves the main window as it was.
    w->stang_Click();
    EXPECT_EQ(std::tuple(garantiWindows(), main_->Enabled()), std::tuple(0, true));
}

}  // namespace

// A cell's whole text shows: each column is as wide as its widest text and never narrower than
// designed, with the headings over the columns they name; for a slot's stored table and for one the
// editor computes.
TEST_F(GuaranteeWindows, EveryCellShowsItsWholeText)
{
    const auto clipped = [] {
        processEvents();
        const garanti* w = garanti::loaded();
        const Grid& g = *w->Grid2;
        QStringList out;
        for (int c = 0; c < g.Cols(); ++c) {
            for (int r = 1; r < g.Rows(); ++r)
                if (g.fontMetrics().horizontalAdvance(g.TextMatrix(r, c)) + 1 > g.horizontalHeader()->sectionSize(c))
                    out << g.TextMatrix(r, c);
            if (g.ColWidth(c) < 500)
                out << QStringLiteral("column %1 narrow").arg(c);
        }
        if (std::abs(w->Label2->Left() - (w->Label1->Left() + g.ColPos(5))) > 30)
            out << QStringLiteral("Chans not over (%)");
        return out.join(u',').toStdString();
    };
    Grid stored;
    stored.setCols(6);
    stored.setRows(6);
    stored.setTextMatrix(0, 0, QStringLiteral("1"));
    stored.setTextMatrix(1, 0, QStringLiteral("5427-5448"));
    stored.setTextMatrix(1, 1, QStringLiteral("228-250"));
    stored.setTextMatrix(2, 4, QStringLiteral("1"));
    stored.setTextMatrix(1, 5, QStringLiteral("100%"));
    garanti::showFromSlot(stored, 0);
    EXPECT_EQ(std::tuple(clipped(), garanti::loaded()->Grid2->ColWidth(4)), std::tuple("", 500));
    garanti::loaded()->stang_Click();

    // Outcome 11X: 20 rows with 13 right and 100 with 12, outcome 111 the other way round.
    std::vector<const char*> rows(100, "111");
    rows.insert(rows.end(), 20, "11X");
    typedSystem(0, 3, 0, rows)->Berakna_Click();
    EXPECT_EQ(std::tuple(gridText(*garanti::loaded()->Grid2).contains(u"20-100"), clipped()), std::tuple(true, ""));
    garanti::loaded()->stang_Click();
}
