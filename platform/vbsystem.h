#pragma once
// The text clipboard of the old program.

#include <QString>

// The text clipboard.
void ClipboardClear();
void ClipboardSetText(const QString& text);
QString ClipboardGetText();
bool ClipboardHasText();
