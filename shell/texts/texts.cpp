#include "shell/texts/texts.h"

#include "platform/language.h"
#include "shell/texts/texttables.h"

#include <QHash>
#include <initializer_list>

namespace texts {
namespace {

using detail::Entry;

QHash<int, QString> buildIndex(std::initializer_list<std::span<const Entry>> parts, bool guidePages)
{
    QHash<int, QString> index;
    for (const auto& part : parts) {
        for (const Entry& e : part) {
            QString text = QString::fromUtf16(e.text);
            if (guidePages)
                text.replace(u'\n', QStringLiteral("\r\n"));
            index.insert(e.key, text);
        }
    }
    return index;
}

const QHash<int, QString>& index(Table table)
{
    static const QHash<int, QString> ui = buildIndex({detail::uiTextSwedish(), detail::uiTextFinnish()}, false);
    static const QHash<int, QString> message = buildIndex({detail::messageTexts()}, false);
    static const QHash<int, QString> guide = buildIndex({detail::guideTextSwedish(), detail::guideTextFinnish()}, true);
    switch (table) {
    case Table::UI:
        return ui;
    case Table::Message:
        return message;
    case Table::Guide:
        break;
    }
    return guide;
}

}  // namespace

std::optional<QString> find(Table table, int key)
{
    const auto& idx = index(table);
    const auto it = idx.constFind(key);
    if (it == idx.constEnd())
        return std::nullopt;
    return *it;
}

}  // namespace texts

QString UIText(UiTextId key) { return texts::find(texts::Table::UI, key.value).value_or(QString()); }

QString MessageText(MessageTextId key) { return texts::find(texts::Table::Message, key.value).value_or(QString()); }

QString GuideText(GuideTextId key) { return texts::find(texts::Table::Guide, key.value).value_or(QString()); }

QString currentUiText(UiTextId id) { return UIText(id + sprakoffset); }

QString currentMessageText(MessageTextId id) { return MessageText(id + sprakoffset); }

QString currentGuideText(GuideTextId id) { return GuideText(id + sprakoffset); }
