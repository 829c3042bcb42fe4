#pragma once
// What the new-system dialog hands the system editor: guard and row counts as the boxes' leading
// numbers, the base-row choice, whether and how the computer builds the rows.

#include <QString>
#include <array>

struct NewSystemSettings {
    double halvgard = 0;
    double helgard = 0;
    double rader = 0;
    int urad = 0;  // Option1: 0 without, 1 with base row
    int fel = 1;  // feloption: 0 = 13, 1 = 12, 2 = 11 right
    bool datorberakning = false;  // the computer builds the rows
    std::array<bool, 14> allowed{};  // Check1(e) checked

    // "RM" without base row, else "KU" for 13 right and "RU" for a reduction.
    QString systemType() const
    {
        if (urad == 0)
            return QStringLiteral("RM");
        return fel == 0 ? QStringLiteral("KU") : QStringLiteral("RU");
    }
};
