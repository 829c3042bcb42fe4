// System files into frame slots, frame files out of and back into frame windows: the questions and
// their No and Cancel paths, the slot loader's edge cases, round trips through the windows and what
// a damaged file leaves behind.

#include "frame/Form1.h"
#include "platform/commondialog.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/vbtext.h"
#include "support/mainwindow.h"
#include "shell/Module1.h"
#include "shell/framefile.h"
#include "shell/guide.h"
#include "shell/systemfile.h"
#include "shell/texts/texts.h"
#include "support/scripteduser.h"
#include "support/testhelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A system of `half` half guards and `full` full guards with R rows: signs in a pattern, a guarantee
// grid of 6 columns and 3 rows with its computed flag, reduction and comment.
SystemFileData makeSystem(int type, int half, int full, int rows)
{
    SystemFileData d;
    d.type = type;
    d.guarded = half + full;
    d.fullGuards = full;
    d.rows = rows;
    d.gCols = 6;
    d.gRows = 3;
    d.resizeToCounts();
    const char signs[3] = {'1', 'X', '2'};
    for (int k = 1; k <= d.guarded; ++k)
        for (int c = 1; c <= rows; ++c)
            d.setSign(k, c, std::uint8_t(k <= half ? signs[(c + k) % 2 * 2] : signs[(c * k) % 3]));
    d.setSign(1, rows, 0);  // an empty cell
    d.setGuaranteeCell(0, 0, QStringLiteral("1"));
    d.setGuaranteeCell(0, 1, QStringLiteral("1:3"));
    d.setGuaranteeCell(0, 2, QStringLiteral("kommentar åäö"));
    for (int c = 0; c < 6; ++c)
        d.setGuaranteeCell(2, c, QString::number(c * 10));
    return d;
}

QString gridText(const Grid& g)
{
    QStringList out{QStringLiteral("%1x%2").arg(g.Rows()).arg(g.Cols())};
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c)
            out << g.TextMatrix(r, c);
    return out.join(u'|');
}

// Everything of a frame that its file carries or that the reader rebuilds, one line per item.
std::vector<std::string> describe(const Form1& f)
{
    const frame::FrameEditing& r = f.state();
    QStringList out;
    for (int i = 0; i < frame::CellCount; ++i)
        out << QStringLiteral("cell %1 '%2' %3 %4")
                   .arg(i)
                   .arg(r.Label1[i].Caption)
                   .arg(r.Label1[i].ForeColor)
                   .arg(r.markerad[i]);
    for (int m = 0; m < frame::MatchCount; ++m)
        out << QStringLiteral("match %1 '%2' type %3 marks %4")
                   .arg(m)
                   .arg(r.Label5[m])
                   .arg(frame::matchTypeByte(r.systyp[m]))
                   .arg(r.antalmark[m]);
    for (int s = 0; s < frame::SlotCount; ++s) {
        out << QStringLiteral("slot %1 %2 rows %3/%4 half %5 %6 full %7 %8 type %9")
                   .arg(s)
                   .arg(r.Label3[s], r.InsRader[s])
                   .arg(r.sysrader[s])
                   .arg(r.InsHalv[s].Caption)
                   .arg(r.InsHalv[s].ForeColor)
                   .arg(r.InsHel[s].Caption)
                   .arg(r.InsHel[s].ForeColor)
                   .arg(r.slottyp[s]);
        out << QStringLiteral("slot %1 guards %2 %3 placed %4 %5 used %6 tags %7 %8")
                   .arg(s)
                   .arg(r.sysgard[s])
                   .arg(r.syshelgard[s])
                   .arg(r.placeradhalv[s])
                   .arg(r.placeradhel[s])
                   .arg(r.sysianvand[s])
                   .arg(r.Grid1Tag[s], r.SystemTag[s]);
        out << gridText(*f.Grid1[s]) << gridText(*f.Grid3[s]);
    }
    out << QStringLiteral("Allrad ") + r.Allrad << QStringLiteral("Text2 ") + r.Text2
        << QStringLiteral("filter %1 equal %2").arg(f.filtercheck->Value()).arg(f.LikaRaderCheck->Value());
    for (TextBox* t : f.filtertext)
        out << t->Text();
    out << QStringLiteral("rows %1 %2 created %3 skapat %4")
               .arg(r.forminne.upperMatch())
               .arg(r.forminne.upperRow())
               .arg(r.temptempallrad)
               .arg(r.skapat);
    std::vector<std::string> lines;
    for (const QString& line : out)
        lines.push_back(line.toStdString());
    return lines;
}

