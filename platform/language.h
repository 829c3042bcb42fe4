#pragma once
// The running language of the user interface, and the few texts the platform shows on its own: the
// buttons of the message boxes and the titles of the standard file dialogs.

#include <QString>
#include <cstdint>

// Language offset of every text look-up: 0 Swedish, 10000 Finnish. Set once by the main window's load.
extern std::int16_t sprakoffset;

enum class StandardText { Yes, No, Cancel, OK, Abort, Retry, Ignore, Open, SaveAs };

// The text in the running language.
QString standardText(StandardText text);
