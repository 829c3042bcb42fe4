#include "shell/frmSplash.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

frmSplash::frmSplash(QWidget* parent)
    // Not topmost: a message shown while the program starts must come in front of it.
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    const int w = twips::toPixelsX(4785);
    const int h = twips::toPixelsY(1800);
    setFixedSize(w, h);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 64, 32));
    setPalette(p);
    Picture1 = new QLabel(this);
    Picture1->setPixmap(picture());
    Picture1->setGeometry((w - 320) / 2, (h - 120) / 2, 320, 120);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(w / 2, h / 2));
    }
}

QPixmap frmSplash::picture()
{
    QPixmap pm(320, 120);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient grass(0, 0, 0, 120);
    grass.setColorAt(0, QColor(20, 110, 50));
    grass.setColorAt(1, QColor(10, 70, 30));
    g.fillRect(pm.rect(), grass);
    // A coupon row of 1 X 2 boxes along the bottom.
    g.setPen(QPen(QColor(240, 240, 220), 1));
    const char* signs[] = {"1", "X", "2"};
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    g.setFont(small);
    for (int i = 0; i < 13; ++i) {
        const QRect box(14 + i * 22, 92, 18, 16);
        g.drawRect(box);
        g.drawText(box, Qt::AlignCenter, QString::fromLatin1(signs[i % 3]));
    }
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(44);
    title.setBold(true);
    g.setFont(title);
    g.setPen(QColor(0, 0, 0, 90));
    g.drawText(QRect(3, 13, 320, 60), Qt::AlignCenter, QStringLiteral("Velkorin"));
    g.setPen(QColor(250, 250, 235));
    g.drawText(QRect(0, 10, 320, 60), Qt::AlignCenter, QStringLiteral("Velkorin"));
    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(13);
    g.setFont(sub);
    g.drawText(QRect(0, 64, 320, 20), Qt::AlignCenter, QStringLiteral("Stryktipset · Europatipset"));
    return pm;
}