// Line by line, so that a failure names what differs.
void expectSame(const std::vector<std::string>& got, const std::vector<std::string>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]);
}

// The length of the shortest start of a frame file that holds `stage` whole.
qsizetype endOf(const QByteArray& bytes, FrameReadStage stage)
{
    qsizetype n = 0;
    while (n < bytes.size() && readFrameFile(bytes.left(n)).reached < stage)
        ++n;
    return n;
}

class FrameFiles : public MainWindowTest {
protected:
    MDIForm1& main() { return *main_; }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString put(const QString& name, const QByteArray& bytes) const
    {
        writeFileBytes(path(name), bytes);
        return path(name);
    }
    // Loads a system file into slot s through the open dialog.
    void load(Form1& f, int s, const QString& file)
    {
        user.answerFileDialog(file);
        f.Ladda_Click(s);
    }
    void saveAs(const QString& file)
    {
        user.answerFileDialog(file);
        main_->sparasom_Click();
    }
    // Opens a frame file into f; a refused one shows one message box.
    void open(Form1& f, const QString& file, bool refused = false)
    {
        user.clear();
        user.answerFileDialog(file);
        if (refused)
            user.answerMessageBox(vbmsg::OK);
        f.laddahelram_Click();
        ASSERT_EQ(user.messageBoxes().size(), refused ? 1u : 0u);
    }
    static QString guidePage() { return guide::instance()->guidetext->Text(); }
    static QString page(int id) { return GuideText(id).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

    // A frame with a base-row system in System 1, a plain one in System 2 and one more in System 3
    // (a slot stored empty reads back with counters of its own), guards of the first two, a
    // percent match, a mathematical guard, a single and its options changed.
    Form1& editedFrame()
    {
        Form1& f = newFrame();
        load(f, 0, put(QStringLiteral("bas.RU"), writeSystemFile(makeSystem(1, 2, 1, 9))));
        load(f, 1, put(QStringLiteral("plain.RM"), writeSystemFile(makeSystem(0, 3, 0, 8))));
        load(f, 2, put(QStringLiteral("full.KU"), writeSystemFile(makeSystem(1, 0, 2, 3))));
        f.Option1_Click(frame::Mode::System1);
        for (int i : {1, 0, 3, 4, 5, 8, 6})  // X before 1: X is the base-row sign of match 1
            f.Label1_Click(i);
        f.Option1_Click(frame::Mode::System2);
        for (int i : {9, 11, 15, 16})
            f.Label1_Click(i);
        f.Option1_Click(frame::Mode::Procent);
        f.Label1_Click(21);
        f.Option1_Click(frame::Mode::Matematisk);
        for (int i : {24, 25, 26})
            f.Label1_Click(i);
        f.Option1_Click(frame::Mode::System1);
        f.Label1_Click(29);  // a single "2"
        f.filtercheck->setValue(1);
        f.filtertext[1]->setText(QStringLiteral("9"));
        f.LikaRaderCheck->setValue(1);
        return f;
    }

    QTemporaryDir dir;
};

// ---------------------------------------------------------------- a system into a slot

TEST_F(FrameFiles, SlotTakesTheSystemsNumbersGridsAndLabels)
{
    Form1& f = newFrame();
    const SystemFileData sys = makeSystem(1, 4, 2, 12);
    load(f, 1, put(QStringLiteral("4-2-12.RU"), writeSystemFile(sys)));

    EXPECT_TRUE(user.messageBoxes().empty());
    ASSERT_EQ(user.fileDialogs().size(), 1u);
    EXPECT_FALSE(user.fileDialogs()[0].save);
    EXPECT_EQ(guidePage(), page(8));

    EXPECT_EQ(f.Label3[1]->Caption(), u"4-2-12.RU");
    EXPECT_EQ(f.InsRader[1]->Caption(), u"12");
    EXPECT_EQ(f.InsHalv[1]->Caption(), u"0/4");
    EXPECT_EQ(f.InsHel[1]->Caption(), u"0/2");
    EXPECT_EQ(f.Grid1[1]->Tag, u"1");
    EXPECT_EQ(f.System[1]->Tag, u"2");
    EXPECT_EQ(f.state().filbyte, 5);
    EXPECT_EQ(f.state().slottyp[1], 1);
    EXPECT_EQ(f.state().sysrader[1], 12);
    EXPECT_EQ(f.state().sysgard[1], 6);
    EXPECT_EQ(f.state().syshelgard[1], 2);
    EXPECT_TRUE(f.systemsparat());  // nothing is marked by a load

    const Grid& g1 = *f.Grid1[1];
    ASSERT_EQ(g1.Rows(), 7);
    ASSERT_EQ(g1.Cols(), 13);
    for (int k = 1; k <= 6; ++k)
        for (int c = 1; c <= 12; ++c)
            EXPECT_EQ(g1.TextMatrix(k, c), QString(QChar(char16_t(sys.sign(k, c))))) << k << "," << c;
    EXPECT_EQ(g1.TextMatrix(1, 12), QString(QChar(u'\0')));  // byte 0 is the character 0: no sign
    const Grid& g3 = *f.Grid3[1];
    ASSERT_EQ(g3.Rows(), 3);
    ASSERT_EQ(g3.Cols(), 6);
    EXPECT_EQ(g3.TextMatrix(0, 2), u"kommentar åäö");
    EXPECT_EQ(g3.TextMatrix(2, 5), u"50");
    // The other slots are untouched.
    EXPECT_EQ(f.Label3[0]->Caption(), u"Inget system");
    EXPECT_EQ(f.Grid1[0]->Rows(), 2);
}

TEST_F(FrameFiles, ReloadAsksFirstAndClearsTheSlotsMatchesEvenWhenNoFileFollows)
{
    Form1& f = newFrame();
    const QString sys = put(QStringLiteral("3-0-8.RM"), writeSystemFile(makeSystem(0, 3, 0, 8)));
    load(f, 0, sys);
    for (int i : {0, 1, 6, 8})
        f.Label1_Click(i);
    f.Option1_Click(frame::Mode::Matematisk);
    f.Label1_Click(12);
    f.Label1_Click(14);
    EXPECT_EQ(f.Allrad->Caption(), u"16");
    const auto before = describe(f);

    user.answerMessageBox(vbmsg::No);
    f.Ladda_Click(0);
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, MessageText(12));
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::YesNo | vbmsg::Exclamation);
    EXPECT_EQ(user.fileDialogs().size(), 1u);  // only the first load's
    expectSame(describe(f), before);

    user.clear();
    user.answerMessageBox(vbmsg::Yes).cancelFileDialog();
    f.Ladda_Click(0);
    EXPECT_EQ(user.messageBoxes().size(), 1u);  // the cancel says nothing
    for (int i : {0, 1, 6, 8}) {
        EXPECT_EQ(f.Label1[i]->Caption(), u"") << i;
        EXPECT_FALSE(f.state().markerad[i]);
        EXPECT_EQ(f.Label1[i]->ForeColor(), frame::GuardColour::Green) << "colours stay";
    }
    EXPECT_EQ(f.Label5[0]->Caption(), u"<*****>");
    EXPECT_EQ(f.Label5[2]->Caption(), u"<*****>");
    EXPECT_EQ(f.Label5[4]->Caption(), UIText(122));
    EXPECT_EQ(f.state().systyp[0], frame::MatchType::None);
    EXPECT_EQ(f.state().antalmark[2], 0);
    EXPECT_EQ(f.Label1[12]->Caption(), u"1");
    EXPECT_EQ(f.Allrad->Caption(), u"2");  // the mathematical half guard alone
    EXPECT_FALSE(f.state().sysianvand[0]);
    EXPECT_EQ(f.Label3[0]->Caption(), u"3-0-8.RM");  // the old system stays in the slot
}

