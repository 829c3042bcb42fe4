// The coupon export of a full frame (1,594,323 rows, 46 MB) beside a plain write of the same bytes:
// `fast` builds the text and writes it through the temporary file and rename, `literal` is the
// plain write alone, so literal / fast must stay above 0.5. Both wait until the bytes are on the
// disk, as the export must before it may report success; otherwise the sync alone, which the plain
// write would skip, is as long as the whole write.

#include "fullframe.h"
#include "harness.h"

#include "platform/atomicfile.h"
#include "frame/exportfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    const RowMatrix& rows = bench::fullFrameRows();
    QByteArray bytes = writeCouponExport(CouponGame::Stryktipset, rows);
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

const bench::Registrar cases([] {
    // The rows and the plain bytes are made before the timed pair.
    bench::addCase({"export.full-frame setup: rows and their bytes", [] { bench::keep(fixture()); }, {}});
    bench::Case c;
    c.name = "export.full-frame (literal = plain write of the same bytes)";
    c.fast = [] {
        Fixture& f = fixture();
        vb::writeFileAtomically(f.dir.filePath(QStringLiteral("export.str")),
            writeCouponExport(CouponGame::Stryktipset, f.rows));
    };
    c.literal = [] {
        Fixture& f = fixture();
        QFile file(f.dir.filePath(QStringLiteral("plain.str")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(f.bytes) != f.bytes.size() ||
            !file.flush() || ::fsync(file.handle()) != 0)
            std::fprintf(stderr, "plain write failed\n");
    };
    bench::addCase(std::move(c));
});

}  // namespace
