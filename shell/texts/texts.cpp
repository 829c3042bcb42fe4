#include "shell/texts/texts.h"

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

QString UIText(int id) { return texts::find(texts::Table::UI, id).value_or(QString()); }

QString MessageText(int id) { return texts::find(texts::Table::Message, id).value_or(QString()); }

QString GuideText(int id) { return texts::find(texts::Table::Guide, id).value_or(QString()); }
