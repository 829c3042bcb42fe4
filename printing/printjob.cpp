#include "printing/printjob.h"

#include "platform/commondialog.h"
#include "platform/prnshw.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "printing/printruta.h"
#include "shell/MDIForm1.h"
#include "shell/errorreport.h"
#include "shell/saveas.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

namespace {

class PrinterHooks final : public PrintHooks {
public:
    gdi::DeviceContext& StartPrint() override
    {
        // A file the user did not choose in this session is replaced only after the question.
        if (!prnshw::outputFileChosen()) {
            if (MsgBox(currentMessageText(kMsgOverwrite), vbmsg::YesNo | vbmsg::Exclamation) != vbmsg::Yes)
                throw PrintDeclined{};
            prnshw::chooseOutputFile();
        }
        hdc_ = ::StartPrint();
        return *prnshw::deviceContext(hdc_);
    }
    void NewPagePrint(gdi::DeviceContext&) override { ::NewPagePrint(hdc_); }
    void EndPrint(gdi::DeviceContext&) override { ::EndPrint(hdc_); }
    void abandonJob(gdi::DeviceContext&) override { prnshw::abandonJob(hdc_); }
    PrintCalibration readCalibration() override { return readCalibrationFile(); }
    int message(MessageTextId id, int style, int errorNumber) override
    {
        if (id == kMsgUnexpectedError) {
            reportUnexpectedError(errorNumber);
            return vbmsg::OK;
        }
        return MsgBox(currentMessageText(id), style);
    }

private:
    std::int32_t hdc_ = 0;
};

// The PDF file of a print on the PDF printer: the main window's save dialog, proposing the PDF file
// named after the frame, then the overwrite question. False when the user declined (silently) or the
// file was refused (the unexpected-error message with its number).
bool choosePdfFile(const QString& caption)
{
    CommonDialog own;
    MDIForm1* main = MDIForm1::instance();
    CommonDialog& dialog = main ? *main->CommonDialog1 : own;
    dialog.Filter = QStringLiteral("PDF (*.pdf)|*.pdf");
    dialog.FilterIndex = 1;
    dialog.FileName = prnshw::proposedPdfFile(caption);
    try {
        prnshw::setPdfFileName(chooseSaveTarget(dialog));
        // The save dialog has asked before the user chose an existing file.
        prnshw::chooseOutputFile();
        return true;
    } catch (const SaveDeclined&) {
    } catch (const VbError& e) {
        // A print target is refused as the printer set-up dialog refuses it.
        if (e.number() != vberr::DialogCancelled)
            reportUnexpectedError(e.number());
    }
    return false;
}

}  // namespace

int printOnPrinter(const RowMatrix& forminne, const QString& allrad, const PrintChoices& choices)
{
    PrinterHooks hooks;
    return printCoupons(forminne, allrad, choices, hooks);
}

void printFrameRows(const RowMatrix& forminne, const QString& allrad, const QString& caption)
{
    const bool askForFile = prnshw::needsPdfFileName();
    if (askForFile && !choosePdfFile(caption))
        return;
    prnshw::setDocumentName(caption);
    printOnPrinter(forminne, allrad, printruta::currentChoices());
    // The next print asks again instead of writing over this file unasked.
    if (askForFile)
        prnshw::setPdfFileName(QString());
}
