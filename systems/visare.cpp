#include "systems/visare.h"

#include "platform/twips.h"
#include "shell/MDIForm1.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kClientWidth = 5280;  // twips
constexpr int kClientHeight = 1470;

}  // namespace

BarArea::BarArea(QWidget* parent) : VbControl<QFrame>(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int BarArea::pixelX(double twipsX) { return static_cast<int>(std::lround(twipsX * twips::dpiX() / twips::PerInch)); }
int BarArea::pixelY(double twipsY) { return static_cast<int>(std::lround(twipsY * twips::dpiY() / twips::PerInch)); }

void BarArea::fitSurface()
{
    // Sized from the geometry, which a hidden window has before it ever gets a resize event.
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (surface_.size() == size)
        return;
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(palette().color(QPalette::Window));
    if (!surface_.isNull()) {
        QPainter p(&fitted);
        p.drawImage(0, 0, surface_);
    }
    surface_ = std::move(fitted);
}

void BarArea::FillBox(float x1, float y1, float x2, float y2, std::uint32_t colour)
{
    fitSurface();
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2))
        return;
    // Far outside the area is as good as its edge, and keeps the pixel arithmetic in range.
    constexpr float kFar = 1e6f;
    x1 = std::clamp(x1, -kFar, kFar);
    x2 = std::clamp(x2, -kFar, kFar);
    y1 = std::clamp(y1, -kFar, kFar);
    y2 = std::clamp(y2, -kFar, kFar);
    // Corners in either order, as Line takes them; the right and bottom edges are the pixel edges.
    const int left = pixelX(std::min(x1, x2));
    const int right = pixelX(std::max(x1, x2));
    const int top = pixelY(std::min(y1, y2));
    const int bottom = pixelY(std::max(y1, y2));
    if (right <= left || bottom <= top)
        return;
    QPainter p(&surface_);
    p.fillRect(QRect(left, top, right - left, bottom - top), vbColor(colour));
    update(contentsRect());
}

void BarArea::Cls()
{
    fitSurface();
    surface_.fill(palette().color(QPalette::Window));
    update();
}

void BarArea::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitSurface();
}

void BarArea::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), surface_);
}

visare::visare() : LockingDialog(kClientWidth, kClientHeight)
{
    setObjectName(QStringLiteral("visare"));
    // "Avbryt" is the only way to stop the work: no close box.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    // A short computation shows and hides the window in one go; the window manager would hand it the
    // activation after it has gone, and the keys with it. The keys stay with the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Picture1 = new BarArea(this);
    Picture1->Move(120, 480, 5055, 375);
    avbryt = new CommandButton(this);
    avbryt->setObjectName(QStringLiteral("avbryt"));
    avbryt->Move(1980, 1020, 1335, 315);
    connect(avbryt, &CommandButton::Click, this, &visare::avbryt_Click);
    // The bar area and the button clear the hint as the window itself does.
    MDIForm1::clearHintOnMouseMove({this, Picture1, avbryt});
    Picture1->Cls();
}

visare* visare::instance()
{
    // The main window owns it (it stays a window of its own); without one the tests' tear-down does.
    static QPointer<visare> the;
    if (!the) {
        the = new visare;
        the->Form_Load();
    }
    return the;
}

void visare::Form_Load()
{
    avbryt->setCaption(currentUiText(kUiCancel));
    setWindowTitle(currentUiText(kUiProgressCaption));
}

void visare::avbryt_Click() { release(); }
