#include "frame/exportfile.h"

#include "core/framecodes.h"
#include "shell/filekinds.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <sys/mman.h>

QString couponGameName(CouponGame game)
{
    return game == CouponGame::Stryktipset ? QStringLiteral("Stryktipset") : QStringLiteral("Europatipset");
}

QString couponExportFilter(CouponGame game)
{
    return kindFilter(game == CouponGame::Stryktipset ? FileKind::Stryktipset : FileKind::Europatipset) +
        QStringLiteral("|Alla filer (*.*)|*.*");
}

namespace {

constexpr char kSign[4] = {0, '1', 'X', '2'};

// Any row: "E", then per match "," and its sign, nothing for a code that is no sign; CR LF.
char* writeLine(char* p, const std::uint8_t* row, int matches)
{
    *p++ = 'E';
    for (int i = 0; i < matches; ++i) {
        *p++ = ',';
        const std::uint8_t code = row[i];
        if (code >= frame::SignCode::One && code <= frame::SignCode::Two)
            *p++ = kSign[code];
    }
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

// A frame's row of 13 signs, eight bytes of text at a time: the line of nearly every frame.
constexpr int kFrameMatches = 13;
constexpr int kFrameLine = 2 * kFrameMatches + 3;
constexpr std::uint64_t kEveryByte = 0x0101010101010101;

template <typename T>
T load(const std::uint8_t* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Codes 0..12 all 1, 2 or 3: one taken from each leaves 0..2. A 0 becomes 0xFF (its borrow only
// follows a byte already caught), 5 and above keep a bit of 0xFC, and 4 leaves both low bits set.
bool allSigns(const std::uint8_t* row)
{
    const auto outside = [](std::uint64_t codes) {
        const std::uint64_t d = codes - kEveryByte;
        return (d & 0xFCFCFCFCFCFCFCFC) | (d & d >> 1 & kEveryByte);
    };
    return (outside(load<std::uint64_t>(row)) | outside(load<std::uint64_t>(row + kFrameMatches - 8))) == 0;
}

// Four codes 1..3, as they lie in memory, as the text ",s,s,s,s" (little-endian): the sign is
// "1" plus 0x27 for "X", plus 1 for "2", spread to every second byte behind the commas.
std::uint64_t fourFields(std::uint32_t codes)
{
    const std::uint32_t d = codes - 0x01010101;  // 0, 1, 2 in each byte
    const std::uint32_t signs = 0x31313131 + (d & 0x01010101) * ('X' - '1') + ((d >> 1) & 0x01010101);
    std::uint64_t x = signs;
    x = (x | x << 16) & 0x0000FFFF0000FFFF;
    x = (x | x << 8) & 0x00FF00FF00FF00FF;
    return x << 8 | 0x002C002C002C002C;
}

char* writeFrameLine(char* p, const std::uint8_t* row)
{
    *p = 'E';
    for (int i = 0; i < 12; i += 4) {
        const std::uint64_t fields = fourFields(load<std::uint32_t>(row + i));
        std::memcpy(p + 1 + 2 * i, &fields, sizeof fields);
    }
    p[25] = ',';
    p[26] = kSign[row[12]];
    p[27] = '\r';
    p[28] = '\n';
    return p + kFrameLine;
}

// A full frame's text is 46 MB of fresh memory: in huge pages its first writes take a few dozen
// page faults instead of 11,000, which would cost more than building the text.
void preferHugePages(char* data, std::size_t size)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t huge = std::uintptr_t{2} << 20;
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(data) + huge - 1) & ~(huge - 1);
    const std::uintptr_t last = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(huge - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

}  // namespace

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
    // One buffer at its largest size, filled through a pointer and cut to what was written.
    const auto lineMax = static_cast<qsizetype>(2 * matches + 3);
    const qsizetype header = out.size();
    out.resize(header + static_cast<qsizetype>(count) * lineMax);
    preferHugePages(out.data() + header, static_cast<std::size_t>(out.size() - header));
    char* p = out.data() + header;
    const bool frameRows = matches == kFrameMatches && std::endian::native == std::endian::little;
    for (long long j = 0; j < count; ++j) {
        const std::uint8_t* row = rows.row(j);
        p = frameRows && allSigns(row) ? writeFrameLine(p, row) : writeLine(p, row, matches);
    }
    out.resize(p - out.constData());
    return out;
}
