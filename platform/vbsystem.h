#pragma once
// The text clipboard.

#include <QString>

// The text clipboard.
void ClipboardClear();
void ClipboardSetText(const QString& text);
// The text with every line break as CR LF, whatever the program that put it there used.
QString ClipboardGetText();
bool ClipboardHasText();
