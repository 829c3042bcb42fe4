#pragma once
// Qt's own translations for the running language, so that the standard dialogs (files, printing,
// the buttons Qt names itself) speak Swedish or Finnish with the rest of the program: Qt's
// catalogues, then the program's own for the words they lack, and the language's locale for the
// sizes, dates and kinds of file the dialogs show.

#include <cstdint>

// Installs the catalogues for sprakoffset (0 Swedish, 10000 Finnish) in place of any installed
// before and makes the language's locale the default one; false when Qt's own catalogue is not
// there (the program's own then speaks for the dialogs alone).
bool loadQtTranslations(std::int16_t sprakoffset);
// Removes them and gives the default locale back to the environment's.
void unloadQtTranslations();
