#include "printing/printjob.h"

#include "platform/prnshw.h"
#include "platform/userinterface.h"
#include "printing/printruta.h"
#include "shell/Module1.h"
#include "shell/errorreport.h"

namespace {

constexpr int kMsgOverwrite = 3;

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
    int message(int id, int style, int errorNumber) override
    {
        if (id == printmsg::Unexpected) {
            reportUnexpectedError(errorNumber);
            return vbmsg::OK;
        }
        return MsgBox(currentMessageText(id), style);
    }

private:
    std::int32_t hdc_ = 0;
};

}  // namespace

int printOnPrinter(const RowMatrix& forminne, const QString& allrad, const PrintChoices& choices)
{
    PrinterHooks hooks;
    return printCoupons(forminne, allrad, choices, hooks);
}

void printFrameRows(const RowMatrix& forminne, const QString& allrad)
{
    printOnPrinter(forminne, allrad, printruta::currentChoices());
}
