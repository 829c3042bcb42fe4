#include "printing/printjob.h"

#include "platform/commondialog.h"
#include "platform/prnshw.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "printing/printruta.h"
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "shell/errorreport.h"
#include "shell/saveas.h"
#include "shell/texts/textids.h"

namespace {

class PrinterHooks final : public PrintHooks {
public:
    gdi::DeviceContext& StartPrint() override
    {
        hdc_ = ::StartPrint();
        return *prnshw::deviceContext(hdc_);
    }
    void NewPagePrint(gdi::DeviceContext&) override { ::NewPagePrint(hdc_); }
    void EndPrint(gdi::DeviceContext&) override { ::EndPrint(hdc_); }
    PrintCalibration readCalibration() override { return readCalibrationFile(); }
    int message(int id, int style, int errorNumber) override
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

// The PDF file of a print on the PDF printer: the main window's save dialog, proposing the frame's
// caption with ".pdf", then the overwrite question. False when the user declined (silently) or the
// dialog failed (reported).
bool choosePdfFile(const QString& caption)
{
    CommonDialog own;
    MDIForm1* main = MDIForm1::instance();
    CommonDialog& dialog = main ? *main->CommonDialog1 : own;
    dialog.Filter = QStringLiteral("PDF (*.pdf)|*.pdf");
    dialog.FilterIndex = 1;
    dialog.FileName = caption + QStringLiteral(".pdf");
    try {
        prnshw::setPdfFileName(chooseSaveTarget(dialog));
        return true;
    } catch (const SaveDeclined&) {
    } catch (const VbError& e) {
        reportError(e);
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
