#include "frame/exportfile.h"

#include "core/framecodes.h"

#include <algorithm>

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

QString couponExportName(const QString& caption, CouponGame game)
{
    const qsizetype folder = std::max(caption.lastIndexOf(u'/'), caption.lastIndexOf(u'\\'));
    const qsizetype dot = caption.lastIndexOf(u'.');
    const QString stem = dot > folder ? caption.left(dot) : caption;
    return stem + (game == CouponGame::Stryktipset ? u".str" : u".eur");
}

QByteArray writeCouponExport(CouponGame game, const RowMatrix& rows)
{
    QByteArray out = couponGameName(game).toLatin1();  // plain ASCII
    out += "\r\n";
    const int matches = rows.upperMatch();
    const long long count = rows.upperRow();
    if (count <= 0 || matches < 0)
        return out;
    // One buffer at its largest size, filled through a pointer and cut to what was written: a full
    // frame is 46 MB, and per-character appends would cost more than writing it to disk.
    const auto lineMax = static_cast<qsizetype>(2 * matches + 3);
    const qsizetype header = out.size();
    out.resize(header + static_cast<qsizetype>(count) * lineMax);
    char* p = out.data() + header;
    static constexpr char kSign[4] = {0, '1', 'X', '2'};
    for (long long j = 0; j < count; ++j) {
        const std::uint8_t* row = rows.row(j);
        *p++ = 'E';
        for (int i = 0; i < matches; ++i) {
            *p++ = ',';
            const std::uint8_t code = row[i];
            if (code >= frame::SignCode::One && code <= frame::SignCode::Two)
                *p++ = kSign[code];
        }
        *p++ = '\r';
        *p++ = '\n';
    }
    out.resize(p - out.constData());
    return out;
}
