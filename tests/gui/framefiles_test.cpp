// System files into frame slots, frame files out of and back into frame windows: the questions and
// their No and Cancel paths, the slot loader's edge cases, round trips through the windows and what
// a damaged file leaves behind.

#include "frame/couponexport.h"
#include "platform/atomicfile.h"
#include "platform/commondialog.h"
#include "platform/controls.h"
#include "shell/Module1.h"
#include "shell/framefile.h"
#include "shell/guide.h"
#include "shell/systemfile.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/child.h"
#include "support/mainwindow.h"
#include "support/textof.h"

#include <sys/stat.h>

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

// The words of one line: texts as they are, numbers in decimal.
template <class... T>
QString words(const T&... items)
{
    const auto word = [](const auto& x) {
        if constexpr (std::is_arithmetic_v<std::remove_cvref_t<decltype(x)>>)
            return QString::number(x);
        else
            return QStringView(x).toString();
    };
    return QStringList{word(items)...}.join(u' ');
}

// Everything of a frame that its file carries or that the reader rebuilds, one line per item, so
// that a failed comparison shows the lines that differ.
std::string describe(const Form1& f)
{
    const frame::FrameEditing& r = f.state();
    QStringList out;
    for (int i = 0; i < frame::CellCount; ++i)
        out << words(u"cell", i, r.Label1[i].Caption, r.Label1[i].ForeColor, r.markerad[i]);
    for (int m = 0; m < frame::MatchCount; ++m)
        out << words(u"match", m, r.Label5[m], frame::matchTypeByte(r.systyp[m]), r.antalmark[m]);
    for (int s = 0; s < frame::SlotCount; ++s) {
        out << words(u"slot", s, r.Label3[s], r.InsRader[s], r.sysrader[s], r.InsHalv[s].Caption,
            r.InsHalv[s].ForeColor, r.InsHel[s].Caption, r.InsHel[s].ForeColor, r.slottyp[s], r.sysgard[s],
            r.syshelgard[s], r.placeradhalv[s], r.placeradhel[s], r.sysianvand[s], r.Grid1Tag[s], r.SystemTag[s]);
        for (const Grid* g : {f.Grid1[s], f.Grid3[s]})
            out << words(g->Rows(), g->Cols(), gridText(*g));
    }
    out << words(r.Allrad, r.Text2, f.filtercheck->Value(), f.LikaRaderCheck->Value(), r.forminne.upperMatch(),
        r.forminne.upperRow(), r.temptempallrad, r.skapat);
    for (TextBox* t : f.filtertext)
        out << t->Text();
    return out.join(u'\n').toStdString();
}

