#pragma once
// The program's three text tables: captions and text pieces (UIText), message boxes (MessageText)
// and guide pages (GuideText), with the look-ups the windows use. A key is the Swedish id, or the id
// plus kFinnishOffset for the Finnish text: UIText, MessageText and GuideText take the key, the
// current...Text look-ups add the running language's offset themselves. A key that a table does not
// hold gives the empty text, and a missing Finnish text never falls back to the Swedish one.

#include "shell/texts/textids.h"

#include <QString>
#include <optional>

QString UIText(UiTextId key);
QString MessageText(MessageTextId key);
QString GuideText(GuideTextId key);

// The three tables in the running language: the id plus sprakoffset.
QString currentUiText(UiTextId id);
QString currentMessageText(MessageTextId id);
QString currentGuideText(GuideTextId id);

namespace texts {

enum class Table { UI, Message, Guide };

// The entry stored under a raw key, or nothing when the table has none. Unlike the look-ups above
// this tells an entry whose text is empty (guide page 9) from a missing one.
std::optional<QString> find(Table table, int key);

}  // namespace texts
