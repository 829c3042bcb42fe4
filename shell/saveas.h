#pragma once
// Save As of the active document (MDIForm1.sparasom_Click): a system editor as a system file, a frame
// as a frame file. The new file replaces an old one of the same name only once it is complete.

#include <QString>

class MDIForm1;
class VbError;

void saveActiveDocumentAs(MDIForm1& main);

// "Alla filer", then the three system types: the filter of every system file dialog.
QString systemFileFilter();

// The end of a Save As or export that wrote nothing: sparafel set, the error reported (none for a
// No answer or a cancelled dialog), file number 1 closed.
void saveAbortPath(MDIForm1& main, const VbError* error);