TEST_F(FrameFiles, AFrameFileInASlotAndSystemsOfMoreThanThirteenPositionsAreRefused)
{
    Form1& f = newFrame();
    const auto fresh = describe(f);
    FrameFileData big;
    big.slotBlocks[2].system = makeSystem(0, 14, 0, 2);
    const struct {
        const char* name;
        QByteArray bytes;
        bool wholeFrame;
        int filbyte;
    } cases[] = {{"ram.1X2", writeFrameFile(FrameFileData()), false, 11},
        {"big.RM", writeSystemFile(makeSystem(0, 10, 4, 3)), false, 5},
        {"big.1X2", writeFrameFile(big), true, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        user.clear();
        user.answerFileDialog(put(QString::fromLatin1(c.name), c.bytes)).answerMessageBox(vbmsg::OK);
        if (c.wholeFrame)
            f.laddahelram_Click();
        else
            f.Ladda_Click(1);
        ASSERT_EQ(user.messageBoxes().size(), 1u);
        EXPECT_EQ(user.messageBoxes()[0].text, MessageText(39));
        EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::Exclamation);
        EXPECT_EQ(f.state().filbyte, c.filbyte);
        expectSame(describe(f), fresh);
    }
}

TEST_F(FrameFiles, DamagedSystemFileIsReportedAndKeepsWhatWasRead)
{
    Form1& f = newFrame();
    const QByteArray whole = writeSystemFile(makeSystem(0, 2, 1, 5));
    // Cut inside the last guarantee cell: counts and signs are sound, the table ends early.
    const QString cut = put(QStringLiteral("cut.RM"), whole.left(whole.size() - 1));
    user.answerMessageBox(vbmsg::OK);
    load(f, 2, cut);
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, u"Input past end of file");
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::OKOnly);
    EXPECT_EQ(f.Label3[2]->Caption(), u"cut.RM");
    EXPECT_EQ(f.InsRader[2]->Caption(), u"5");
    EXPECT_EQ(f.Grid1[2]->Cols(), 6);
    EXPECT_EQ(f.Grid3[2]->TextMatrix(0, 0), u"1");
    EXPECT_EQ(f.Grid3[2]->TextMatrix(2, 4), u"40");
    EXPECT_EQ(f.Grid3[2]->TextMatrix(2, 5), u"");
    // Tags and numbers agree, so the frame still saves as it stands.
    EXPECT_EQ(f.System[2]->Tag, u"1");

    // Cut inside the sign block: the numbers and the grid's size are kept, with the signs read.
    user.clear();
    user.answerMessageBox(vbmsg::OK);
    load(f, 1, put(QStringLiteral("signs.RM"), whole.left(10 + 7)));
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, u"Input past end of file");
    EXPECT_EQ(f.Label3[1]->Caption(), u"signs.RM");
    EXPECT_EQ(f.InsRader[1]->Caption(), u"5");
    EXPECT_EQ(f.InsHalv[1]->Caption(), u"0/2");
    EXPECT_EQ(f.Grid1[1]->Rows(), 4);
    EXPECT_EQ(f.Grid1[1]->Cols(), 6);
    EXPECT_EQ(f.Grid1[1]->TextMatrix(2, 2), f.Grid1[2]->TextMatrix(2, 2));
    EXPECT_EQ(f.Grid1[1]->TextMatrix(2, 3), QString(QChar(0)));

    // More rows than the grid takes: refused before anything changes.
    QByteArray absurd = whole;
    absurd[4] = char(0xFF);
    absurd[5] = char(0x7F);  // R = 32767 rows the file does not hold
    user.clear();
    user.answerMessageBox(vbmsg::OK);
    load(f, 0, put(QStringLiteral("absurd.RM"), absurd));
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, VbError::descriptionOf(vberr::GridTooManyColumns));
    EXPECT_EQ(f.Label3[0]->Caption(), u"Inget system");
    EXPECT_EQ(f.Grid1[0]->Cols(), 2);

    // An empty file has not even a first byte.
    user.clear();
    user.answerMessageBox(vbmsg::OK);
    load(f, 0, put(QStringLiteral("empty.RM"), QByteArray()));
    EXPECT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(f.Label3[0]->Caption(), u"Inget system");
}

