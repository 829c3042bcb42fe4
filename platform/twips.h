#pragma once
// Layout sizes of the windows are given in twips (1440 per inch); here they become pixels at the
// primary screen's DPI (96 when there is no screen).

class QWidget;

namespace twips {

constexpr int PerInch = 1440;

// Logical DPI of the primary screen, horizontally and vertically.
double dpiX();
double dpiY();

// Rounded to the nearest pixel / twip.
int toPixelsX(int twips);
int toPixelsY(int twips);
int fromPixelsX(int pixels);
int fromPixelsY(int pixels);

// At a given DPI, for callers (and tests) that know it.
int toPixels(int twips, double dpi);
int fromPixels(int pixels, double dpi);

// Place and size a widget from twips: Move left, top, width, height.
void move(QWidget* w, int left, int top, int width, int height);
void resize(QWidget* w, int width, int height);
// The widget's geometry read back in twips.
int left(const QWidget* w);
int top(const QWidget* w);
int width(const QWidget* w);
int height(const QWidget* w);

// The windows are laid out for an 8-point font: the program's windows get it. Message boxes and
// the standard dialogs keep the desktop's font, which their own layouts are made for.
void useFormFont();

}  // namespace twips
