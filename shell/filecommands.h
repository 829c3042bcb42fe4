#pragma once
// What the commands that read and write the program's own files share: reading a whole file through
// file number 1, the way they report a trapped error, and the guide page they show.

#include <QByteArray>
#include <QString>

class VbError;

// The whole file, read through file number 1 and closed again. Error 55 when file number 1 is
// already open, 53 when the file is missing; a file far larger than any the program writes is
// refused with 321 before it is read.
QByteArray readWholeFile(const QString& path);

// 55: MessageText 4 with an exclamation icon; 32755 (a cancelled dialog): nothing; any other error:
// its own description, OK button, no icon.
void reportFileError(const VbError& error);

// The guide window shows GuideText page (in the current language); nothing before the main window.
void showGuidePage(int page);