TEST_F(FrameFiles, HandedOverSystemLoadsIntoSystemOneOfTheNextFrameWithoutADialog)
{
    const QString sys = put(QStringLiteral("1-2-9.RM"), writeSystemFile(makeSystem(0, 2, 1, 9)));
    main().anvandsystem = sys;
    Form1& f = newFrame();
    EXPECT_TRUE(user.fileDialogs().empty());
    EXPECT_TRUE(main().anvandsystem.isEmpty());
    EXPECT_EQ(main().CommonDialog1->FileName, sys);
    EXPECT_EQ(f.Label3[0]->Caption(), u"1-2-9.RM");
    EXPECT_EQ(f.InsHalv[0]->Caption(), u"0/2");

    // A name that cannot be opened stays set, and says why.
    main().anvandsystem = path(QStringLiteral("gone.RM"));
    user.answerMessageBox(vbmsg::OK);
    Form1& g = newFrame();
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, u"File not found");
    EXPECT_EQ(main().anvandsystem, path(QStringLiteral("gone.RM")));
    EXPECT_EQ(g.Label3[0]->Caption(), u"Inget system");
    main().anvandsystem.clear();
}

// ---------------------------------------------------------------- frame files

TEST_F(FrameFiles, FrameSavedAndOpenedAgainIsTheSameFrame)
{
    Form1& f = editedFrame();
    EXPECT_TRUE(user.messageBoxes().empty());
    EXPECT_FALSE(f.systemsparat());
    const auto before = describe(f);
    const QString file = path(QStringLiteral("ram.1X2"));

    saveAs(file);
    const FileDialogRequest req = user.fileDialogs().back();
    EXPECT_TRUE(req.save);
    EXPECT_EQ(req.fileName, u"Namnlös 1");
    EXPECT_EQ(guidePage(), page(2));
    EXPECT_FALSE(main().sparafel);
    EXPECT_TRUE(f.systemsparat());
    EXPECT_EQ(f.windowTitle(), file);
    const QByteArray bytes = readFileBytes(file);

    user.answerFileDialog(file);
    main().laddablankett_Click();
    processEvents();
    Form1& g = *active<Form1>();
    ASSERT_NE(&g, &f);
    EXPECT_FALSE(user.fileDialogs().back().save);
    EXPECT_TRUE(g.Tag.isEmpty());
    EXPECT_TRUE(user.messageBoxes().empty());
    expectSame(describe(g), before);
    EXPECT_EQ(g.windowTitle(), file);
    EXPECT_EQ(g.state().filbyte, 11);
    EXPECT_EQ(g.state().mode, frame::Mode::System1);
    EXPECT_FALSE(g.systemsparat());  // the replayed clicks count as edits

    // Saved again it gives the same bytes.
    const QString again = path(QStringLiteral("again.1X2"));
    saveAs(again);
    EXPECT_EQ(readFileBytes(again), bytes);
}

