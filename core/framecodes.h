#pragma once
// The byte codes a frame stores per cell and per match, its sizes, and the guard colours of its
// sign cells. Shared by the editing, row creation, the coupon view and the frame file.

#include <QString>
#include <cstdint>

namespace frame {

constexpr int MatchCount = 13;
constexpr int CellCount = 39;  // sign cell i belongs to match i / 3, column i % 3 ("1", "X", "2")
constexpr int SlotCount = 3;  // System 1, 2, 3
constexpr int ModeCount = 5;  // System 1, System 2, System 3, Procent, Matematisk

// SignCode: one byte per match and row.
namespace SignCode {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t One = 1;
constexpr std::uint8_t X = 2;
constexpr std::uint8_t Two = 3;
constexpr std::uint8_t PercentPlaceholder = 4;  // only inside row creation
}  // namespace SignCode

// MatchType: one byte per match. A file may hold other values; they pass through unchanged.
enum class MatchType : std::uint8_t {
    None = 0,
    System1 = 1,
    System2 = 2,
    System3 = 3,
    Procent = 4,
    Matematisk = 5,
};

// The byte a frame file stores for a match type, and back.
constexpr std::uint8_t matchTypeByte(MatchType t) { return static_cast<std::uint8_t>(t); }
constexpr MatchType matchTypeFromByte(std::uint8_t b) { return static_cast<MatchType>(b); }

// System slot s (0..2) and the type of its matches.
constexpr MatchType systemMatchType(int s) { return static_cast<MatchType>(s + 1); }
constexpr bool isSystemType(MatchType t) { return t >= MatchType::System1 && t <= MatchType::System3; }
constexpr int slotOfType(MatchType t) { return static_cast<int>(t) - 1; }  // for a system type only

// StartRowSign: 0, 1, 2 = column of the base-row cell of a match; this value = none.
constexpr std::uint8_t NoStartRowSign = 254;

// The visible mode frame System(k); k is the index of the mode options and frames.
enum class Mode {
    System1 = 0,
    System2 = 1,
    System3 = 2,
    Procent = 3,
    Matematisk = 4,
};

constexpr int modeIndex(Mode m) { return static_cast<int>(m); }
constexpr Mode modeAt(int k) { return static_cast<Mode>(k); }  // k in 0..ModeCount-1
constexpr Mode systemMode(int s) { return static_cast<Mode>(s); }  // slot s (0..2)
constexpr bool isSystemMode(Mode m) { return m <= Mode::System3; }

// The guard colours as 0x00BBGGRR values, as the controls' ForeColor takes them.
namespace GuardColour {
constexpr std::uint32_t Black = 0;
constexpr std::uint32_t Green = 40704;  // half guard
constexpr std::uint32_t DarkRed = 159;  // full guard, Procent match
constexpr std::uint32_t CounterRed = 191;  // InsHalv / InsHel over their limit
}  // namespace GuardColour

// The sign shown in column 0, 1, 2 of a match ("1", "X", "2"): sign cells, headings, coupons.
inline QString signCaption(int column)
{
    static const QString captions[3] = {QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")};
    return captions[column];
}

// The largest row count of a frame: 3^13.
constexpr int MaxRows = 1594323;

}  // namespace frame
