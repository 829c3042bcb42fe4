// DoEvents, Timer and the text clipboard on Qt.

#include "platform/vbsystem.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QMimeData>
#include <QTime>

void DoEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double Timer() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void ClipboardClear() { QGuiApplication::clipboard()->clear(); }

void ClipboardSetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString ClipboardGetText() { return QGuiApplication::clipboard()->text(); }

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}
