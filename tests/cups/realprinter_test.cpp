// Printing on a real print system: the tests' own print server (private-cups.sh, started by CTest
// before every test) whose default queue is a cups-pdf printer. A frame printed through the print
// dialog reaches the queue as one job, one coupon to a sheet whatever the queue's defaults and the
// printer set-up say, its crosses of their calibrated size, place and stroke; a refused print sends no
// job; and the printer set-up opens on the PDF file chosen last. Every job these tests send is
// recorded, and the server's finish checks that no other test sent one.

#include "platform/controls.h"
#include "platform/prnshw.h"
#include "printing/calibration.h"
#include "printing/printruta.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/mainwindow.h"
#include "support/pdfpages.h"
#include "support/qtdialogs.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrintEngine>
#include <QPrinter>
#include <QStandardPaths>
#include <QThread>

namespace {

const QString kServer = QStringLiteral(VELKORIN_PRINT_SERVER);

// Polls until done() holds, for at most a minute (a slow machine is not a failure).
template <class Done>
bool await(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 60000)
            return false;
        QThread::msleep(50);
    }
    return true;
}

// The print server's command-line tools, on the server; a fresh server now and then refuses a
// connection for a moment, so a tool that fails is run again, for at most a minute.
QString runTool(const QString& tool, const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), kServer + QStringLiteral("/cups.sock"));
    const QStringList path = env.value(QStringLiteral("PATH")).split(u':') << QStringLiteral("/usr/sbin");
    const QString program = QStandardPaths::findExecutable(tool, path);
    QString out;
    QByteArray error;
    const bool ran = await([&] {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        process.waitForFinished(60000);
        out = QString::fromLocal8Bit(process.readAllStandardOutput());
        error = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    });
    EXPECT_TRUE(ran) << tool.toStdString() << ": " << error.toStdString();
    return ran ? out : QString();
}

// The ids of the server's jobs ("PDF-3"): all of them, or the completed ones only.
QStringList jobs(bool completedOnly)
{
    const QString list = runTool(QStringLiteral("lpstat"),
        {QStringLiteral("-W"), completedOnly ? QStringLiteral("completed") : QStringLiteral("all"), QStringLiteral("-o")});
    QStringList ids;
    for (const QString& line : list.split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u' ', 0, 0);
    ids.sort();
    return ids;
}

class RealPrinter : public MainWindowTest {
protected:
    void SetUp() override
    {
        // The test programs keep themselves off every print server; this one prints on the tests' own.
        qputenv("CUPS_SERVER", (kServer + QStringLiteral("/cups.sock")).toLocal8Bit());
        // A user the system does not know: cups-pdf writes the job into the server's folder.
        qputenv("CUPS_USER", "velkorin-test");
        prnshw::setInstalledPrinters(nullptr);
        config_.writeIni("[Velkorin]\r\nAppPath=" + config_.folder().toUtf8() + "\r\n");
        writeFileBytes(tipsPath(), encodeCalibration(calibration_));
        MainWindowTest::SetUp();
        before_ = jobs(false);
        frame_ = &newFrame();
        giveCreatedRows(*frame_, 12);
    }
    void TearDown() override
    {
        if (printruta::exists())
            delete printruta::instance();
        MainWindowTest::TearDown();
        prnshw::setInstalledPrinters([] { return prnshw::InstalledPrinters{}; });
    }
    QString tipsPath() const { return config_.folder() + QStringLiteral("/tips.cnf"); }

    // "Skriv ut" in the print dialog with its choices as they are.
    printruta& printDialog()
    {
        main_->SkrivUt_Click();
        return *printruta::instance();
    }
    // The one job the server received since the test began, once completed, recorded for the
    // server's finish; its PDF as cups-pdf wrote it. Fails when there is not exactly one.
    QString awaitTheJob()
    {
        QString id;
        const bool arrived = await([&] {
            QStringList added = jobs(false);
            for (const QString& old : before_)
                added.removeOne(old);
            if (added.size() != 1)
                return false;
            id = added.front();
            return true;
        });
        EXPECT_TRUE(arrived) << "no new job; jobs: " << jobs(false).join(u' ').toStdString();
        if (!arrived)
            return {};
        QFile sent(kServer + QStringLiteral("/sent-jobs"));
        EXPECT_TRUE(sent.open(QIODevice::Append));
        sent.write(id.toLatin1() + '\n');
        before_ << id;
        const QString number = id.section(u'-', -1);
        QDir out(kServer + QStringLiteral("/pdf"));
        QString pdf;
        EXPECT_TRUE(await([&] {
            const QStringList files = out.entryList({u"job_" + number + u"-*.pdf"}, QDir::Files);
            if (!jobs(true).contains(id) || files.isEmpty())
                return false;
            pdf = out.filePath(files.front());
            return true;
        })) << id.toStdString() << " did not complete";
        return pdf;
    }

