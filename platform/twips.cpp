// Twips to pixels at the primary screen's logical DPI.

#include "platform/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace twips {

namespace {
constexpr double FallbackDpi = 96.0;

double screenDpi(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return FallbackDpi;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : FallbackDpi;
}
}  // namespace

double dpiX() { return screenDpi(true); }
double dpiY() { return screenDpi(false); }

int toPixels(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / PerInch)); }

int fromPixels(int pixels, double dpi) { return static_cast<int>(std::lround(pixels * PerInch / dpi)); }

int toPixelsX(int t) { return toPixels(t, dpiX()); }
int toPixelsY(int t) { return toPixels(t, dpiY()); }
int fromPixelsX(int p) { return fromPixels(p, dpiX()); }
int fromPixelsY(int p) { return fromPixels(p, dpiY()); }

void move(QWidget* w, int l, int t, int wd, int h)
{
    w->setGeometry(toPixelsX(l), toPixelsY(t), toPixelsX(wd), toPixelsY(h));
}

void resize(QWidget* w, int wd, int h) { w->resize(toPixelsX(wd), toPixelsY(h)); }

int left(const QWidget* w) { return fromPixelsX(w->x()); }
int top(const QWidget* w) { return fromPixelsY(w->y()); }
int width(const QWidget* w) { return fromPixelsX(w->width()); }
int height(const QWidget* w) { return fromPixelsY(w->height()); }

}  // namespace twips

namespace twips {

void useFormFont()
{
    const QFont desktop = QApplication::font();
    QFont font = desktop;
    font.setPointSize(8);
    QApplication::setFont(font);
    // Their layouts are Qt's and need the desktop font: with the small one a message box would not
    // line up with its real buttons.
    for (const char* standard : {"QMessageBox", "QFileDialog", "QAbstractPrintDialog", "QPageSetupDialog",
             "QPrintPreviewDialog", "QInputDialog", "QProgressDialog", "QColorDialog", "QFontDialog"})
        QApplication::setFont(desktop, standard);
}

}  // namespace twips
