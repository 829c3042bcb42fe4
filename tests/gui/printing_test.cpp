// Printing through the windows: the print dialog's choices kept and reset, its lock and Finnish
// captions, the calibration dialog reading and writing tips.cnf, a frame printed on a recording
// context, and one real PDF whose crosses stand where the calibration puts them.

#include "platform/controls.h"
#include "platform/prnshw.h"
#include "printing/calibration.h"
#include "printing/printerinst.h"
#include "printing/printjob.h"
#include "printing/printruta.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/pdfpages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QTest>

namespace {

class Printing : public MainWindowTest {
protected:
    void SetUp() override
    {
        config_.writeIni("[Velkorin]\r\nAppPath=" + config_.folder().toUtf8() + "\r\n");
        writeFileBytes(tipsPath(), encodeCalibration(resetCalibration()));
        MainWindowTest::SetUp();
        frame_ = &newFrame();
        frame_->change([](frame::FrameEditing& ram) {
            ram.forminne = RowMatrix(12, 24);
            std::fill_n(ram.forminne.row(0), 13 * 25, std::uint8_t{1});
            ram.Allrad = QStringLiteral("25");
        });
        // The print counts the rows in the frame's state, never in the label that shows them.
        frame_->Allrad->setCaption(QStringLiteral("0"));
        prnshw::setContextMaker([this] {
            auto dc = std::make_unique<gdi::RecordingContext>(gdi::RecordingContext::Caps{254, 254, 0, 0});
            log_ = dc->log();
            jobName_ = prnshw::printer()->docName();
            return dc;
        });
    }
    void TearDown() override
    {
        prnshw::setContextMaker(nullptr);
        MainWindowTest::TearDown();
        EXPECT_EQ(prnshw::preparedCount(), 0);
    }
    QString tipsPath() const { return config_.folder() + QStringLiteral("/tips.cnf"); }
    int printed(const char* name) const
    {
        return log_ ? static_cast<int>(gdi::RecordingContext::named(*log_, {name}).size()) : -1;
    }