    const PrintCalibration calibration_ = [] {
        PrintCalibration c = resetCalibration();
        // Ten rows 19 mm apart fit across a portrait A4 sheet.
        c.distance[TOP] = 400;
        c.distance[LEFT] = 100;
        c.distance[CROSSW] = 40;
        c.distance[CROSSH] = 40;
        c.distance[HGAP] = 20;
        c.distance[ROWGAP] = 30;
        return c;
    }();
    QStringList before_;
    Form1* frame_ = nullptr;
};

// The queue's own defaults ask for two pages a sheet, landscape, scaled to fit, with banner pages;
// the set-up (as its Properties would) asks for two pages a sheet and landscape too. The coupons still
// print one to a sheet, portrait and unscaled: two pages of ten and two rows, each cross 4 mm square
// where the calibration puts it, drawn with a stroke of 0.17 mm though Qt gives the queue 1200 dpi.
TEST_F(RealPrinter, AFramePrintsOnTheDefaultQueueOneCouponASheetWithCrossesOfTheirSizePlaceAndStroke)
{
    runTool(QStringLiteral("lpadmin"),
        {QStringLiteral("-p"), QStringLiteral("PDF"), QStringLiteral("-o"), QStringLiteral("number-up-default=2"),
            QStringLiteral("-o"), QStringLiteral("orientation-requested-default=4"), QStringLiteral("-o"),
            QStringLiteral("fit-to-page-default=true"), QStringLiteral("-o"),
            QStringLiteral("job-sheets-default=standard,standard")});
    printruta& dialog = printDialog();
    QPrinter& printer = *prnshw::printer();
    EXPECT_EQ(std::tuple(printer.outputFormat(), printer.printerName()), std::tuple(QPrinter::NativeFormat, u"PDF"));
    user.answerPrinterSetup([](QPrinter& p) {
        p.setPageOrientation(QPageLayout::Landscape);
        p.printEngine()->setProperty(QPrintEngine::PrintEnginePropertyKey(0xfe00),
            QStringList{QStringLiteral("number-up"), QStringLiteral("2")});
        return true;
    });
    dialog.skrivare_Click();
    dialog.ok_Click();
    const QString pdf = awaitTheJob();
    runTool(QStringLiteral("lpadmin"),
        {QStringLiteral("-p"), QStringLiteral("PDF"), QStringLiteral("-R"), QStringLiteral("number-up-default"),
            QStringLiteral("-R"), QStringLiteral("orientation-requested-default"), QStringLiteral("-R"),
            QStringLiteral("fit-to-page-default"), QStringLiteral("-R"), QStringLiteral("job-sheets-default")});
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(user.messageBoxes().size(), 0U);

    const std::vector<QImage> pages = pdfpages::render(pdf, config_.folder() + QStringLiteral("/pages"));
    ASSERT_EQ(pages.size(), 2U);
    // The calibration's distances in millimetres as the print draws them: in whole pixels of 300 dpi.
    auto mm = [this](CalibrationDistance d) {
        return std::round(calibration_.distance[d] * 300 / 254.0) * 25.4 / 300;
    };
    const double cross = mm(CROSSW);
    const double rowStep = 3 * cross + 2 * mm(HGAP) + mm(ROWGAP);
    const double signStep = cross + mm(HGAP);
    const double matchStep = mm(CROSSH) + mm(VGAP);
    for (const auto& [page, firstRow, rows] : {std::tuple{0, 0, 10}, std::tuple{1, 10, 2}}) {
        SCOPED_TRACE(testing::Message() << "page " << page + 1);
        EXPECT_LT(pages[page].width(), pages[page].height()) << "portrait";
        const std::vector<pdfpages::Mark> marks = pdfpages::marks(pages[page]);
        ASSERT_EQ(marks.size(), static_cast<std::size_t>(13 * rows));
        // The first blot found is match 1 of the first row of the page.
        const pdfpages::Mark& first = marks.front();
        const int code = 1 + firstRow % 3;
        EXPECT_NEAR(first.centreXMm(), mm(LEFT) + (code - 1) * signStep + cross / 2, 0.1);
        EXPECT_NEAR(first.centreYMm(), mm(TOP) + cross / 2, 0.1);
        // The last blot: the last match of the page's last row.
        const pdfpages::Mark& last = marks.back();
        const int lastCode = 1 + (12 + firstRow + rows - 1) % 3;
        EXPECT_NEAR(last.centreXMm(), mm(LEFT) + (rows - 1) * rowStep + (lastCode - 1) * signStep + cross / 2, 0.1);
        EXPECT_NEAR(last.centreYMm(), mm(TOP) + 12 * matchStep + cross / 2, 0.1);
        for (const pdfpages::Mark& m : marks) {
            EXPECT_NEAR(m.widthMm(), cross + 0.17, 0.15);
            EXPECT_NEAR(m.heightMm(), cross + 0.17, 0.15);
            EXPECT_NEAR(pdfpages::crossStrokeMm(m, cross, cross), 0.17, 0.05);
        }
    }
}

