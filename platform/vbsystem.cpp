// The text clipboard on Qt.

#include "platform/vbsystem.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

void ClipboardClear() { QGuiApplication::clipboard()->clear(); }

void ClipboardSetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString ClipboardGetText()
{
    // The windows split rows at CR LF; text from other programs may break its lines with LF or CR alone.
    QString text = QGuiApplication::clipboard()->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}