    Form1* frame_ = nullptr;
    std::shared_ptr<const std::vector<gdi::GdiCall>> log_;
    QString jobName_;
};

// The lock moves the focus out of the frame (to the guide), which would leave no document active
// once the main window is active again; the unlock gives it back. Reopened after the title bar's
// close the dialog starts afresh, in the language of the moment.
TEST_F(Printing, PrintDialogKeepsItsChoicesUntilClosedThroughTheTitleBarAndGivesTheFocusBack)
{
    QApplication::setActiveWindow(main_.get());
    main_->SkrivUt_Click();
    printruta* dialog = printruta::instance();
    EXPECT_EQ(std::tuple(main_->Enabled(), prnshw::preparedCount()), std::tuple(false, 1));
    (*dialog->skrivoption)[1]->setValue(true);
    dialog->fran->setText(QStringLiteral("3"));
    dialog->till->setText(QStringLiteral("2"));
    (*dialog->orient)[1]->setValue(true);
    dialog->joker[1]->setValue(1);
    dialog->skrivare_Click();
    EXPECT_EQ(user.shown().back().kind, ScriptedUser::Shown::PrinterSetup);
    user.answerFileDialog(config_.folder() + QStringLiteral("/coupons.pdf"));
    dialog->ok_Click();
    EXPECT_EQ(std::tuple(main_->Enabled(), dialog->isVisible()), std::tuple(true, false));
    EXPECT_EQ(jobName_, frame_->windowTitle());
    // Coupons 2 and 3: rows 10..24, turned, joker 2 on both pages.
    EXPECT_EQ(std::tuple(printed("MoveToEx"), printed("NewPagePrint")), std::tuple(2 * (15 * 13 + 2), 1));

    frame_->ok->setFocus();
    processEvents();
    main_->SkrivUt_Click();
    ASSERT_EQ(printruta::instance(), dialog);
    EXPECT_EQ(std::tuple(dialog->fran->Text(), (*dialog->orient)[1]->Value(), dialog->joker[1]->Value()),
        std::tuple(u"3", true, 1));
    dialog->avbryt_Click();
    processEvents();
    EXPECT_EQ(std::tuple(main_->Enabled(), main_->focusWidget()), std::tuple(true, frame_->ok));

    main_->SkrivUt_Click();
    printruta::instance()->close();
    processEvents();
    EXPECT_EQ(std::tuple(main_->Enabled(), printruta::exists(), prnshw::preparedCount()), std::tuple(true, false, 0));
    sprakoffset = 10000;
    main_->SkrivUt_Click();
    dialog = printruta::instance();
    EXPECT_EQ(std::tuple((*dialog->skrivoption)[0]->Value(), (*dialog->orient)[0]->Value()), std::tuple(true, true));
    EXPECT_EQ(dialog->joker[0]->Value() + dialog->joker[1]->Value(), 0);
    EXPECT_EQ(dialog->fran->Text() + u'-' + dialog->till->Text(), u"-");
    EXPECT_EQ((*dialog->skrivoption)[1]->Caption() + dialog->Label1->Caption(), u" -->");
    dialog->close();
    processEvents();
}

TEST_F(Printing, CalibrationDialogReadsResetsAndWritesOnlyWithAProgramFolder)
{
    PrintCalibration stored = resetCalibration();
    stored.distance[TOP] = 0;  // shows as an empty box
    stored.ANGLE = 0.5F;
    stored.STYLE = 0;
    stored.RPC = 12;
    writeFileBytes(tipsPath(), encodeCalibration(stored) + "tail");
    main_->printer->trigger();
    printerinst* dialog = printerinst::instance();
    EXPECT_EQ(std::tuple(main_->Enabled(), (*dialog->kryssruta)[1]->Value()), std::tuple(true, true));
    EXPECT_EQ(dialog->Text1[0]->Text() + u'|' + dialog->Text1[1]->Text() + u'|' + dialog->Text3->Text() + u'|' +
            dialog->RadKupong->Text(),
        u"|140|0.5|12");

    // Typing 3 then 0 into the rows box clears it at the 0.
    dialog->RadKupong->clear();
    dialog->RadKupong->setFocus();
    QTest::keyClicks(dialog->RadKupong, QStringLiteral("30"));
    EXPECT_TRUE(dialog->RadKupong->Text().isEmpty());
    QTest::keyClicks(dialog->RadKupong, QStringLiteral("25"));  // written below

    // Enter walks the boxes and ends on OK without pressing it.
    dialog->Text1[5]->setFocus();
    QTest::keyClick(dialog->Text1[5], Qt::Key_Return);
    QTest::keyClick(dialog->Text1[6], Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());

    dialog->aterstall_Click();
    dialog->aterstalljoker_Click();
    dialog->ok_Click();
    EXPECT_FALSE(dialog->isVisible());
    stored.distance[TOP] = resetCalibration().distance[TOP];  // the reset leaves angle and style
    stored.RPC = 25;
    EXPECT_EQ(readFileBytes(tipsPath()), encodeCalibration(stored) + "tail");

    // Without a program folder in the settings nothing is written.
    config_.writeIni("[Velkorin]\r\n");
    user.answerMessageBox(vbmsg::OK).answerMessageBox(vbmsg::OK).answerMessageBox(vbmsg::OK);
    main_->printer->trigger();
    dialog->start();
    dialog->ok_Click();
    ASSERT_EQ(user.messageBoxes().size(), 3U);  // the opening, start() again, OK
    for (const auto& box : user.messageBoxes())
        EXPECT_EQ(box.text, currentMessageText(kMsgNoAppPath));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(readFileBytes(tipsPath()), encodeCalibration(stored) + "tail");
}

// With no printer installed the print dialog prepares a PDF printer at 300 dpi. "Skriv ut" asks for
// its file with the save dialog (Cancel is silent); the set-up dialog closed without OK leaves the
// printer as it was. Rendered back, each cross's centre is dark and the box beside it light.
TEST_F(Printing, WithoutPrintersSkrivUtAsksForThePdfFileAndPrintsCrossesWhereTheCalibrationPutsThem)
{
    prnshw::setContextMaker(nullptr);
    const QString pdf = config_.folder() + QStringLiteral("/coupons.pdf");
    main_->SkrivUt_Click();
    printruta* dialog = printruta::instance();
    const QPrinter& printer = *prnshw::printer();
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);

