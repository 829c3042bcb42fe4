#pragma once
// Builds the rows of a new reduced system: the full variation, the greedy 12- and 11-right coverings,
// and the base-row systems (KU selection, RU reduction). Pure logic; the system editor writes the
// rows into its grid.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// The system grid takes at most this many system rows (columns besides the label column); a larger
// result is refused with MessageText 33.
constexpr long long kMaxSystemRows = 5450;

// What the builder reads of the new-system dialog (after the editor's repair of 0 guards).
struct GenerationSettings {
    int halvgard = 0;  // half guards: positions 0..halvgard-1, signs "1" and "2"
    int helgard = 1;  // full guards: the positions after them, signs "1", "2", "X"
    int fel = 1;  // feloption: 0 = 13 right, 1 = 12 right, 2 = 11 right
    int urad = 0;  // 0 without base row, 1 with base row
    std::array<bool, 14> allowed{};  // Check1(e) checked: base-row rows with exactly e errors are kept
};

enum class GenerationKind {
    FullVariation,  // without base row, 13 right
    Covering12,  // without base row, 12 right: every combination within 1 difference of a row
    Covering11,  // without base row, 11 right: within 2 differences
    BaseRowSelection,  // KU: with base row, 13 right (also fel 2, which the dialog never allows here)
    BaseRowReduction  // RU: with base row, 12 right
};
GenerationKind generationKindOf(const GenerationSettings& settings);

// Digits of a row: 0 = "1", 1 = "2", 2 = "X"; in a base-row system 0 is the base-row sign.
QString signOfDigit(int digit);

struct GeneratedSystem {
    int positions = 0;  // n = halvgard + helgard
    long long rows = 0;  // P, the number of system rows built
    std::vector<std::uint8_t> digits;  // rows x positions, row after row
    bool cancelled = false;  // stopped by the progress callback: rows 0, nothing to write

    // The grid cannot take the result (MessageText 33). A covering stops as soon as it has chosen
    // kMaxSystemRows + 1 rows, and holds only those.
    bool tooManyRows() const { return rows > kMaxSystemRows; }
    std::uint8_t digit(long long row, int position) const
    {
        return digits[static_cast<std::size_t>(row * positions + position)];
    }
    // The text of Grid1 cell (gridRow, gridCol): gridRow 1..positions, gridCol 1..rows.
    QString cellText(int gridRow, long long gridCol) const { return signOfDigit(digit(gridCol - 1, gridRow - 1)); }
};

// Progress and cancel: called now and then with the share of the work done (the bar is
// 4950 * done / total twips long); returns true when the user has cancelled. Units per kind:
//   coverings: done = combinations covered, total = combinations + 1;
//   KU: done = combinations examined, total = combinations;
//   RU: total = 4950 * combinations; the selection runs done over 0..3000 * combinations, the
//       reduction passes then give done = x * combinations with x = 3000 + 1950 / (|change| + 1)^(1/4).
//   The full variation reports nothing: it does not stop.
using GenerationProgress = std::function<bool(long long done, long long total)>;

// Builds the system. On cancel the result is empty with cancelled set. Raises VbError 5 when the
// guard counts are negative or their sum lies outside 1..13.
GeneratedSystem generateSystem(const GenerationSettings& settings, const GenerationProgress& progress = {});
