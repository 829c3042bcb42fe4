#pragma once
// Reading a whole file of the program's own through file number 1.

#include <QByteArray>
#include <QString>

// The whole file, read through file number 1 and closed again. Error 55 when file number 1 is
// already open, 53 when the file is missing; a file far larger than any the program writes is
// refused with 321 before it is read.
QByteArray readWholeFile(const QString& path);