// A slot's labels: system name, rows, half and full guards.
QString slotText(const Form1& f, int s)
{
    return words(f.Label3[s]->Caption(), f.InsRader[s]->Caption(), f.InsHalv[s]->Caption(), f.InsHel[s]->Caption());
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
    QString path(const QString& name) const { return dir.filePath(name); }
    QString put(const QString& name, const QByteArray& bytes) const
    {
        writeFileBytes(path(name), bytes);
        return path(name);
    }
    // Loads a system file into slot s through the open dialog; a reported one shows a message box.
    void load(Form1& f, int s, const QString& file, bool reported = false)
    {
        if (reported)
            user.clear();
        user.answerFileDialog(file);
        if (reported)
            user.answerMessageBox(vbmsg::OK);
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
    Boxes boxes() const { return boxesShown(user); }

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
// The scripted user fails a test on any message box or file dialog it was not told to answer.

TEST_F(FrameFiles, SlotTakesTheSystemsNumbersGridsAndLabelsAndWhatADamagedFileHeld)
{
    Form1& f = newFrame();
    const SystemFileData sys = makeSystem(1, 4, 2, 12);
    load(f, 1, put(QStringLiteral("4-2-12.RU"), writeSystemFile(sys)));
    EXPECT_EQ(std::tuple(user.fileDialogs().at(0).save, guide::instance()->guidetext->Text()),
        std::tuple(false, shownGuideText(kGuideLoadSystem)));
    const frame::FrameEditing& r = f.state();
    EXPECT_EQ(words(slotText(f, 1), f.Grid1[1]->Tag, f.System[1]->Tag, r.filbyte, r.slottyp[1], r.sysrader[1],
                  r.sysgard[1], r.syshelgard[1], f.systemsparat()),  // nothing is marked by a load
        u"4-2-12.RU 12 0/4 0/2 1 2 5 1 12 6 2 1");

    // Byte 0, at (1, 12), is the character 0 (shown here as "0"): no sign.
    EXPECT_EQ(words(f.Grid1[1]->Rows(), f.Grid1[1]->Cols(), gridText(*f.Grid1[1], 1, 1).replace(QChar(0), u'0')),
        u"7 13 1|2|1|2|1|2|1|2|1|2|1|0/2|1|2|1|2|1|2|1|2|1|2|1/1|2|1|2|1|2|1|2|1|2|1|2/"
        u"2|1|2|1|2|1|2|1|2|1|2|1/2|X|1|2|X|1|2|X|1|2|X|1/1|1|1|1|1|1|1|1|1|1|1|1");
    EXPECT_EQ(gridText(*f.Grid3[1]), u"1|1:3|kommentar åäö|||/|||||/0|10|20|30|40|50");

    // A damaged file is reported and keeps what was read. More rows than the grid takes: refused
    // before anything changes, the other slots stay as they were.
    const QByteArray whole = writeSystemFile(makeSystem(0, 2, 1, 5));
    const Boxes pastEnd{{QStringLiteral("Input past end of file"), vbmsg::OKOnly}};
    QByteArray absurd = whole;
    absurd[4] = char(0xFF);
    absurd[5] = char(0x7F);  // R = 32767 rows the file does not hold
    load(f, 0, put(QStringLiteral("absurd.RM"), absurd), true);
    EXPECT_EQ(user.messageBoxes().at(0).text, VbError::descriptionOf(vberr::GridTooManyColumns));
    EXPECT_EQ(words(f.Label3[0]->Caption(), f.Grid1[0]->Cols()), u"Inget system 2");

    // An empty file has not even a first byte.
    load(f, 0, put(QStringLiteral("empty.RM"), QByteArray()), true);
    EXPECT_EQ(std::tuple(boxes(), f.Label3[0]->Caption()), std::tuple(pastEnd, u"Inget system"));

    // Cut inside the last guarantee cell: counts and signs are sound, the table ends early. Tags and
    // numbers agree, so the frame still saves as it stands.
    load(f, 2, put(QStringLiteral("cut.RM"), whole.left(whole.size() - 1)), true);
    EXPECT_EQ(boxes(), pastEnd);
    EXPECT_EQ(words(slotText(f, 2), f.Grid1[2]->Cols(), f.System[2]->Tag), u"cut.RM 5 0/2 0/1 6 1");
    EXPECT_EQ(gridText(*f.Grid3[2]), u"1|1:3|kommentar åäö|||/|||||/0|10|20|30|40|");  // the last cell empty

    // Cut inside the sign block: the numbers and the grid's size are kept, with the signs read.
    load(f, 0, put(QStringLiteral("signs.RM"), whole.left(10 + 7)), true);
    EXPECT_EQ(boxes(), pastEnd);
    EXPECT_EQ(words(slotText(f, 0), f.Grid1[0]->Rows(), f.Grid1[0]->Cols()), u"signs.RM 5 0/2 0/1 4 6");
    EXPECT_EQ(f.Grid1[0]->TextMatrix(2, 2) + f.Grid1[0]->TextMatrix(2, 3), f.Grid1[2]->TextMatrix(2, 2) + QChar(0));
}

TEST_F(FrameFiles, ReloadAsksFirstAndClearsTheSlotsMatchesEvenWhenNoFileFollows)
{
    Form1& f = newFrame();
    load(f, 0, put(QStringLiteral("3-0-8.RM"), writeSystemFile(makeSystem(0, 3, 0, 8))));
    for (int i : {0, 1, 6, 8})
        f.Label1_Click(i);
    f.Option1_Click(frame::Mode::Matematisk);
    f.Label1_Click(12);
    f.Label1_Click(14);
    EXPECT_EQ(f.Allrad->Caption(), u"16");
    const auto before = describe(f);

    user.answerMessageBox(vbmsg::No);
    f.Ladda_Click(0);
    const QString warning =
        QStringLiteral("Varning! Allt som du har gjort med föregående system kommer att tas bort!\rVill du forätta?");
    EXPECT_EQ(boxes(), (Boxes{{warning, vbmsg::YesNo | vbmsg::Exclamation}}));
    EXPECT_EQ(describe(f), before);

    user.answerMessageBox(vbmsg::Yes).cancelFileDialog();
    f.Ladda_Click(0);
    const frame::FrameEditing& r = f.state();
    for (int i : {0, 1, 6, 8})  // unmarked, the colours stay
        EXPECT_EQ(words(f.Label1[i]->Caption(), f.Label1[i]->ForeColor(), r.markerad[i]), u" 40704 0") << i;
    for (int m : {0, 2})
        EXPECT_EQ(words(f.Label5[m]->Caption(), frame::matchTypeByte(r.systyp[m]), r.antalmark[m]), u"<*****> 0 0");
    // The mathematical half guard alone counts; the system loaded before stays in the slot, unused.
    EXPECT_EQ(words(f.Label5[4]->Caption(), f.Label1[12]->Caption(), f.Allrad->Caption(), r.sysianvand[0],
                  f.Label3[0]->Caption()),
        UIText(kUiMathematical) + u" 1 2 0 3-0-8.RM");
}

TEST_F(FrameFiles, AFrameFileInASlotAndSystemsOfMoreThanThirteenPositionsAreRefused)
{
    Form1& f = newFrame();
    const auto fresh = describe(f);
    FrameFileData big;
    big.slotBlocks[2].system = makeSystem(0, 14, 0, 2);
    QByteArray v9 = writeFrameFile(FrameFileData());
    v9[0] = 9;  // only versions 10 and 11 are read
    const struct {
        const char* name;
        QByteArray bytes;
        bool wholeFrame;
        int filbyte;
    } cases[] = {{"ram.1X2", writeFrameFile(FrameFileData()), false, 11},
        {"big.RM", writeSystemFile(makeSystem(0, 10, 4, 3)), false, 5}, {"big.1X2", writeFrameFile(big), true, 11},
        {"v9.1X2", v9, true, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        user.clear();
        user.answerFileDialog(put(QString::fromLatin1(c.name), c.bytes)).answerMessageBox(vbmsg::OK);
        if (c.wholeFrame)
            f.laddahelram_Click();
        else
            f.Ladda_Click(1);
        EXPECT_EQ(std::tuple(boxes(), f.state().filbyte, describe(f), f.windowTitle()),
            std::tuple(Boxes{{MessageText(kMsgWrongType), vbmsg::Exclamation}}, c.filbyte, fresh, u"Namnlös 1"));
    }
}

TEST_F(FrameFiles, HandedOverSystemLoadsIntoSystemOneOfTheNextFrameWithoutADialog)
{
    const QString sys = put(QStringLiteral("1-2-9.RM"), writeSystemFile(makeSystem(0, 2, 1, 9)));
    main_->anvandsystem = sys;
    Form1& f = newFrame();
    EXPECT_EQ(words(main_->anvandsystem, u"|", main_->CommonDialog1->FileName, slotText(f, 0)),
        u" | " + sys + u" 1-2-9.RM 9 0/2 0/1");

    // A name that cannot be opened stays set, and says why.
    main_->anvandsystem = path(QStringLiteral("gone.RM"));
    user.answerMessageBox(vbmsg::OK);
    Form1& g = newFrame();
    EXPECT_EQ(words(user.messageBoxes().at(0).text, main_->anvandsystem, g.Label3[0]->Caption()),
        u"File not found " + path(QStringLiteral("gone.RM")) + u" Inget system");
    main_->anvandsystem.clear();
}

// ---------------------------------------------------------------- frame files

TEST_F(FrameFiles, FrameSavedAndOpenedAgainIsTheSameFrameAndAVersionTenOrDamagedOneKeepsWhatItHolds)
{
    // An untouched frame: empty slots, and nothing counts as clicked when it comes back.
    newFrame();
    const QString empty = path(QStringLiteral("ny.1X2"));
    saveAs(empty);
    Form1& e = newFrame();
    open(e, empty);
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(words(slotText(e, s), e.state().sysrader[s]), u"Inget system 0 0/0 0/0 0");
    EXPECT_EQ(words(e.systemsparat(), e.windowTitle()), words(1, empty));

    // An edited one, with rows kept from an earlier "Skapa": they come back without the coupon view.
    Form1& f = editedFrame();
    RowMatrix rows(13, 4);
    for (int j = 0; j < 4; ++j)
        for (int m = 0; m < 13; ++m)
            rows.at(m, j) = std::uint8_t(1 + (m + j) % 3);
    f.change([&rows](frame::FrameEditing& ram) {
        ram.forminne = rows;
        ram.temptempallrad = 4;
    });
    EXPECT_FALSE(f.systemsparat());
    const auto before = describe(f);
    const QString file = path(QStringLiteral("ram.1X2"));
    saveAs(file);
    EXPECT_EQ(std::tuple(user.fileDialogs().back().save, guide::instance()->guidetext->Text()),
        std::tuple(true, shownGuideText(kGuideSaveFrame)));
    EXPECT_EQ(words(user.fileDialogs().back().fileName, main_->sparafel, f.systemsparat(), f.windowTitle()),
        u"Namnlös 3 0 1 " + file);

    user.answerFileDialog(file);
    main_->laddablankett_Click();
    processEvents();
    Form1& g = *active<Form1>();
    ASSERT_NE(&g, &f);
    EXPECT_EQ(std::tuple(user.fileDialogs().back().save, g.Tag, describe(g), g.state().forminne),
        std::tuple(false, QString(), before, rows));
    EXPECT_EQ(words(g.windowTitle(), g.state().filbyte, g.state().mode == frame::Mode::System1, g.systemsparat()),
        words(file, 11, 1, 0));  // the replayed clicks count as edits

    // Saved again it gives the same bytes.
    saveAs(path(QStringLiteral("again.1X2")));
    const QByteArray bytes = readFileBytes(file);
    EXPECT_EQ(readFileBytes(path(QStringLiteral("again.1X2"))), bytes);

    // Version 10 has no equal-rows choice: the frame keeps its own.
    QByteArray v10 = bytes;
    v10.remove(endOf(v10, FrameReadStage::RemoveEqualRows) - 1, 1);
    v10[0] = 10;
    Form1& v = newFrame();
    v.LikaRaderCheck->setValue(0);
    open(v, put(QStringLiteral("v10.1X2"), v10));
    EXPECT_EQ(words(v.state().filbyte, v.LikaRaderCheck->Value()), u"10 0");
    v.LikaRaderCheck->setValue(1);
    EXPECT_EQ(describe(v), before);

    // Cut inside the cell records: the slots are in, no cell is clicked, the caption stays.
    Form1& h = newFrame();
    open(h, put(QStringLiteral("cut.1X2"), bytes.left(endOf(bytes, FrameReadStage::Slots) + 20)), true);
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("Input past end of file"), vbmsg::OKOnly}}));
    EXPECT_EQ(words(h.Label3[0]->Caption(), h.Label3[1]->Caption(), h.Label1[1]->Caption(), h.systemsparat(),
                  h.windowTitle().left(7)),
        u"bas.RU plain.RM  1 Namnlös");

    // Cut inside the row matrix: the cells are rebuilt, the rows are not taken, the filter after
    // them is not reached.
    Form1& k = newFrame();
    open(k, put(QStringLiteral("matrix.1X2"), bytes.left(endOf(bytes, FrameReadStage::CellRecords) + 3)), true);
    EXPECT_EQ(words(k.Label1[1]->Caption(), k.state().forminne.upperMatch(), k.filtercheck->Value()), u"X 1 0");
}

