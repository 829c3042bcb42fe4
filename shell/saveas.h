#pragma once
// Save As of the active document (MDIForm1.sparasom_Click): a system editor as a system file, a frame
// as a frame file. The new file replaces an old one of the same name only once it is complete.

#include <QString>

class CommonDialog;
class MDIForm1;
class QByteArray;
class VbError;

void saveActiveDocumentAs(MDIForm1& main);

// "Alla filer", then the three system types: the filter of every system file dialog.
QString systemFileFilter();

// The end of a Save As or export that wrote nothing: sparafel set, the error reported (none for a
// No answer or a cancelled dialog), file number 1 closed.
void saveAbortPath(MDIForm1& main, const VbError* error);

// A No to one of the save questions: the abort path without a message.
struct SaveDeclined { };
// The shared save dialog (flags 4, names up to 256) and the overwrite question (SaveDeclined on No);
// the chosen full path. The old file stays until the new one replaces it.
QString chooseSaveTarget(CommonDialog& dialog);
// Writes the file whole or not at all; 55 while file number 1 is open.
void writeThroughFileNumberOne(const QString& path, const QByteArray& bytes);
