#pragma once
// Save As of the active document (MDIForm1.sparasom_Click) and what every document's Save As shares:
// the save dialog with its overwrite question, and the write through file number 1. The new file
// replaces an old one of the same name only once it is complete.

#include <QByteArray>
#include <QString>

class CommonDialog;
class MDIForm1;
class VbError;

void saveActiveDocumentAs(MDIForm1& main);

// A No to one of Save As's questions: the abort path without a message.
struct SaveDeclined { };

// The save dialog, then the overwrite question; the chosen full path. Raises SaveDeclined for a No.
QString chooseSaveTarget(CommonDialog& dialog);
// Writes the whole file while file number 1 stays the one file a command may have open.
void writeThroughFileNumberOne(const QString& path, const QByteArray& bytes);

// "Alla filer", then the three system types: the filter of every system file dialog.
QString systemFileFilter();

// The end of a Save As or export that wrote nothing: sparafel set, the error reported (none for a
// No answer or a cancelled dialog), file number 1 closed.
void saveAbortPath(MDIForm1& main, const VbError* error);