TEST_F(FrameFiles, VersionTenLeavesTheEqualRowsChoiceAndOtherVersionsAreRefused)
{
    Form1& f = editedFrame();
    f.LikaRaderCheck->setValue(0);
    const QString file = path(QStringLiteral("v11.1X2"));
    saveAs(file);
    QByteArray v10 = readFileBytes(file);
    v10.remove(endOf(v10, FrameReadStage::RemoveEqualRows) - 1, 1);
    v10[0] = 10;

    Form1& g = newFrame();
    g.LikaRaderCheck->setValue(1);
    open(g, put(QStringLiteral("v10.1X2"), v10));
    EXPECT_EQ(g.state().filbyte, 10);
    EXPECT_EQ(g.LikaRaderCheck->Value(), 1);
    g.LikaRaderCheck->setValue(0);
    expectSame(describe(g), describe(f));

    QByteArray v9 = readFileBytes(file);
    v9[0] = 9;
    Form1& h = newFrame();
    const auto fresh = describe(h);
    open(h, put(QStringLiteral("v9.1X2"), v9), true);
    EXPECT_EQ(user.messageBoxes()[0].text, MessageText(39));
    expectSame(describe(h), fresh);
    EXPECT_EQ(h.windowTitle().left(7), u"Namnlös");
}

