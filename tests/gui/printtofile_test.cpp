// Printing to a PDF file: a target that is no regular file is refused before anything opens it, in
// Qt's print dialog and when the print starts; the file is replaced only by a whole print.

#include "platform/language.h"
#include "platform/prnshw.h"
#include "printing/calibration.h"
#include "printing/printjob.h"
#include "shell/Module1.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/child.h"
#include "support/pdfpages.h"
#include "support/qtdialogs.h"
#include "support/scripteduser.h"
#include "support/testhelpers.h"
#include "support/textof.h"

#include <QLineEdit>
#include <QPrinter>
#include <sys/stat.h>

namespace {

using namespace Qt::StringLiterals;

class PrintToFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        sprakoffset = 0;
        config_.writeIni("AppPath=" + config_.folder().toUtf8() + "\r\n");
        writeCalibration(resetCalibration());
        prnshw::setContextMaker(nullptr);
        InitPSD();
        prnshw::printer()->setOutputFileName(pdf_);
    }
    void TearDown() override { FreePSD(); }

    void writeCalibration(const PrintCalibration& c) const
    {
        writeFileBytes(config_.folder() + QStringLiteral("/tips.cnf"), encodeCalibration(c));
    }
    // Prints twelve rows; the error that stopped the print, the boxes it showed.
    std::pair<int, Boxes> print(const PrintChoices& choices = {})
    {
        user_.clear();
        const int error = printOnPrinter(rows_, QStringLiteral("12"), choices);
        return {error, boxesShown(user_)};
    }
    static Boxes unexpected(int error)
    {
        return {{MessageText(kMsgUnexpectedError) + u" Error: " + QString::number(error), vbmsg::Critical}};
    }
    QString files() const
    {
        return QDir(config_.folder()).entryList(QDir::Files | QDir::Hidden | QDir::System).join(u'|');
    }

    ScratchConfig config_;
    ScriptedUser user_;
    const QString pdf_ = config_.folder() + QStringLiteral("/kuponger.pdf");
    RowMatrix rows_ = allOnes();

private:
    // Twelve rows of "1": a print draws coupons (one with no marks at all reaches nothing).
    static RowMatrix allOnes()
    {
        RowMatrix rows(12, 11);
        std::fill_n(rows.row(0), 13 * 12, std::uint8_t{1});
        return rows;
    }
};

