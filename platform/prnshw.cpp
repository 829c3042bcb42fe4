#include "platform/prnshw.h"

#include "platform/atomicfile.h"
#include "platform/controls.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <exception>
#include <map>
#include <set>

namespace {

// Draws the calls on a printer, in device pixels from the printable area's top left corner.
class PainterContext final : public gdi::DeviceContext {
public:
    explicit PainterContext(QPrinter& printer) : printer_(printer) { }
    // A PDF printer draws into memory: its file is checked now and written whole at the end.
    bool begin()
    {
        if (printer_.outputFormat() != QPrinter::PdfFormat)
            return painter_.begin(&printer_);
        target_ = vb::checkedWriteTarget(printer_.outputFileName());
        buffer_.open(QIODevice::WriteOnly);
        pdf_ = std::make_unique<QPdfWriter>(&buffer_);
        pdf_->setResolution(printer_.resolution());
        pdf_->setPageLayout(printer_.pageLayout());
        pdf_->setTitle(printer_.docName());
        pdf_->setCreator(printer_.creator());
        return painter_.begin(pdf_.get());
    }

    int GetDeviceCaps(int index) override
    {
        const int dpi = printer_.resolution();
        const QPageLayout layout = printer_.pageLayout();
        const QPoint offset = layout.paintRectPixels(dpi).topLeft() - layout.fullRectPixels(dpi).topLeft();
        switch (index) {
        case gdi::LOGPIXELSX:
        case gdi::LOGPIXELSY:
            return dpi;
        case gdi::PHYSICALOFFSETX:
            return offset.x();
        case gdi::PHYSICALOFFSETY:
            return offset.y();
        default:
            return 0;
        }
    }
    bool MoveToEx(int x, int y, gdi::POINTAPI* previous) override
    {
        if (previous)
            *previous = {position_.x(), position_.y()};
        position_ = QPoint(x, y);
        return true;
    }
    bool LineTo(int x, int y) override
    {
        painter_.drawLine(position_, QPoint(x, y));
        position_ = QPoint(x, y);
        return true;
    }
    bool Rectangle(int left, int top, int right, int bottom) override
    {
        const QRect r = QRect(
            QPoint(std::min(left, right), std::min(top, bottom)), QPoint(std::max(left, right), std::max(top, bottom)));
        painter_.drawRect(r);
        return true;
    }
    void newPage() override
    {
        if (pdf_)
            pdf_->newPage();
        else
            printer_.newPage();
    }
    void endDocument() override
    {
        if (!painter_.end())
            throw VbError(vberr::PrinterError, QStringLiteral("Printer error"));
        if (pdf_ && !abandoned_)
            vb::writeFileAtomically(target_, buffer_.data());
    }
    void abandonDocument() override { abandoned_ = true; }

protected:
    void objectSelected(const gdi::GdiObject& object) override
    {
        const QColor colour = vbColor(object.colour);
        if (object.kind == gdi::GdiObject::Kind::Pen)
            painter_.setPen(QPen(colour, object.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        else
            painter_.setBrush(QBrush(colour));
    }

private:
    QPrinter& printer_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> pdf_;  // declared after the buffer it writes to, so it goes first
    QString target_;
    bool abandoned_ = false;
    QPainter painter_;  // declared last, so it ends before the device it paints on goes
    QPoint position_;
};

struct Library {
    std::unique_ptr<QPrinter> printer;
    int prepared = 0;
    std::map<std::int32_t, std::unique_ptr<gdi::DeviceContext>> contexts;
    std::int32_t nextHandle = 1;
    std::function<std::unique_ptr<gdi::DeviceContext>()> maker;
    std::function<prnshw::InstalledPrinters()> installed;
    std::set<QString> chosenFiles;  // the print files the user chose in this session
};

Library& library()
{
    static Library lib;
    return lib;
}

prnshw::InstalledPrinters installedPrinters()
{
    if (library().installed)
        return library().installed();
    return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

// Qt turns a printer whose file name is cleared into the default printer: a PDF printer stays one.
void writePdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFileName(path);
    printer.setOutputFormat(QPrinter::PdfFormat);
}

// A printer's own resolution is the one a fresh printer of that name has.
void fitResolution(QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setResolution(prnshw::kPdfResolution);
    else
        printer.setResolution(
            QPrinter(QPrinterInfo::printerInfo(printer.printerName()), QPrinter::HighResolution).resolution());
}

// The default printer, the first one when none is the default, a PDF printer when there is none.
std::unique_ptr<QPrinter> makePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const prnshw::InstalledPrinters installed = installedPrinters();
    if (installed.names.isEmpty()) {
        writePdf(*printer, QString());
    } else {
        printer->setPrinterName(
            installed.names.contains(installed.defaultName) ? installed.defaultName : installed.names.constFirst());
        printer->setOutputFileName(QString());
    }
    fitResolution(*printer);
    return printer;
}

QPrinter& printerForJob()
{
    Library& lib = library();
    if (!lib.printer)
        lib.printer = makePrinter();
    return *lib.printer;
}

// What the set-up dialog may change, to undo it when the dialog is not accepted.
struct PrinterChoice {
    bool pdf = true;
    QString name;
    QString file;
    QPageLayout layout;
};

PrinterChoice choiceOf(const QPrinter& printer)
{
    return {printer.outputFormat() == QPrinter::PdfFormat, printer.printerName(), printer.outputFileName(),
        printer.pageLayout()};
}

void restoreChoice(QPrinter& printer, const PrinterChoice& choice)
{
    if (choice.pdf) {
        writePdf(printer, choice.file);
    } else {
        printer.setPrinterName(choice.name);
        printer.setOutputFileName(QString());
    }
    printer.setPageLayout(choice.layout);
    fitResolution(printer);
}

}  // namespace

std::int32_t InitPSD()
{
    Library& lib = library();
    if (lib.prepared++ == 0)
        printerForJob();
    return 1;
}

std::int32_t ShowPSD()
{
    QPrinter& printer = printerForJob();
    const PrinterChoice before = choiceOf(printer);
    // Qt's dialog moves the printer to the default one as it opens, whatever the answer.
    bool accepted = false;
    try {
        accepted = UserInterface::current().printerSetup(printer);
    } catch (...) {
        restoreChoice(printer, before);
        throw;
    }
    if (!accepted) {
        restoreChoice(printer, before);
        return 0;
    }
    fitResolution(printer);
    // Qt's dialog has asked before the user chose an existing file.
    prnshw::chooseOutputFile();
    return 1;
}

std::int32_t FreePSD()
{
    Library& lib = library();
    if (lib.prepared == 0)
        return 0;
    // A job still running keeps its printer.
    if (--lib.prepared == 0 && lib.contexts.empty())
        lib.printer.reset();
    return 1;
}

std::int32_t StartPrint()
{
    Library& lib = library();
    std::unique_ptr<gdi::DeviceContext> dc = lib.maker ? lib.maker() : prnshw::paintOn(printerForJob());
    if (!dc)
        throw VbError(vberr::PrinterError, QStringLiteral("Printer error"));
    const std::int32_t h = lib.nextHandle++;
    lib.contexts[h] = std::move(dc);
    return h;
}

std::int32_t NewPagePrint(std::int32_t hdc)
{
    gdi::DeviceContext* dc = prnshw::deviceContext(hdc);
    if (!dc)
        return 0;
    dc->newPage();
    return 1;
}

std::int32_t EndPrint(std::int32_t hdc)
{
    Library& lib = library();
    const auto it = lib.contexts.find(hdc);
    if (it == lib.contexts.end())
        return 0;
    std::unique_ptr<gdi::DeviceContext> dc = std::move(it->second);
    lib.contexts.erase(it);
    std::exception_ptr failure;
    try {
        dc->endDocument();
    } catch (...) {
        failure = std::current_exception();
    }
    dc.reset();
    if (lib.prepared == 0 && lib.contexts.empty())
        lib.printer.reset();
    if (failure)
        std::rethrow_exception(failure);
    return 1;
}

namespace prnshw {

gdi::DeviceContext* deviceContext(std::int32_t hdc)
{
    const auto& contexts = library().contexts;
    const auto it = contexts.find(hdc);
    return it == contexts.end() ? nullptr : it->second.get();
}

bool outputFileChosen()
{
    const Library& lib = library();
    if (!lib.printer || lib.printer->outputFormat() != QPrinter::PdfFormat)
        return true;
    const QString file = lib.printer->outputFileName();
    return !QFileInfo(file).isFile() || lib.chosenFiles.count(QFileInfo(file).absoluteFilePath()) > 0;
}

void chooseOutputFile()
{
    Library& lib = library();
    if (lib.printer && lib.printer->outputFormat() == QPrinter::PdfFormat && !lib.printer->outputFileName().isEmpty())
        lib.chosenFiles.insert(QFileInfo(lib.printer->outputFileName()).absoluteFilePath());
}

void abandonJob(std::int32_t hdc)
{
    if (gdi::DeviceContext* dc = deviceContext(hdc))
        dc->abandonDocument();
}

QPrinter* printer() { return library().printer.get(); }

int preparedCount() { return library().prepared; }

void setContextMaker(std::function<std::unique_ptr<gdi::DeviceContext>()> maker) { library().maker = std::move(maker); }

void setInstalledPrinters(std::function<InstalledPrinters()> list) { library().installed = std::move(list); }

bool needsPdfFileName()
{
    const QPrinter& printer = printerForJob();
    return printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
}

void setPdfFileName(const QString& path)
{
    QPrinter& printer = printerForJob();
    writePdf(printer, path);
    fitResolution(printer);
}

void setDocumentName(const QString& name) { printerForJob().setDocName(name); }

std::unique_ptr<gdi::DeviceContext> paintOn(QPrinter& printer)
{
    // Qt's PDF printer without a file name (where no printer is installed and none was chosen)
    // refuses to begin and then stays active, refusing every later job too: refuse it here.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        return nullptr;
    auto dc = std::make_unique<PainterContext>(printer);
    if (!dc->begin())
        return nullptr;
    return dc;
}

}  // namespace prnshw
