#pragma once
// What every document's Save As (and the coupon export) shares: the save dialog with its overwrite
// question, the write through file number 1, and the end of a save that wrote nothing. The new file
// replaces an old one of the same name only once it is complete.

#include <QByteArray>
#include <QString>

class CommonDialog;
class VbError;

// A No to one of Save As's questions: the abort path without a message.
struct SaveDeclined { };

// The save dialog, then the overwrite question; the chosen full path. Raises SaveDeclined for a No.
QString chooseSaveTarget(CommonDialog& dialog);
// Writes the whole file while file number 1 stays the one file a command may have open.
void writeThroughFileNumberOne(const QString& path, const QByteArray& bytes);

// "Alla filer", then the three system types: the filter of every system file dialog.
QString systemFileFilter();

// The end of a Save As or export that wrote nothing: sparafel (the main window's) set, the error
// reported (none for a No answer or a cancelled dialog), file number 1 closed.
void saveAbortPath(bool& sparafel, const VbError* error);
