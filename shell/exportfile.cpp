#include "shell/exportfile.h"

#include "core/framecodes.h"

QString couponGameName(CouponGame game)
{
    return game == CouponGame::Stryktipset ? QStringLiteral("Stryktipset") : QStringLiteral("Europatipset");
}

QString couponExportFilter(CouponGame game)
{
    return game == CouponGame::Stryktipset
        ? QStringLiteral("Svenska spel Stryktipset (*.str)|*.str|Alla filer (*.*)|*.*")
        : QStringLiteral("Svenska spel Europatipset (*.eur)|*.eur|Alla filer (*.*)|*.*");
}

QByteArray writeCouponExport(CouponGame game, const RowMatrix& rows)
{
    QByteArray out = couponGameName(game).toLatin1();  // plain ASCII
    out += "\r\n";
    const int matches = rows.upperMatch();
    const long long count = rows.upperRow();
    if (count > 0 && matches >= 0)
        out.reserve(out.size() + qsizetype(count) * (2 * matches + 3));
    for (long long j = 0; j < count; ++j) {
        out += 'E';
        for (int i = 0; i < matches; ++i) {
            out += ',';
            switch (rows.at(i, j)) {
            case frame::SignCode::One:
                out += '1';
                break;
            case frame::SignCode::X:
                out += 'X';
                break;
            case frame::SignCode::Two:
                out += '2';
                break;
            default:
                break;
            }
        }
        out += "\r\n";
    }
    return out;
}
