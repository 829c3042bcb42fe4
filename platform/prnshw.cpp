#include "platform/prnshw.h"

#include "platform/atomicfile.h"
#include "platform/controls.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrintEngine>
#include <QPrinterInfo>
#include <exception>
#include <map>
#include <set>

namespace {

// The drawing of a job, page by page, in pixels of kCouponResolution from the printable area's top
// left corner: lines and boxes, and the pens and brushes they are drawn with.
struct PageOp {
    enum class Kind : std::uint8_t { Line, Box, Pen, Brush } kind = Kind::Line;
    int a = 0;  // Line, Box: x1, y1, x2, y2; Pen: width, colour; Brush: colour
    int b = 0;
    int c = 0;
    int d = 0;
};
using Page = std::vector<PageOp>;

// Keeps the calls, page by page, and hands them to the device only when the job ends whole: a job
// stopped short, or one in which nothing was drawn, reaches no printer and no file. On the device
// every page is drawn at kCouponResolution along both axes, whatever the device's own resolution,
// so a mark has the size, the place and the 2-pixel stroke (0.17 mm) the print routine gives it.
class CouponContext : public gdi::DeviceContext {
public:
    // dpi: the device's own pixels per inch along each axis; offset: the printable area's top left
    // corner from the paper's, in the device's pixels.
    CouponContext(QSizeF dpi, QPointF offset) : dpi_(dpi), offset_(offset) { }

    int GetDeviceCaps(int index) override
    {
        switch (index) {
        case gdi::LOGPIXELSX:
        case gdi::LOGPIXELSY:
            return prnshw::kCouponResolution;
        case gdi::PHYSICALOFFSETX:
            return qRound(offset_.x() * prnshw::kCouponResolution / dpi_.width());
        case gdi::PHYSICALOFFSETY:
            return qRound(offset_.y() * prnshw::kCouponResolution / dpi_.height());
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
        draw({PageOp::Kind::Line, position_.x(), position_.y(), x, y});
        position_ = QPoint(x, y);
        return true;
    }
    bool Rectangle(int left, int top, int right, int bottom) override
    {
        draw({PageOp::Kind::Box, left, top, right, bottom});
        return true;
    }
    void newPage() override { pages_.emplace_back(); }
    void endDocument() override
    {
        if (!abandoned_ && drawn_)
            deliver(pages_);
    }
    void abandonDocument() override { abandoned_ = true; }

protected:
    // Draws the pages on the device; raises VbError when it cannot.
    virtual void deliver(const std::vector<Page>& pages) = 0;

    // Draws the pages with painter, already begun on the device; newPage moves the device on.
    void play(QPainter& painter, const std::vector<Page>& pages, const std::function<void()>& newPage) const
    {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                newPage();
            painter.resetTransform();
            painter.scale(dpi_.width() / prnshw::kCouponResolution, dpi_.height() / prnshw::kCouponResolution);
            for (const PageOp& op : pages[i])
                playOp(painter, op);
        }
    }

    void objectSelected(const gdi::GdiObject& object) override
    {
        const auto colour = static_cast<int>(object.colour);
        if (object.kind == gdi::GdiObject::Kind::Pen)
            pages_.back().push_back({PageOp::Kind::Pen, object.width, colour});
        else
            pages_.back().push_back({PageOp::Kind::Brush, colour});
    }

private:
    void draw(const PageOp& op)
    {
        pages_.back().push_back(op);
        drawn_ = true;
    }
    static void playOp(QPainter& painter, const PageOp& op)
    {
        switch (op.kind) {
        case PageOp::Kind::Line:
            painter.drawLine(op.a, op.b, op.c, op.d);
            break;
        case PageOp::Kind::Box:
            painter.drawRect(QRect(QPoint(std::min(op.a, op.c), std::min(op.b, op.d)),
                QPoint(std::max(op.a, op.c), std::max(op.b, op.d))));
            break;
        case PageOp::Kind::Pen:
            painter.setPen(QPen(vbColor(static_cast<std::uint32_t>(op.b)), op.a, Qt::SolidLine, Qt::SquareCap,
                Qt::MiterJoin));
            break;
        case PageOp::Kind::Brush:
            painter.setBrush(QBrush(vbColor(static_cast<std::uint32_t>(op.a))));
            break;
        }
    }

