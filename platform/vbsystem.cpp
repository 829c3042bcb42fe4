// The text clipboard on Qt.

#include "platform/vbsystem.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

void ClipboardClear() { QGuiApplication::clipboard()->clear(); }

void ClipboardSetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString ClipboardGetText() { return QGuiApplication::clipboard()->text(); }

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}
