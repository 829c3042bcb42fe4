#pragma once
// A frame's print on the printer chosen in the print dialog: the print routine with the printing
// library, the calibration file and real message boxes.

#include "frame/rowmatrix.h"
#include "printing/printroutine.h"

#include <QString>

// Prints with the given choices; returns what printCoupons returns.
int printOnPrinter(const RowMatrix& forminne, const QString& allrad, const PrintChoices& choices);

// The print dialog's "Skriv ut" reaches a frame's utskrift_Click, which calls this with its rows and
// its Allrad caption: the print dialog's choices on the printer.
void printFrameRows(const RowMatrix& forminne, const QString& allrad);
