// Printing to a PDF file: a target that is no regular file is refused before anything opens it, in
// Qt's print dialog and when the print starts; the file is replaced only by a whole print.

#include "platform/prnshw.h"
#include "printing/calibration.h"
#include "printing/printjob.h"
#include "shell/Module1.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "support/child.h"
#include "support/scripteduser.h"
#include "support/testhelpers.h"
#include "support/textof.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <sys/stat.h>

namespace {

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
        UserInterface::install(nullptr);
        QTimer::singleShot(0, [] {
            auto* box =
                QApplication::activeModalWidget()->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
                    b->click();
        });
        const int refused = errorOf([] { ShowPSD(); });
        UserInterface::install(&user_);
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

}  // namespace
