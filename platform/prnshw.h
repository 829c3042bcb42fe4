#pragma once
// The printing library (prnshw), on Qt Print Support: the printer and page
// settings (InitPSD / ShowPSD / FreePSD) and the print job on a device context (StartPrint /
// NewPagePrint / EndPrint). Every argument and result is a 32-bit integer; a context handle leads to
// its DeviceContext through deviceContext().

#include "platform/gdi.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class QImage;
class QPrinter;

// Prepares the default printer, or a PDF printer where the machine has none.
std::int32_t InitPSD();
// The printer and page set-up dialog (through the UserInterface); 1 when the user accepted it. A
// dialog closed any other way leaves the printer as it was.
std::int32_t ShowPSD();
// Releases what one InitPSD prepared; a call with nothing prepared does nothing.
std::int32_t FreePSD();
// A context on the chosen printer, its first page started; it draws at kCouponResolution. Error 482
// when the printer cannot start. A PDF file as the target is checked before anything opens it
// (NotARegularFile for a pipe, device or folder, 70 read-only, 76 no such folder). The job is kept in
// memory until EndPrint.
std::int32_t StartPrint();
std::int32_t NewPagePrint(std::int32_t hdc);
// Ends the last page and the job, and disposes of the context. Only now, and only whole, does the
// job reach the printer or replace its PDF file; a job abandoned or without a drawing reaches
// nothing. The write errors (61 full disk, ...) are raised after the context is disposed of, and 482
// when the printer could not take the document.
std::int32_t EndPrint(std::int32_t hdc);

namespace prnshw {

// The context behind a handle from StartPrint, nullptr when there is none.
gdi::DeviceContext* deviceContext(std::int32_t hdc);
// False when the printer would replace an existing PDF file that the user has not chosen in this
// session; chooseOutputFile records that the user chose (or agreed to replace) the printer's file.
bool outputFileChosen();
void chooseOutputFile();
// The job on hdc stopped short: its EndPrint sends nothing and leaves a PDF file as it was.
void abandonJob(std::int32_t hdc);
// The printer the settings describe while prepared (nullptr when not).
QPrinter* printer();
// How many InitPSD calls are not yet freed.
int preparedCount();

// The printers the machine offers. The library asks this list, never the machine itself, which
// printer to prepare; tests install an empty list, so no test depends on or reaches a real printer.
struct InstalledPrinters {
    QStringList names;
    QString defaultName;
};
// nullptr restores the machine's own list.
void setInstalledPrinters(std::function<InstalledPrinters()> list);

// Every printer, whatever its own resolution, draws a print at this many pixels per inch along both
// axes: a 2-pixel pen is a line of 0.17 mm.
constexpr int kCouponResolution = 300;
// The prepared printer writes a PDF file that has no name yet.
bool needsPdfFileName();
// Makes the prepared printer write the named PDF file; with an empty name it is a PDF printer
// whose file has no name yet.
void setPdfFileName(const QString& path);
// The name the job carries (the print queue shows it): the document's caption, its file's full path
// once it is saved.
void setDocumentName(const QString& name);
// The PDF file proposed for the document of that name: its base name with ".pdf", in its file's
// folder, or in the home folder for a document never saved.
QString proposedPdfFile(const QString& documentName);

// Where StartPrint's contexts come from: nullptr restores the printer. Tests point it at recording
// contexts (the maker keeps what it needs to inspect them after EndPrint).
void setContextMaker(std::function<std::unique_ptr<gdi::DeviceContext>()> maker);

// A context whose job reaches printer at its end, whole, one coupon to a sheet; nullptr when the
// printer will not start.
std::unique_ptr<gdi::DeviceContext> paintOn(QPrinter& printer);
// A context whose job is drawn on image at its end, at the image's own resolution along each axis.
std::unique_ptr<gdi::DeviceContext> paintOnImage(QImage& image);

}  // namespace prnshw
