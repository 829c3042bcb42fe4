#include "shell/toolbarpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A blank coupon: the base of the frame pictures.
void drawCoupon(QPainter& g, const QRectF& r)
{
    g.setPen(QPen(QColor(60, 60, 60), 1.2));
    g.setBrush(QColor(255, 255, 250));
    g.drawRect(r);
    g.setPen(QPen(QColor(200, 40, 40), 1));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            g.drawRect(QRectF(r.left() + 3 + col * 5, r.top() + 4 + row * 5, 3.5, 3.5));
}

}  // namespace

QIcon toolbarPicture(ToolbarPicture which)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case ToolbarPicture::NewFrame:
        drawCoupon(g, QRectF(6, 4, 20, 25));
        g.setPen(QPen(QColor(230, 170, 0), 2.5));
        g.drawLine(QPointF(24, 2), QPointF(24, 12));
        g.drawLine(QPointF(19, 7), QPointF(29, 7));
        break;
    case ToolbarPicture::OpenFrame: {
        g.setPen(QPen(QColor(120, 90, 20), 1.2));
        g.setBrush(QColor(240, 200, 90));
        g.drawRect(QRectF(3, 10, 24, 17));
        QPainterPath flap;
        flap.moveTo(3, 27);
        flap.lineTo(8, 15);
        flap.lineTo(31, 15);
        flap.lineTo(27, 27);
        flap.closeSubpath();
        g.setBrush(QColor(250, 220, 120));
        g.drawPath(flap);
        break;
    }
    case ToolbarPicture::Save:
        g.setPen(QPen(QColor(30, 30, 80), 1.2));
        g.setBrush(QColor(60, 80, 160));
        g.drawRect(QRectF(5, 5, 22, 22));
        g.setBrush(QColor(235, 235, 235));
        g.drawRect(QRectF(9, 5, 14, 8));
        g.setBrush(QColor(250, 250, 250));
        g.drawRect(QRectF(9, 17, 14, 10));
        break;
    case ToolbarPicture::Print:
        g.setPen(QPen(QColor(50, 50, 50), 1.2));
        g.setBrush(QColor(250, 250, 250));
        g.drawRect(QRectF(9, 3, 14, 10));
        g.setBrush(QColor(170, 170, 170));
        g.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        g.setBrush(QColor(250, 250, 250));
        g.drawRect(QRectF(8, 20, 16, 9));
        break;
    case ToolbarPicture::Search:
        g.setPen(QPen(QColor(40, 40, 40), 3));
        g.drawLine(QPointF(19, 19), QPointF(28, 28));
        g.setPen(QPen(QColor(40, 40, 40), 2));
        g.setBrush(QColor(190, 225, 250));
        g.drawEllipse(QRectF(4, 4, 17, 17));
        break;
    case ToolbarPicture::Help: {
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(30, 90, 180));
        g.drawEllipse(QRectF(3, 3, 26, 26));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(20);
        f.setBold(true);
        g.setFont(f);
        g.setPen(Qt::white);
        g.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case ToolbarPicture::Guide:
        g.setPen(QPen(QColor(90, 50, 20), 1.2));
        g.setBrush(QColor(200, 120, 60));
        g.drawRect(QRectF(6, 4, 20, 25));
        g.setBrush(QColor(255, 255, 225));
        g.drawRect(QRectF(9, 7, 14, 19));
        g.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 11; y <= 22; y += 4)
            g.drawLine(QPointF(11, y), QPointF(21, y));
        break;
    }
    return QIcon(pm);
}
