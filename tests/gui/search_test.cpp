// The correct-row search window, the multiplication button and the coupon export, driven through the
// main window's commands with the scripted user.

#include "frame/exportfile.h"
#include "platform/controls.h"
#include "platform/filenumber.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/textof.h"
#include "systems/rattrad.h"

#include <array>

namespace {

constexpr std::uint32_t kGreen = 0x7F00;
constexpr std::uint32_t kRed = 0xFF;

class Search : public MainWindowTest {
protected:
    void TearDown() override
    {
        FileNumber::one().close();
        MainWindowTest::TearDown();
    }

    // The correct row "1X2..." marked by clicks on the window's cells.
    static void mark(rattrad& w, const char* row)
    {
        for (int m = 0; row[m]; ++m)
            w.Label1_Click(3 * m + (row[m] == '1' ? 0 : row[m] == 'X' ? 1 : 2));
    }
    QString exportTo(const QString& path, bool europatipset = false)
    {
        user.answerFileDialog(path);
        main_->sparafel = false;
        (europatipset ? main_->SvenskaspelEuropatipset : main_->SvenskaSpelStryktipset)->trigger();
        return path;
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(Search, FrameSearchRefusesAnIncompleteRowThenCountsAndTheExportKeepsTheOldFileOnFailure)
{
    // Without a frame the export does nothing.
    main_->runCommand(MainCommand::ExportEuropatipset);
    newSystem(0, 3, 2);
    main_->runCommand(MainCommand::ExportEuropatipset);
    EXPECT_FALSE(main_->sparafel);

    Form1& frame = createdFrame("FFFFFF1111111");  // 729 rows
    const RowMatrix rows = frame.forminnecopy();
    main_->sok->trigger();
    rattrad* w = rattrad::current();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(
        std::tuple(w->isVisible(), main_->Enabled(), w->windowTitle(), w->Text1->Text(), w->Label1[38]->Visible()),
        std::tuple(true, false, UIText(kUiSearchCaption), frame.windowTitle(), true));

    // An incomplete row is refused.
    mark(*w, "111111111111");  // match 13 left empty
    w->Label1_Click(37);
    w->Label1_Click(37);  // marked and unmarked again
    user.answerMessageBox(vbmsg::OK);
    w->sok_Click();
    EXPECT_EQ(std::tuple(boxesShown(user), w->Label6[0]->Caption()),
        std::tuple(Boxes{{MessageText(kMsgIncompleteRow), vbmsg::Exclamation}}, QString()));

    // The command again: the old window goes, the new one starts with no marks and keeps the lock.
    main_->runCommand(MainCommand::Search);
    processEvents();
    w = rattrad::current();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(std::tuple(w->Label1[0]->Caption(), main_->Enabled()), std::tuple(QString(), false));

    // "X" then "1" on match 1 moves the mark; all "1" but "X" on match 13.
    user.clear();
    w->Label1_Click(1);
    mark(*w, "111111111111X");
    EXPECT_EQ(w->Label1[0]->Caption() + u'|' + w->Label1[1]->Caption(), u"1|");
    w->sok_Click();

    // Only the first row, six "1", reaches 12; the rows without a "1" among the guards have 6 right.
    // Which levels the text lists is the search's own test.
    const QString text = w->Text2->Text();
    EXPECT_TRUE(text.startsWith(u"12 Rätt i rad 1\r\n\r\n11 Rätt i rad ")) << text.left(40).toStdString();
    auto levels = [w] {
        return std::tuple(w->Label6[13]->Caption(), w->Label6[12]->Caption(), w->Label6[12]->ForeColor(),
            w->Label6[6]->Caption(), w->Label6[6]->ForeColor(), w->Text2->Text());
    };
    const auto counted = std::tuple(QString(), u"1 st", kGreen, u"64 st", kRed, text);
    EXPECT_EQ(levels(), counted);
    w->sok_Click();  // a second search counts afresh
    EXPECT_EQ(levels(), counted);

    w->avbryt->click();
    processEvents();
    EXPECT_EQ(std::tuple(rattrad::current(), main_->Enabled()), std::tuple(nullptr, true));

    const QString path = exportTo(dir_.filePath(QStringLiteral("rows.str")));
    ASSERT_EQ(user.fileDialogs().size(), 1u);
    EXPECT_EQ(std::tuple(user.fileDialogs()[0].save, user.fileDialogs()[0].fileName),
        std::tuple(true, frame.windowTitle() + u".str"));
    EXPECT_FALSE(main_->sparafel);
    // The format itself is the export's own test; here the frame's rows are what is written.
    EXPECT_EQ(readFileBytes(path), writeCouponExport(CouponGame::Stryktipset, rows));

    const QString old = dir_.filePath(QStringLiteral("old.eur"));
    writeFileBytes(old, "old");
    user.answerMessageBox(vbmsg::No);
    exportTo(old, true);
    const auto kept = [&](MessageTextId message) { return std::tuple(MessageText(message), true, QByteArray("old")); };
    const auto outcome = [&] {
        return std::tuple(user.messageBoxes().back().text, main_->sparafel, readFileBytes(old));
    };
    EXPECT_EQ(outcome(), kept(kMsgOverwrite));

    // Yes, but the write fails: the old file is still whole and the failure is reported.
    FileNumber::one().open(dir_.filePath(QStringLiteral("busy")), FileNumber::Mode::BinaryWrite);
    user.answerMessageBox(vbmsg::Yes).answerMessageBox(vbmsg::OK);
    exportTo(old, true);
    EXPECT_EQ(outcome(), kept(kMsgFileAlreadyOpen));
    EXPECT_FALSE(FileNumber::one().isOpen());

    user.answerMessageBox(vbmsg::Yes);
    exportTo(old, true);
    EXPECT_EQ(
        std::pair(main_->sparafel, readFileBytes(old).left(16)), std::pair(false, QByteArray("Europatipset\r\nE,")));

    // A folder that is not there: its own message, nothing written, no success.
    user.clear();
    user.answerMessageBox(vbmsg::OK);
    exportTo(dir_.filePath(QStringLiteral("missing/new.eur")));
    EXPECT_EQ(std::tuple(user.messageBoxes().size(), user.messageBoxes().at(0).style, main_->sparafel,
                  QFile::exists(dir_.filePath(QStringLiteral("missing/new.eur")))),
        std::tuple(1u, int(vbmsg::OKOnly), true, false));
}

TEST_F(Search, ASystemOfSevenPositionsShowsTwentyOneCellsAndSwedishText)
{
    Form2& e = *newSystem(0, 7, 3);
    typeSigns(e, {"1X21X21", "1X21X22", "2.11111"});
    sprakoffset = 10000;  // Finnish: the system's text stays Swedish
    main_->runCommand(MainCommand::Search);
    rattrad* w = rattrad::current();
    EXPECT_EQ(std::tuple(w->sourceKind(), w->Label1[20]->Visible(), w->Label1[21]->Visible()),
        std::tuple(DocumentKind::System, true, false));
    mark(*w, "1X21X21");
    w->sok_Click();
    // The search leaves the editor's current cell on the last cell it read.
    EXPECT_EQ(std::tuple(w->Text2->Text(), w->Label6[7]->Caption(), e.Grid1->Row(), e.Grid1->Col()),
        std::tuple(u"7 Rätt i rad 1\r\n\r\n6 Rätt i rad 2\r\n\r\n2 Rätt i rad 3\r\n\r\n", u"1 kpl", 7, 3));
    w->close();
    // The system is still the active document.
    EXPECT_EQ(std::pair(main_->Enabled(), main_->SSRibbon3->isEnabled()), std::pair(true, true));
}

TEST_F(Search, MultiplicationInThreeClicksMarksTheSystemChanged)
{
    Form2& e = *newSystem(0, 5, 8);
    typeSigns(e, {"1X...", "21...", "..X.."});
    e.Grid2->setTextMatrix(0, 0, QStringLiteral("1"));
    e.syssparat = true;
    // The block clicked: A, then B, then the target at the current cell.
    auto click = [&e](int r1, int r2, int c1, int c2) { select(*e.Grid1, r1, c1, r2, c2), e.ganger_Click(); };
    EXPECT_EQ(e.ganger->Caption(), u"Multiplikation");
    click(1, 2, 1, 2);
    EXPECT_EQ(std::tuple(e.ganger->Caption(), e.Grid1->Row(), e.Grid1->Col()), std::tuple(u"gånger val 2", 2, 2));
    click(3, 3, 3, 3);
    EXPECT_EQ(e.ganger->Caption(), u"Likamed");

    // Rows 3..5 of columns 4 and 5: the last column that fits.
    e.Grid1->setRow(3);
    e.Grid1->setCol(4);
    e.ganger_Click();
    EXPECT_EQ(e.ganger->Caption(), u"Multiplikation");
    const QString product = QStringLiteral("1|2||||||/X|1||||||/||X|1|2|||/|||X|1|||/|||X|X|||");
    EXPECT_EQ(std::tuple(gridText(*e.Grid1, 1, 1), e.Grid1->Col()), std::tuple(product, 5));
    // The highlighted cell is the current one, which a key then edits.
    EXPECT_EQ((std::array{e.Grid1->SelStartRow(), e.Grid1->SelEndRow(), e.Grid1->SelStartCol(), e.Grid1->SelEndCol()}),
        (std::array{3, 3, 5, 5}));
    EXPECT_EQ(std::pair(e.Grid2->TextMatrix(0, 0), e.syssparat), std::pair(QStringLiteral("0"), false));

    // One row lower the product would leave the grid: message 24, the grid unchanged.
    click(1, 2, 1, 2);
    click(3, 3, 3, 3);
    user.answerMessageBox(vbmsg::OK);
    e.Grid1->setRow(4);
    e.Grid1->setCol(4);
    e.ganger_Click();
    EXPECT_EQ(std::tuple(boxesShown(user), gridText(*e.Grid1, 1, 1), e.ganger->Caption()),
        std::tuple(Boxes{{MessageText(kMsgProductTooLong), vbmsg::Exclamation}}, product, u"Multiplikation"));
}