    user.cancelFileDialog();
    dialog->ok_Click();
    ASSERT_EQ(user.fileDialogs().size(), 1U);
    const FileDialogRequest asked = user.fileDialogs().front();
    EXPECT_EQ(std::tuple(asked.save, asked.filter), std::tuple(true, QStringLiteral("PDF (*.pdf)|*.pdf")));
    EXPECT_EQ(asked.fileName, QDir::home().filePath(frame_->windowTitle() + u".pdf"));

    // Set up: A3 (ten rows fit across) with small margins; then a set-up dialog closed by its title bar.
    user.answerPrinterSetup([](QPrinter& p) {
        p.setPageSize(QPageSize(QPageSize::A3));
        p.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        return true;
    });
    user.answerPrinterSetup([](QPrinter& p) {
        p.setPageSize(QPageSize(QPageSize::A5));
        p.setOutputFileName(QString());
        return false;
    });
    main_->SkrivUt_Click();
    dialog->skrivare_Click();
    dialog->skrivare_Click();
    EXPECT_EQ(std::tuple(printer.outputFormat(), printer.pageLayout().pageSize().id()),
        std::tuple(QPrinter::PdfFormat, QPageSize::A3));

    PrintCalibration cal = resetCalibration();
    for (const auto& [d, value] : {std::pair{TOP, 400}, {LEFT, 300}, {CROSSW, 40}, {CROSSH, 40}})
        cal.distance[d] = static_cast<std::int16_t>(value);
    writeFileBytes(tipsPath(), encodeCalibration(cal));
    giveCreatedRows(*frame_, 12);
    user.answerFileDialog(pdf);
    dialog->ok_Click();
    EXPECT_EQ(std::tuple(user.messageBoxes().size(), QFileInfo::exists(pdf)), std::tuple(0u, true));
    const std::vector<QImage> pages = pdfpages::render(pdf, config_.folder() + QStringLiteral("/pages"), 300);
    ASSERT_EQ(pages.size(), 2U);

    // Any dark pixel within a few pixels of (x, y), in tenths of a millimetre from the paper's corner
    // (d * 300 / 254 pixels): the two strokes cross there.
    auto dark = [](const QImage& page, double x, double y) {
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                if (qGray(page.pixel(qRound(x * 300 / 254) + dx, qRound(y * 300 / 254) + dy)) < 128)
                    return true;
        return false;
    };
    const double stride = 3 * 40 + 2 * cal.distance[HGAP] + cal.distance[ROWGAP];
    for (const auto& [page, firstRow, count] : {std::tuple{pages[0], 0, 10}, std::tuple{pages[1], 10, 2}}) {
        for (int r = 0; r < count; ++r)
            for (int m = 0; m < 13; ++m) {
                const int code = 1 + (m + firstRow + r) % 3;
                const double x = cal.distance[LEFT] + r * stride + (code - 1) * (40 + cal.distance[HGAP]) + 20;
                const double y = cal.distance[TOP] + m * (40 + cal.distance[VGAP]) + 20;
                EXPECT_TRUE(dark(page, x, y)) << "row " << firstRow + r << " match " << m;
                // The empty box beside it.
                const double other = x + (code == 3 ? -1 : 1) * (40 + cal.distance[HGAP]);
                EXPECT_FALSE(dark(page, other, y)) << "row " << firstRow + r << " match " << m;
            }
    }

    // The same file again: the save dialog's overwrite question is the only one.
    user.answerFileDialog(pdf).answerMessageBox(vbmsg::Yes);
    dialog->ok_Click();
    EXPECT_EQ(user.messageBoxes().size(), 1U);
}

}  // namespace
