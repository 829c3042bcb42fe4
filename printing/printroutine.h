#pragma once
// The print routine: a frame's created rows as marks on pre-printed coupons, one coupon per page,
// at the places the calibration gives. Everything it talks to (the print job, the calibration file,
// the message boxes) comes in through PrintHooks, so it runs on a recording context as well.

#include "core/rowmatrix.h"
#include "platform/gdi.h"
#include "printing/calibration.h"
#include "shell/texts/textids.h"

#include <QString>

// The print dialog's choices as the routine reads them.
struct PrintChoices {
    bool straight = true;  // orient(0): fed straight; else turned 180 degrees
    bool range = false;  // skrivoption(1): only coupons fran..till
    QString fran;
    QString till;
    bool joker1 = false;
    bool joker2 = false;
};

// Raised by StartPrint when the user declined the print before it started: nothing is shown.
struct PrintDeclined { };

class PrintHooks {
public:
    virtual ~PrintHooks() = default;
    // The printing library: a context ready for the first page; the next page; the end of the job,
    // which disposes of the context.
    virtual gdi::DeviceContext& StartPrint() = 0;
    virtual void NewPagePrint(gdi::DeviceContext& dc) = 0;
    virtual void EndPrint(gdi::DeviceContext& dc) = 0;
    // Called before EndPrint when a message or an error stopped the print: a PDF file stays as it was.
    virtual void abandonJob(gdi::DeviceContext& dc) { dc.abandonDocument(); }
    // The calibration file, read after the job has started. Raises VbError.
    virtual PrintCalibration readCalibration() = 0;
    // A message box: MessageText(id), for kMsgUnexpectedError followed by the error number; returns vbmsg::OK or
    // Cancel.
    virtual int message(MessageTextId id, int style, int errorNumber) = 0;
};

// Prints rows 0 .. Val(allrad) - 1 of forminne. Returns the run-time error that stopped the print or
// its end (after its message was shown), 0 when none did.
int printCoupons(const RowMatrix& forminne, const QString& allrad, const PrintChoices& choices, PrintHooks& hooks);

// Hooks that print on a recording context: message boxes are noted there as "Message id", answered
// OK except kMsgOutsideMargin when told to cancel it; readCalibration hands out the given record or raises
// the given error.
class RecordingPrintHooks final : public PrintHooks {
public:
    RecordingPrintHooks(
        gdi::RecordingContext::Caps caps, PrintCalibration calibration, bool cancelOutsideMargin = false)
        : dc_(caps), calibration_(calibration), cancelOutsideMargin_(cancelOutsideMargin)
    {
    }
    gdi::DeviceContext& StartPrint() override { return dc_; }
    void NewPagePrint(gdi::DeviceContext& dc) override { dc.newPage(); }
    void EndPrint(gdi::DeviceContext& dc) override { dc.endDocument(); }
    PrintCalibration readCalibration() override;
    int message(MessageTextId id, int style, int errorNumber) override;

    void failCalibrationWith(int errorNumber) { calibrationError_ = errorNumber; }
    const gdi::RecordingContext& recording() const { return dc_; }

private:
    gdi::RecordingContext dc_;
    PrintCalibration calibration_;
    bool cancelOutsideMargin_;
    int calibrationError_ = 0;
};
