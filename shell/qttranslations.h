#pragma once
// Qt's own translations for the running language, so that the standard dialogs (files, printing,
// the buttons Qt names itself) speak Swedish or Finnish with the rest of the program.

#include <cstdint>

// Installs Qt's catalogue for sprakoffset (0 Swedish, 10000 Finnish) in place of any installed
// before; false when the catalogue is not there (Qt then speaks English).
bool loadQtTranslations(std::int16_t sprakoffset);
void unloadQtTranslations();
