#pragma once
// The coupon export text (*.str, *.eur): the game's name, then one line "E,s,s,..." per created
// row, Windows-1252 with CR LF after every line.

#include "core/rowmatrix.h"

#include <QByteArray>
#include <QString>

enum class CouponGame { Stryktipset, Europatipset };

// "Stryktipset" / "Europatipset": the file's first line.
QString couponGameName(CouponGame game);
// The save dialog's filter for the game.
QString couponExportFilter(CouponGame game);
// The name the save dialog proposes: the frame's caption with the game's extension (".str" / ".eur")
// in place of its own, or added when its file name has none.
QString couponExportName(const QString& caption, CouponGame game);

// The header line, then one line per row j < upperRow: "E" and, per match i < upperMatch, ","
// and the sign of SignCode 1 "1", 2 "X", 3 "2" (nothing for any other code). The last index of
// each dimension is not written.
QByteArray writeCouponExport(CouponGame game, const RowMatrix& rows);