TEST_F(FrameFiles, EmptySlotsAndStoredRowsComeBack)
{
    newFrame();
    const QString empty = path(QStringLiteral("ny.1X2"));
    saveAs(empty);
    Form1& g = newFrame();
    open(g, empty);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(g.Label3[s]->Caption(), u"Inget system");
        EXPECT_EQ(g.InsRader[s]->Caption(), u"0");
        EXPECT_EQ(g.InsHalv[s]->Caption(), u"0/0");
        EXPECT_EQ(g.state().sysrader[s], 0);
    }
    EXPECT_TRUE(g.systemsparat());  // nothing was clicked
    EXPECT_EQ(g.windowTitle(), empty);

    // Rows kept from an earlier "Skapa" come back without the coupon view.
    RowMatrix rows(13, 4);
    for (int j = 0; j < 4; ++j)
        for (int m = 0; m < 13; ++m)
            rows.at(m, j) = std::uint8_t(1 + (m + j) % 3);
    Form1& e = editedFrame();
    e.change([&rows](frame::FrameEditing& ram) {
        ram.forminne = rows;
        ram.temptempallrad = 4;
    });
    const QString file = path(QStringLiteral("rader.1X2"));
    saveAs(file);
    Form1& h = newFrame();
    open(h, file);
    EXPECT_EQ(h.state().forminne, rows);
    EXPECT_EQ(h.state().temptempallrad, 4);
    EXPECT_FALSE(h.state().skapat);
}

// Rows created without the filter come back in the user story; through it, the count shown is the one
// the rows were left with.
TEST_F(FrameFiles, FrameCreatedThroughTheFilterOpensInTheCouponViewWithItsCount)
{
    Form1& f = newFrame();
    SystemFileData sys = makeSystem(0, 2, 0, 4);
    sys.setSign(1, 4, '1');
    load(f, 0, put(QStringLiteral("2-0-4.RM"), writeSystemFile(sys)));
    for (int i : {0, 1, 4, 5})
        f.Label1_Click(i);
    f.Option1_Click(frame::Mode::Matematisk);
    for (int i : {9, 10, 11})
        f.Label1_Click(i);
    ASSERT_EQ(f.Allrad->Caption(), u"12");
    f.filtercheck->setValue(1);
    for (int i = 0; i < 6; ++i)
        f.filtertext[i]->setText(QString::fromLatin1(i < 3 ? "13" : "0"));
    user.answerMessageBox(vbmsg::OK);  // the filter kept every row
    f.OK_Click();
    ASSERT_TRUE(f.copyskapat());
    const QString filtered = path(QStringLiteral("filtrerad.1X2"));
    saveAs(filtered);
    user.answerFileDialog(filtered);
    main().laddablankett_Click();
    processEvents();
    Form1& h = *active<Form1>();
    EXPECT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_TRUE(h.copyskapat());
    EXPECT_TRUE(h.grid2frame->Visible());
    EXPECT_FALSE(h.systemsparat());
    EXPECT_EQ(h.Label4->Caption(), f.Label4->Caption());
    EXPECT_EQ(h.filtercheck->Value(), 1);
    EXPECT_EQ(h.Allrad->Caption(), f.Allrad->Caption());
    EXPECT_EQ(h.copytemptempallrad(), 12);
    EXPECT_EQ(h.state().allradram, 12);
    EXPECT_EQ(h.forminnecopy(), f.forminnecopy());
}

TEST_F(FrameFiles, DamagedFrameFileIsReportedAndKeepsWhatWasRead)
{
    editedFrame();
    const QString file = path(QStringLiteral("hel.1X2"));
    saveAs(file);
    const QByteArray bytes = readFileBytes(file);

    // Cut inside the cell records: the slots are in, no cell is clicked, the caption stays.
    Form1& g = newFrame();
    open(g, put(QStringLiteral("cut.1X2"), bytes.left(endOf(bytes, FrameReadStage::Slots) + 20)), true);
    EXPECT_EQ(user.messageBoxes()[0].text, u"Input past end of file");
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::OKOnly);
    EXPECT_EQ(g.Label3[0]->Caption(), u"bas.RU");
    EXPECT_EQ(g.Label3[1]->Caption(), u"plain.RM");
    EXPECT_EQ(g.Label1[1]->Caption(), u"");
    EXPECT_TRUE(g.systemsparat());
    EXPECT_EQ(g.windowTitle().left(7), u"Namnlös");

    // Cut inside the row matrix: the cells are rebuilt, the rows are not taken.
    Form1& h = newFrame();
    open(h, put(QStringLiteral("matrix.1X2"), bytes.left(endOf(bytes, FrameReadStage::CellRecords) + 3)), true);
    EXPECT_EQ(h.Label1[1]->Caption(), u"X");
    EXPECT_EQ(h.state().forminne.upperMatch(), 1);
    EXPECT_EQ(h.filtercheck->Value(), 0);  // after the matrix: not reached
}