// A frame read and saved with no edit gives back the bytes it was read from: a full slot and its
// created rows, a partly placed one with a comment-only table, an empty one at its designed size,
// and slots stored at shapes no window makes, whose tables can still be shown.
TEST_F(FrameFiles, FrameReadAndSavedUnchangedIsTheSameFileByteForByte)
{
    Form1& f = newFrame();
    load(f, 0, put(QStringLiteral("full.RM"), writeSystemFile(makeSystem(0, 2, 0, 4))));
    SystemFileData partial = makeSystem(0, 1, 2, 5);
    partial.gCols = 3;
    partial.gRows = 1;
    partial.resizeToCounts();
    partial.setGuaranteeCell(0, 2, QStringLiteral("bara kommentar"));
    load(f, 1, put(QStringLiteral("partial.RM"), writeSystemFile(partial)));
    for (int i : {0, 1, 3, 4})
        f.Label1_Click(i);
    f.OK_Click();  // rows created from System 1, kept in the file after the edits below
    ASSERT_EQ(f.forminnecopy().upperRow(), 4);
    f.Visaram_Click();
    f.Option1_Click(frame::Mode::System2);
    f.Label1_Click(6);
    f.Label1_Click(8);
    saveAs(path(QStringLiteral("made.1X2")));
    const QByteArray made = readFileBytes(path(QStringLiteral("made.1X2")));

    // The same frame with its slots stored at other shapes.
    const auto reshaped = [&made](int s, int gCols, int gRows, int rows, int guarded) {
        FrameFileData d = readFrameFile(made).data;
        SystemBlock& b = d.slotBlocks[std::size_t(s)].system;
        const SystemBlock old = b;
        std::tie(b.gCols, b.gRows, b.rows, b.guarded) = std::tie(gCols, gRows, rows, guarded);
        b.resizeToCounts();
        for (int c = 0; c < gCols; ++c)
            for (int r = 0; r < gRows; ++r)
                b.setGuaranteeCell(r, c, old.guaranteeCell(r, c) + QString::number(c));
        for (int k = 1; k <= guarded; ++k)
            for (int c = 1; c <= rows; ++c)
                b.setSign(k, c, old.sign(k, c));
        return writeFrameFile(d);
    };
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {{"made", made}, {"empty 0x0", reshaped(2, 0, 0, 0, 0)}, {"empty 4x0", reshaped(2, 4, 0, 1, 1)},
        {"empty 9x2", reshaped(2, 9, 2, 3, 13)}, {"partial 2x3", reshaped(1, 2, 3, 5, 3)},
        {"partial 1x0", reshaped(1, 1, 0, 5, 3)}, {"full 8x6", reshaped(0, 8, 6, 4, 2)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        Form1& g = newFrame();
        open(g, put(name + u".1X2", c.bytes));
        saveAs(path(name + u".saved"));
        EXPECT_EQ(readFileBytes(path(name + u".saved")).toHex(' '), c.bytes.toHex(' '));
        // The empty slot's table, never computed, at whatever shape it was stored.
        user.clear();
        user.answerMessageBox(vbmsg::OK);
        g.visagaranti_Click(2);
        EXPECT_EQ(boxes(), (Boxes{{MessageText(kMsgGuaranteeNotComputed), vbmsg::Exclamation}}));
        g.close();
    }
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
    saveAs(path(QStringLiteral("filtrerad.1X2")));
    Form1& h = newFrame();
    open(h, path(QStringLiteral("filtrerad.1X2")));
    EXPECT_EQ(std::tuple(h.copyskapat(), h.grid2frame->Visible(), h.systemsparat()), std::tuple(true, true, false));
    EXPECT_EQ(words(h.Label4->Caption(), h.filtercheck->Value(), h.Allrad->Caption(), h.copytemptempallrad(),
                  h.state().allradram),
        words(f.Label4->Caption(), 1, f.Allrad->Caption(), 12, 12));
    EXPECT_EQ(h.forminnecopy(), f.forminnecopy());
}

// ---------------------------------------------------------------- Save As questions

TEST_F(FrameFiles, CancelledDeclinedOrFailedSaveKeepsTheOldFileAndTheFramesState)
{
    Form1& f = editedFrame();
    const QString existing = put(QStringLiteral("gammal.1X2"), QByteArray("old"));
    const Boxes replace{
        {QStringLiteral("Filen finns redan! Vill du skriva över den gamla filen?"), vbmsg::YesNo | vbmsg::Exclamation}};
    const struct {
        QString file;  // empty: the dialog is cancelled
        std::vector<int> answers;
        const char* slotTag;  // "x" is no number: the write fails
        Boxes boxes;
    } steps[] = {
        {QString(), {}, "0", {}}, {existing, {vbmsg::No}, "0", replace},
        {existing, {vbmsg::Yes, vbmsg::OK}, "x", {replace[0], {QStringLiteral("Type mismatch"), vbmsg::OKOnly}}},
        {path(QStringLiteral("nowhere/ram.1X2")), {vbmsg::OK}, "0",
            {{QStringLiteral("Path not found"), vbmsg::OKOnly}}},
        {existing, {vbmsg::Yes}, "0", replace},  // saved
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.file.toStdString() + " " + step.slotTag);
        f.change([&step](frame::FrameEditing& ram) { ram.SystemTag[2] = QString::fromLatin1(step.slotTag); });
        user.clear();
        if (step.file.isEmpty())
            user.cancelFileDialog();
        else
            user.answerFileDialog(step.file);
        for (int a : step.answers)
            user.answerMessageBox(a);
        main_->sparafel = false;
        main_->sparasom_Click();
        const bool saved = &step == std::end(steps) - 1;  // three systems and the old file, no other
        EXPECT_EQ(std::tuple(boxes(), main_->sparafel, readFileBytes(existing).left(saved ? 1 : 3), f.systemsparat(),
                      f.windowTitle(), QDir(dir.path()).entryList(QDir::Files).size()),
            std::tuple(step.boxes, !saved, saved ? QByteArray(1, 11) : QByteArray("old"), saved,
                saved ? existing : QStringLiteral("Namnlös 1"), 4));
    }
}

