#pragma once
// The program's three text tables: captions and text pieces (UIText), message boxes (MessageText)
// and guide pages (GuideText). A key is the Swedish id, or the id plus 10000 for the Finnish text;
// the caller adds the language offset. A key that a table does not hold gives the empty text, and
// a missing Finnish text never falls back to the Swedish one.

#include <QString>
#include <optional>

QString UIText(int id);
QString MessageText(int id);
QString GuideText(int id);

namespace texts {

enum class Table { UI, Message, Guide };

// The entry stored under key, or nothing when the table has none. Unlike the three look-ups above
// this tells an entry whose text is empty (guide page 9) from a missing one.
std::optional<QString> find(Table table, int key);

}  // namespace texts
