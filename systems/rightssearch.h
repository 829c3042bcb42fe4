#pragma once
// The correct-row search: marking the correct row one sign per match, counting the rights of every
// row against it, and the result text that lists the rows level by level.

#include "core/rowmatrix.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace rightssearch {

constexpr int MaxPositions = 13;
constexpr int CellCount = 3 * MaxPositions;  // cell 3m + c: match m, column c ("1", "X", "2")
constexpr int LevelCount = MaxPositions + 1;  // 0 .. 13 right

// Rows per number of rights. 64-bit: a full frame puts up to 1,594,323 rows on one level, far past
// what a 16-bit counter holds.
using RightsCount = std::array<std::int64_t, LevelCount>;

// The marks of the correct row: at most one marked cell per match.
class CorrectRow {
public:
    // A click on cell i: an unmarked cell takes the match's mark, a marked one loses it.
    void click(int cell);
    bool marked(int cell) const { return marks_[static_cast<std::size_t>(cell)]; }
    // "1", "X" or "2" for a marked cell, empty otherwise.
    QString caption(int cell) const;
    // Per position 0 .. positions - 1, the SignCode (1 "1", 2 "X", 3 "2") of its marked cell;
    // nothing when some position has no mark.
    std::optional<std::vector<std::uint8_t>> signs(int positions) const;

private:
    std::array<bool, CellCount> marks_{};
};

struct SearchResult {
    RightsCount counts{};
    // Per searched row, in order, its number of rights.
    std::vector<std::uint8_t> levels;
};

// Counts rows 0 .. rowCount - 1 of `rows` over positions 0 .. correct.size() - 1: a position is
// right when the row's SignCode there equals the correct one. Positions the matrix does not hold
// are never right.
SearchResult countRights(const RowMatrix& rows, long long rowCount, const std::vector<std::uint8_t>& correct);

// The SignCode of a system grid cell: its text must be exactly "1", "X" or "2", else 0.
std::uint8_t signCodeOfCell(const QString& text);

// Levels first down to last (level 0 never), each level with rows: the level, `label`, the row
// numbers (index + 1) ascending joined by ",", then CR LF CR LF.
QString resultText(const SearchResult& result, int first, int last, const QString& label);

// The lowest level a frame's text lists: 10 above 500 rows, else 1.
int lowestFrameLevel(long long rowCount);

}  // namespace rightssearch