// Save As and the export write through a link to its file; a pipe, a device or a read-only file is
// refused before anything is asked or written; a file-size limit is reported as a full disk.
TEST_F(FrameFiles, SavesWriteThroughLinksAndRefusePipesDevicesReadOnlyFilesAndTheSizeLimit)
{
    newFrame();
    const QString target = put(QStringLiteral("mål.1X2"), "old");
    const QString link = path(QStringLiteral("länk.1X2"));
    ASSERT_TRUE(QFile::link(target, link));
    user.answerMessageBox(vbmsg::Yes);
    saveAs(link);
    EXPECT_EQ(
        std::tuple(QFileInfo(link).isSymLink(), readFileBytes(target).startsWith(char(11))), std::tuple(true, true));
    const QByteArray saved = readFileBytes(target);

    const QString fifo = path(QStringLiteral("rör.str"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    const QString readOnly = put(QStringLiteral("skyddad.str"), "old");
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    // The device is a file of the test's own that the checks take for one.
    const QString device = put(QStringLiteral("device.str"), "device");
    const vb::FileSystemSeam seam{device, {}};
    vb::installFileSystemSeam(&seam);
    const Boxes fileType{{MessageText(kMsgWrongType), vbmsg::Exclamation}};
    const struct {
        QString file;
        bool exported;  // else Save As
        Boxes boxes;
    } refused[] = {{fifo, false, fileType}, {fifo, true, fileType}, {device, false, fileType}, {device, true, fileType},
        {readOnly, true, {{QStringLiteral("Permission denied"), vbmsg::OKOnly}}}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.file.toStdString());
        user.clear();
        user.answerFileDialog(r.file).answerMessageBox(vbmsg::OK);
        main_->sparafel = false;
        if (r.exported)
            frame::exportCoupons(*main_, CouponGame::Stryktipset);
        else
            main_->sparasom_Click();
        EXPECT_EQ(std::tuple(boxes(), main_->sparafel), std::tuple(r.boxes, true));
    }
    vb::installFileSystemSeam(nullptr);
    EXPECT_EQ(std::tuple(QFileInfo(fifo).exists(), QFileInfo(fifo).isFile(), readFileBytes(readOnly),
                  readFileBytes(device)),
        std::tuple(true, false, QByteArray("old"), QByteArray("device")));

    // The program as it starts, under a file-size limit smaller than the frame.
    const QString files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).join(u'|');
    const auto inChild = [&] {
        Module1::prepareProcess();
        user.clear();
        user.answerFileDialog(target).answerMessageBox(vbmsg::Yes).answerMessageBox(vbmsg::OK);
        main_->sparasom_Click();
        const Boxes expected{{MessageText(kMsgOverwrite), vbmsg::YesNo | vbmsg::Exclamation},
            {QStringLiteral("Disk full"), vbmsg::OKOnly}};
        return boxes() == expected && main_->sparafel ? 0 : 1;
    };
    EXPECT_EQ(childExit(10, inChild), 0);
    EXPECT_EQ(readFileBytes(target), saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).join(u'|'), files);
}