// ---------------------------------------------------------------- Save As questions

TEST_F(FrameFiles, CancelledOrDeclinedSaveWritesNothing)
{
    Form1& f = editedFrame();
    const QString title = f.windowTitle();

    user.cancelFileDialog();
    main().sparafel = false;
    main().sparasom_Click();
    EXPECT_TRUE(main().sparafel);
    EXPECT_TRUE(user.messageBoxes().empty());
    EXPECT_FALSE(f.systemsparat());
    EXPECT_EQ(f.windowTitle(), title);

    const QString existing = put(QStringLiteral("gammal.1X2"), QByteArray("old"));
    user.answerFileDialog(existing).answerMessageBox(vbmsg::No);
    main().sparafel = false;
    main().sparasom_Click();
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, MessageText(3));
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::YesNo | vbmsg::Exclamation);
    EXPECT_TRUE(main().sparafel);
    EXPECT_EQ(readFileBytes(existing), QByteArray("old"));
    EXPECT_FALSE(f.systemsparat());

    user.clear();
    user.answerFileDialog(existing).answerMessageBox(vbmsg::Yes);
    main().sparafel = false;
    main().sparasom_Click();
    EXPECT_FALSE(main().sparafel);
    EXPECT_EQ(readFileBytes(existing).left(1), QByteArray(1, 11));
    EXPECT_TRUE(f.systemsparat());
    EXPECT_EQ(f.windowTitle(), existing);
}

TEST_F(FrameFiles, FailedSaveKeepsTheOldFileAndTheFramesState)
{
    Form1& f = editedFrame();
    const QString existing = put(QStringLiteral("gammal.1X2"), QByteArray("old"));
    f.change([](frame::FrameEditing& ram) { ram.SystemTag[2] = QStringLiteral("x"); });  // a slot tag that is no number
    user.answerFileDialog(existing).answerMessageBox(vbmsg::Yes).answerMessageBox(vbmsg::OK);
    main().sparafel = false;
    main().sparasom_Click();
    ASSERT_EQ(user.messageBoxes().size(), 2u);
    EXPECT_EQ(user.messageBoxes()[1].text, u"Type mismatch");
    EXPECT_EQ(user.messageBoxes()[1].style, vbmsg::OKOnly);
    EXPECT_TRUE(main().sparafel);
    EXPECT_EQ(readFileBytes(existing), QByteArray("old"));
    EXPECT_FALSE(f.systemsparat());
    EXPECT_EQ(f.windowTitle(), u"Namnlös 1");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);  // three systems and the old file

    // A folder that does not exist.
    f.change([](frame::FrameEditing& ram) { ram.SystemTag[2] = QStringLiteral("0"); });
    user.clear();
    user.answerFileDialog(path(QStringLiteral("nowhere/ram.1X2"))).answerMessageBox(vbmsg::OK);
    main().sparasom_Click();
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].text, u"Path not found");
    EXPECT_FALSE(f.systemsparat());
}

TEST_F(FrameFiles, SaveAsOfAnotherWindowDoesNothingAndWithoutOneTakesTheAbortPath)
{
    main().guidemenu_Click();
    processEvents();
    QWidget* child = main().activeChild();
    ASSERT_EQ(child, guide::instance());
    main().sparafel = false;
    main().sparasom_Click();
    EXPECT_FALSE(main().sparafel);
    EXPECT_TRUE(user.messageBoxes().empty());
    EXPECT_TRUE(user.fileDialogs().empty());

    main().mdiArea()->closeAllSubWindows();
    processEvents();
    ASSERT_EQ(main().activeChild(), nullptr);
    user.answerMessageBox(vbmsg::OK);
    main().sparasom_Click();
    EXPECT_TRUE(main().sparafel);
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].style, vbmsg::OKOnly);
    EXPECT_TRUE(user.fileDialogs().empty());
}

}  // namespace
