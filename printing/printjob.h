#pragma once
// A frame's print on the printer chosen in the print dialog: the print routine with the printing
// library, the calibration file and real message boxes.

#include "core/rowmatrix.h"
#include "printing/printroutine.h"

#include <QString>

// Prints with the given choices; returns what printCoupons returns.
int printOnPrinter(const RowMatrix& forminne, const QString& allrad, const PrintChoices& choices);

// What a frame's utskrift_Click is handed when the print dialog's "Skriv ut" calls it: the frame's
// rows and Allrad caption printed with the dialog's choices, in a job named with the frame's caption.
// On a PDF printer whose file has no name the save dialog asks for one first (Cancel prints nothing).
void printFrameRows(const RowMatrix& forminne, const QString& allrad, const QString& caption);
