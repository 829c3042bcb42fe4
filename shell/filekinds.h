#pragma once
// The program's own kinds of file and their names: the file dialogs' filters name them in Swedish
// in both languages, the dialogs' type column in the running language.

#include <QString>
#include <cstdint>

enum class FileKind { RM, RU, KU, Frame, Stryktipset, Europatipset };

// "RM-system", "Systemram", ... for sprakoffset 0; "RM-järjestelmä", "Järjestelmärunko", ... for 10000.
QString fileKindName(FileKind kind, std::int16_t sprakoffset);
// The kind's entry in a file dialog's filter, in Swedish: "RM-system (*.RM)|*.RM".
QString kindFilter(FileKind kind);
// The name of the kind whose pattern the file name matches (letter case counts, as in the filters);
// empty for a file of no kind of the program's.
QString fileKindOf(const QString& fileName, std::int16_t sprakoffset);