// Message 31, Cancel at message 37 and a missing calibration file each stop the print: no job
// reaches the server, not even a blank page.
TEST_F(RealPrinter, ARefusedOrFailedPrintSendsNoJob)
{
    printruta& dialog = printDialog();
    (*dialog.skrivoption)[1]->setValue(true);
    dialog.fran->setText(QStringLiteral("5"));
    dialog.till->setText(QStringLiteral("6"));
    user.answerMessageBox(vbmsg::OK);
    dialog.ok_Click();

    (*dialog.skrivoption)[0]->setValue(true);
    PrintCalibration aboveTheMargin = calibration_;
    aboveTheMargin.distance[TOP] = -10;
    writeFileBytes(tipsPath(), encodeCalibration(aboveTheMargin));
    user.answerMessageBox(vbmsg::Cancel);
    printDialog().ok_Click();

    QFile::remove(tipsPath());
    user.answerMessageBox(vbmsg::OK);
    printDialog().ok_Click();

    const auto shown = user.messageBoxes();
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_EQ(shown[0].text, MessageText(kMsgBadPrintRange));
    EXPECT_TRUE(shown[1].text.startsWith(MessageText(kMsgOutsideMargin).left(20)));
    EXPECT_EQ(shown[2].text, MessageText(kMsgUnexpectedError) + u" Error: 53");
    EXPECT_EQ(jobs(false), before_);
}

// "Print to File (PDF)" chosen with a file name: the print writes the file. The set-up opens again
// on that choice and that file, and its Print keeps them: the next print replaces the file, and the
// server never sees a job.
TEST_F(RealPrinter, ThePrinterSetUpOpensOnThePdfFileChosenLastAndThePrintGoesThere)
{
    const QString file = config_.folder() + QStringLiteral("/kuponger.pdf");
    // Qt's own set-up as a person uses it: what it shows (the last printer entry, the file), then Print.
    QStringList shown;
    const auto setUp = [&](bool choose) {
        printruta& dialog = printDialog();
        withDesktopDialog(
            user,
            [&](QWidget* qt) {
                auto* printers = qt->findChild<QComboBox*>(QStringLiteral("printers"));
                auto* name = qt->findChild<QLineEdit*>(QStringLiteral("filename"));
                if (choose) {
                    printers->setCurrentIndex(printers->count() - 1);
                    name->setText(file);
                }
                shown << QString::number(printers->count() - 1 - printers->currentIndex()) + u' ' + name->text();
                buttonWithRole(qt, QDialogButtonBox::AcceptRole)->click();
            },
            [&dialog] { dialog.skrivare_Click(); });
        dialog.ok_Click();
        EXPECT_TRUE(QFileInfo::exists(file));
        QFile::remove(file);
    };
    setUp(true);
    setUp(false);
    EXPECT_EQ(shown, QStringList(2, u"0 " + file));
    EXPECT_EQ(std::tuple(jobs(false), user.messageBoxes().size()), std::tuple(before_, 0U));
}

}  // namespace