// Nothing reads the pipe, so an open would wait for ever: the child that tries is ended by the alarm.
TEST_F(PrintToFile, APipeIsRefusedInQtsDialogAndWhenThePrintStartsWithoutBeingOpened)
{
    const QString fifo = config_.folder() + QStringLiteral("/rör.pdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    prnshw::printer()->setOutputFileName(fifo);

    // Exit code: 1 the dialog, 2 the print went wrong.
    const auto inChild = [&] {
        // Qt's own dialog, its Print button clicked with the pipe as its file.
        const int refused = withDesktopDialog(
            user_, [](QWidget* dialog) { buttonWithRole(dialog, QDialogButtonBox::AcceptRole)->click(); },
            [] { return errorOf([] { ShowPSD(); }); });
        user_.answerMessageBox(vbmsg::OK);
        const bool printRefused = print() == std::pair(int{vberr::NotARegularFile}, unexpected(vberr::NotARegularFile));
        return (refused == vberr::NotARegularFile ? 0 : 1) | (printRefused ? 0 : 2);
    };
    EXPECT_EQ(childExit(std::nullopt, inChild), 0);

    // "Skriv ut" with the pipe picked in the PDF save dialog: the same message.
    prnshw::setPdfFileName(QString());
    user_.answerFileDialog(fifo).answerMessageBox(vbmsg::OK);
    printFrameRows(rows_, QStringLiteral("12"), QStringLiteral("Ram 1"));
    EXPECT_EQ(boxesShown(user_), unexpected(vberr::NotARegularFile));
}

TEST_F(PrintToFile, AnExistingPdfIsReplacedOnlyByAWholePrint)
{
    writeFileBytes(pdf_, "old");
    const QString before = files();
    PrintChoices badRange;
    badRange.range = true;
    badRange.fran = QStringLiteral("3");
    PrintCalibration aboveTheMargin = resetCalibration();
    aboveTheMargin.distance[TOP] = -10;

    // A file the user did not choose in this session: asked first, and No prints nothing.
    const Boxes replace{{MessageText(kMsgOverwrite), vbmsg::YesNo | vbmsg::Exclamation}};
    user_.answerMessageBox(vbmsg::No);
    EXPECT_EQ(print(), std::pair(0, replace));
    // Yes, then message 31; Cancel at message 37; an error (no calibration file).
    user_.answerMessageBox(vbmsg::Yes).answerMessageBox(vbmsg::OK);
    EXPECT_EQ(print(badRange).second, (Boxes{replace[0], {MessageText(kMsgBadPrintRange), vbmsg::Exclamation}}));
    writeCalibration(aboveTheMargin);
    user_.answerMessageBox(vbmsg::Cancel);
    EXPECT_EQ(print().second.size(), 1u);
    QFile::remove(config_.folder() + QStringLiteral("/tips.cnf"));
    user_.answerMessageBox(vbmsg::OK);
    EXPECT_EQ(print().second, unexpected(53));
    writeCalibration(resetCalibration());
    EXPECT_EQ(readFileBytes(pdf_), "old");

    // The program as it starts, under a file-size limit smaller than the document.
    const auto inChild = [&] {
        Module1::prepareProcess();
        user_.answerMessageBox(vbmsg::OK);
        return print() == std::pair(int{vberr::DiskFull}, unexpected(vberr::DiskFull)) ? 0 : 1;
    };
    EXPECT_EQ(childExit(100, inChild), 0);
    EXPECT_EQ(std::tuple(readFileBytes(pdf_), files()), std::tuple("old", before));

    EXPECT_EQ(print(), std::pair(0, Boxes{}));
    EXPECT_TRUE(readFileBytes(pdf_).startsWith("%PDF"));
    EXPECT_EQ(files(), before);
}


// Prints on any context with the calibration given, answering every message with OK.
class ContextHooks final : public PrintHooks {
public:
    ContextHooks(gdi::DeviceContext& dc, PrintCalibration calibration) : dc_(dc), calibration_(calibration) { }
    gdi::DeviceContext& StartPrint() override { return dc_; }
    void NewPagePrint(gdi::DeviceContext& dc) override { dc.newPage(); }
    void EndPrint(gdi::DeviceContext& dc) override { dc.endDocument(); }
    PrintCalibration readCalibration() override { return calibration_; }
    int message(MessageTextId, int, int) override { return vbmsg::OK; }

private:
    gdi::DeviceContext& dc_;
    PrintCalibration calibration_;
};

// Qt gives a printer 1200 dpi, an image may have a resolution of its own along each axis: each still
// draws a cross of the calibrated size where the calibration puts it, with the stroke it has at
// 300 dpi (0.17 mm).
TEST_F(PrintToFile, EveryDeviceDrawsTheCrossesOfThreeHundredDpiWhateverItsResolution)
{
    // The calibration in millimetres as the print draws it: whole pixels of 300 dpi.
    const PrintCalibration cal = resetCalibration();
    auto mm = [&cal](CalibrationDistance d) { return std::round(cal.distance[d] * 300 / 254.0) * 25.4 / 300; };
    const double cross = mm(CROSSW);

    prnshw::printer()->setResolution(1200);
    EXPECT_EQ(print({.range = true, .fran = QStringLiteral("1"), .till = QStringLiteral("1")}), std::pair(0, Boxes{}));
    const std::vector<QImage> pages = pdfpages::render(pdf_, config_.folder() + QStringLiteral("/pages"));
    ASSERT_EQ(pages.size(), 1U);
    const std::vector<pdfpages::Mark> marks = pdfpages::marks(pages[0]);
    ASSERT_EQ(marks.size(), 10U * 13U);
    EXPECT_NEAR(marks.front().centreXMm(), mm(LEFT) + cross / 2, 0.1);
    EXPECT_NEAR(marks.front().centreYMm(), mm(TOP) + mm(CROSSH) / 2, 0.1);
    for (const pdfpages::Mark& m : marks)
        EXPECT_NEAR(pdfpages::crossStrokeMm(m, cross, mm(CROSSH)), 0.17, 0.05);

    // 600 pixels per inch across, 300 down: the cross at LEFT, TOP in millimetres on both axes.
    QImage image(800, 400, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(600 / 0.0254));
    image.setDotsPerMeterY(qRound(300 / 0.0254));
    const std::unique_ptr<gdi::DeviceContext> dc = prnshw::paintOnImage(image);
    ContextHooks hooks(*dc, cal);
    RowMatrix one(12, 0);
    one.at(0, 0) = 1;
    EXPECT_EQ(printCoupons(one, QStringLiteral("1"), {}, hooks), 0);
    const std::vector<pdfpages::Mark> drawn = pdfpages::marks(image);
    ASSERT_EQ(drawn.size(), 1U);
    const QRect box = drawn[0].box;
    EXPECT_NEAR((box.left() + box.right() + 1) / 2.0 * 25.4 / 600, mm(LEFT) + cross / 2, 0.1);
    EXPECT_NEAR((box.top() + box.bottom() + 1) / 2.0 * 25.4 / 300, mm(TOP) + mm(CROSSH) / 2, 0.1);
    EXPECT_NEAR(box.width() * 25.4 / 600, cross + 0.17, 0.1);
    EXPECT_NEAR(box.height() * 25.4 / 300, mm(CROSSH) + 0.17, 0.15);
}

// Qt's printer set-up offers "Print to File (PDF)" with a file named after the frame: its base name
// with ".pdf", in the frame's folder, or in the home folder for a frame never saved.
TEST_F(PrintToFile, ThePrinterSetUpProposesThePdfFileOfTheFrame)
{
    const QString saved = config_.folder() + QStringLiteral("/tips/vecka 12.1X2");
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Namnlös 1"), QDir::home().filePath(QStringLiteral("Namnlös 1.pdf"))},
        {saved, config_.folder() + QStringLiteral("/tips/vecka 12.pdf")}};
    for (const auto& [caption, proposed] : cases) {
        prnshw::setPdfFileName(QString());
        prnshw::setDocumentName(caption);
        QString shown;
        withDesktopDialog(
            user_,
            [&shown](QWidget* dialog) {
                shown = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
                dialog->close();
            },
            [] { ShowPSD(); });
        EXPECT_EQ(shown, proposed);
    }
}


// The printer set-up's Properties offer nothing that would turn, move, shrink or add a coupon page
// (the print sets those itself); the paper stays to choose.
TEST_F(PrintToFile, ThePrinterPropertiesOfferNothingThatMovesOrScalesTheCrosses)
{
    std::map<QString, bool> offered;
    const auto inspect = [&offered](QWidget* properties) {
        for (const char* name : {"portrait", "landscape", "topMargin", "leftMargin", "pagesPerSheetCombo",
                 "pagesPerSheetLayoutCombo", "startBannerPageCombo", "endBannerPageCombo"})
            if (auto* w = properties->findChild<QWidget*>(QLatin1String(name)))
                offered[QLatin1String(name)] = w->isVisibleTo(properties);
        qobject_cast<QDialog*>(properties)->reject();
    };
    withDesktopDialog(
        user_,
        [&inspect](QWidget* dialog) {
            onNextModal(dialog, inspect);
            dialog->findChild<QAbstractButton*>(QStringLiteral("properties"))->click();
            dialog->close();
        },
        [] { ShowPSD(); });
    EXPECT_EQ(offered.size(), 8u);
    for (const auto& [name, shown] : offered)
        EXPECT_FALSE(shown) << name.toStdString();
}

}  // namespace
