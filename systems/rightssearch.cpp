#include "systems/rightssearch.h"

#include "core/framecodes.h"
#include "platform/vbtext.h"

#include <algorithm>

namespace rightssearch {

void CorrectRow::click(int cell)
{
    if (cell < 0 || cell >= CellCount)
        return;
    const auto i = static_cast<std::size_t>(cell);
    if (marks_[i]) {
        marks_[i] = false;
        return;
    }
    const std::size_t first = i - i % 3;
    marks_[first] = marks_[first + 1] = marks_[first + 2] = false;
    marks_[i] = true;
}

QString CorrectRow::caption(int cell) const { return marked(cell) ? frame::signCaption(cell % 3) : QString(); }

std::optional<std::vector<std::uint8_t>> CorrectRow::signs(int positions) const
{
    std::vector<std::uint8_t> out;
    for (int m = 0; m < std::min(positions, MaxPositions); ++m) {
        std::uint8_t code = 0;
        for (int c = 2; c >= 0; --c)
            if (marked(3 * m + c))
                code = static_cast<std::uint8_t>(c + 1);
        if (code == 0)
            return std::nullopt;
        out.push_back(code);
    }
    return out;
}

SearchResult countRights(const RowMatrix& rows, long long rowCount, const std::vector<std::uint8_t>& correct)
{
    SearchResult result;
    rowCount = std::clamp(rowCount, 0LL, rows.upperRow() + 1);
    const int held = std::min({static_cast<int>(correct.size()), rows.stride(), MaxPositions});
    result.levels.resize(static_cast<std::size_t>(rowCount));
    for (long long r = 0; r < rowCount; ++r) {
        const std::uint8_t* row = rows.row(r);
        int k = 0;
        for (int m = 0; m < held; ++m)
            k += row[m] == correct[static_cast<std::size_t>(m)] ? 1 : 0;
        result.levels[static_cast<std::size_t>(r)] = static_cast<std::uint8_t>(k);
        ++result.counts[static_cast<std::size_t>(k)];
    }
    return result;
}

std::uint8_t signCodeOfCell(const QString& text)
{
    if (text == u"1")
        return 1;
    if (text == u"X")
        return 2;
    if (text == u"2")
        return 3;
    return 0;
}

QString resultText(const SearchResult& result, int first, int last, const QString& label)
{
    first = std::min(first, LevelCount - 1);
    last = std::max(last, 1);  // level 0 is never listed
    // Row numbers per level, ascending, gathered in one pass over the rows.
    std::array<QString, LevelCount> numbers;
    for (int k = last; k <= first; ++k) {
        const std::int64_t n = result.counts[static_cast<std::size_t>(k)];
        if (n > 0)
            numbers[static_cast<std::size_t>(k)].reserve(
                static_cast<qsizetype>(std::min<std::int64_t>(n, 1 << 22)) * 8);
    }
    const auto rowCount = static_cast<long long>(result.levels.size());
    for (long long r = 0; r < rowCount; ++r) {
        const int k = result.levels[static_cast<std::size_t>(r)];
        if (k < last || k > first)
            continue;
        QString& s = numbers[static_cast<std::size_t>(k)];
        s += QString::number(r + 1);
        s += u',';
    }
    QString text;
    for (int k = first; k >= last; --k) {
        QString& s = numbers[static_cast<std::size_t>(k)];
        if (s.isEmpty())
            continue;
        s.chop(1);
        text += vb::Dec(k) + label + s + QStringLiteral("\r\n\r\n");
    }
    return text;
}

int lowestFrameLevel(long long rowCount) { return rowCount > 500 ? 10 : 1; }

}  // namespace rightssearch