    QSizeF dpi_;
    QPointF offset_;
    std::vector<Page> pages_ = std::vector<Page>(1);
    QPoint position_;
    bool abandoned_ = false;
    bool drawn_ = false;
};

// The printable area's top left corner from the paper's, in the printer's pixels.
QPointF printableOffset(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRectPoints();
    const QRectF paint = layout.paintRectPoints();
    return (paint.topLeft() - full.topLeft()) * printer.resolution() / 72.0;
}

// A job on a printer. A PDF document is drawn into memory at the end and then replaces its file
// whole; its file is checked before anything is drawn.
class PrinterContext final : public CouponContext {
public:
    explicit PrinterContext(QPrinter& printer)
        : CouponContext(QSizeF(printer.resolution(), printer.resolution()), printableOffset(printer)),
          printer_(printer)
    {
    }
    // False when the printer cannot print.
    bool begin()
    {
        if (printer_.outputFormat() == QPrinter::PdfFormat)
            target_ = vb::checkedWriteTarget(printer_.outputFileName());
        else if (!printer_.isValid())
            return false;
        return true;
    }

private:
    void deliver(const std::vector<Page>& pages) override
    {
        QPainter painter;
        if (printer_.outputFormat() != QPrinter::PdfFormat) {
            if (!painter.begin(&printer_))
                throw VbError(vberr::PrinterError);
            play(painter, pages, [this] { printer_.newPage(); });
            if (!painter.end())
                throw VbError(vberr::PrinterError);
            return;
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            pdf.setResolution(printer_.resolution());
            pdf.setPageLayout(printer_.pageLayout());
            pdf.setTitle(printer_.docName());
            pdf.setCreator(printer_.creator());
            if (!painter.begin(&pdf))
                throw VbError(vberr::PrinterError);
            play(painter, pages, [&pdf] { pdf.newPage(); });
            painter.end();
        }
        vb::writeFileAtomically(target_, buffer.data());
    }

    QPrinter& printer_;
    QString target_;
};

// A job on an image: every page is drawn over the one image, which has no unprintable margin.
class ImageContext final : public CouponContext {
public:
    explicit ImageContext(QImage& image)
        : CouponContext(QSizeF(image.logicalDpiX(), image.logicalDpiY()), QPointF()), image_(image)
    {
    }

private:
    void deliver(const std::vector<Page>& pages) override
    {
        QPainter painter(&image_);
        play(painter, pages, [] { });
    }

    QImage& image_;
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

// Qt's key of a printer's list of CUPS job options (name, value, name, value ...).
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// A coupon prints one to a sheet, unscaled and upright, at the printer's own margins, whatever the
// set-up dialog, the user's CUPS defaults or the print queue's defaults say: the page is portrait with
// the printer's least margins, and the job asks CUPS for one page per sheet (so also in the sheet's
// first place), no scaling and no banner pages.
void fitForCoupons(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    static const QStringList coupon = {QStringLiteral("number-up"), QStringLiteral("1"),
        QStringLiteral("number-up-layout"), QStringLiteral("lrtb"), QStringLiteral("print-scaling"),
        QStringLiteral("none"), QStringLiteral("fit-to-page"), QStringLiteral("false"),
        QStringLiteral("orientation-requested"), QStringLiteral("3"), QStringLiteral("job-sheets"),
        QStringLiteral("none,none")};
    QPrintEngine* engine = printer.printEngine();
    const QStringList chosen = engine->property(kCupsOptions).toStringList();
    QStringList options;
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        if (!coupon.contains(chosen[i]))
            options << chosen[i] << chosen[i + 1];
    engine->setProperty(kCupsOptions, options + coupon);
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
        throw VbError(vberr::PrinterError);
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
}

void setDocumentName(const QString& name) { printerForJob().setDocName(name); }

QString proposedPdfFile(const QString& documentName)
{
    const QFileInfo document(documentName);
    const QString folder = document.isAbsolute() ? document.absolutePath() : QDir::homePath();
    return QDir(folder).filePath(document.completeBaseName() + QStringLiteral(".pdf"));
}

std::unique_ptr<gdi::DeviceContext> paintOn(QPrinter& printer)
{
    // Qt's PDF printer without a file name (where no printer is installed and none was chosen)
    // refuses to begin and then stays active, refusing every later job too: refuse it here.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        return nullptr;
    fitForCoupons(printer);
    auto dc = std::make_unique<PrinterContext>(printer);
    if (!dc->begin())
        return nullptr;
    return dc;
}

std::unique_ptr<gdi::DeviceContext> paintOnImage(QImage& image) { return std::make_unique<ImageContext>(image); }

}  // namespace prnshw