// A name the user gives is the file's own: with "ram.1X2" in the folder, Save As "Ram.1X2" asks
// nothing and makes a file of its own; "a\\b.1X2" is one file of that name, not b.1X2 in the folder
// a. The export does the same, and names of 255 bytes and paths of more than 256 characters are
// saved, exported and opened like any other.
TEST_F(FrameFiles, SaveExportAndOpenTakeTheNameExactlyAsGivenAtAnyLengthTheSystemTakes)
{
    newFrame();
    const QString lower = put(QStringLiteral("ram.1X2"), "old");
    const QString lowerExport = put(QStringLiteral("ram.str"), "old");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a")));
    const QString deep = path(QString(100, u'd') + u'/' + QString(100, u'e') + u'/' + QString(100, u'f'));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString names[] = {path(QStringLiteral("Ram.1X2")), path(QStringLiteral("a\\b.1X2")),
        path(QString(251, u'n') + QStringLiteral(".1X2")), deep + QStringLiteral("/Ram.1X2")};
    for (const QString& name : names) {
        SCOPED_TRACE(name.size());
        user.clear();
        main_->sparafel = false;
        saveAs(name);
        const QString exported = QString(name).replace(QStringLiteral(".1X2"), QStringLiteral(".str"));
        user.answerFileDialog(exported);
        frame::exportCoupons(*main_, CouponGame::Stryktipset);
        EXPECT_EQ(std::tuple(boxes(), main_->sparafel, main_->activeChild()->windowTitle(), readFileBytes(name).left(1),
                      readFileBytes(exported).left(11)),
            std::tuple(Boxes{}, false, name, QByteArray(1, 11), QByteArray("Stryktipset")));
        Form1& opened = newFrame();  // saved in its turn by the next name
        open(opened, name);
        EXPECT_EQ(opened.windowTitle(), name);
    }
    EXPECT_EQ(std::tuple(readFileBytes(lower), readFileBytes(lowerExport), QDir(path(QStringLiteral("a"))).isEmpty()),
        std::tuple(QByteArray("old"), QByteArray("old"), true));
    // Opened, too, a name is the one given.
    user.clear();
    user.answerFileDialog(path(QStringLiteral("RAM.1X2"))).answerMessageBox(vbmsg::OK);
    newFrame().laddahelram_Click();
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("File not found"), vbmsg::OKOnly}}));
}

TEST_F(FrameFiles, SaveAsOfAnotherWindowDoesNothingAndWithoutOneTakesTheAbortPath)
{
    main_->guidemenu_Click();
    processEvents();
    ASSERT_EQ(main_->activeChild(), guide::instance());
    main_->sparafel = false;
    main_->sparasom_Click();
    EXPECT_FALSE(main_->sparafel);

    main_->mdiArea()->closeAllSubWindows();
    processEvents();
    ASSERT_EQ(main_->activeChild(), nullptr);
    user.answerMessageBox(vbmsg::OK);
    main_->sparasom_Click();
    EXPECT_EQ(std::tuple(main_->sparafel, user.messageBoxes().at(0).style), std::tuple(true, int(vbmsg::OKOnly)));
}

}  // namespace
