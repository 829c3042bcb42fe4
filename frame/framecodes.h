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

// MatchType: one byte per match.
namespace MatchType {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t System1 = 1;
constexpr std::uint8_t System2 = 2;
constexpr std::uint8_t System3 = 3;
constexpr std::uint8_t Procent = 4;
constexpr std::uint8_t Matematisk = 5;
}  // namespace MatchType

// StartRowSign: 0, 1, 2 = column of the base-row cell of a match; this value = none.
constexpr std::uint8_t NoStartRowSign = 254;

// Mode index = index of the visible mode frame System(k).
namespace Mode {
constexpr int System1 = 0;
constexpr int System2 = 1;
constexpr int System3 = 2;
constexpr int Procent = 3;
constexpr int Matematisk = 4;
}  // namespace Mode

// Windows colour values (0x00BBGGRR).
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
