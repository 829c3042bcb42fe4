#pragma once
// The small system calls of the old program: letting events run, the clock and the text clipboard.

#include <QString>

// Lets pending window events run, then returns.
void DoEvents();

// Seconds since midnight, local time, with fractions.
double Timer();

// The text clipboard.
void ClipboardClear();
void ClipboardSetText(const QString& text);
QString ClipboardGetText();
bool ClipboardHasText();
