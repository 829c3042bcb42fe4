// The coupon export of a full frame (1,594,323 rows, 46 MB) and the `export` subcommand.
// export.full-frame: `fast` builds the text and writes it through the temporary file and rename as
// the export command does, `literal` is a plain write of the same bytes. Both wait until the bytes
// are on the disk, as the export must before it may report success; otherwise the sync alone,
// which the plain write would skip, is as long as the whole write.
// export.text: building the text beside copying its bytes (memcpy) into a buffer already in memory.

#include "fullframe.h"
#include "harness.h"

#include "frame/exportfile.h"
#include "platform/atomicfile.h"
#include "platform/vberror.h"
#include "shell/framefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

struct Input {
    QTemporaryDir dir;
    RowMatrix rows = bench::fullFrameRows();
    QByteArray bytes = writeCouponExport(CouponGame::Stryktipset, rows);
    QByteArray copy = QByteArray(bytes.size(), '\0');  // in memory already: the copy pays no page faults
};

QByteArray copyOf(const QByteArray& bytes)
{
    QByteArray copy(bytes.size(), Qt::Uninitialized);
    std::memcpy(copy.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return copy;
}

bench::Runs fullFrame()
{
    auto in = std::make_shared<Input>();
    return {[in] {
                vb::writeFileAtomically(in->dir.filePath(QStringLiteral("export.str")),
                    writeCouponExport(CouponGame::Stryktipset, in->rows));
            },
        [in] {
            QFile file(in->dir.filePath(QStringLiteral("plain.str")));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(in->bytes) != in->bytes.size() ||
                !file.flush() || ::fsync(file.handle()) != 0)
                std::fprintf(stderr, "plain write failed\n");
        }};
}

bench::Runs text()
{
    auto in = std::make_shared<Input>();
    return {[in] { bench::keep(writeCouponExport(CouponGame::Stryktipset, in->rows)); },
        [in] {
            std::memcpy(in->copy.data(), in->bytes.constData(), static_cast<std::size_t>(in->bytes.size()));
            bench::keep(in->copy);
        }};
}

const bench::Registrar cases([] {
    bench::addCase({"export.full-frame", fullFrame, 0.2});
    bench::addCase({"export.text", text, 0.15});
});

// The frame file's created rows exported to OUT (Europatipset for a name ending in .eur), each
// step timed.
int exportCommand(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: export FRAMEFILE OUT\n");
        return 2;
    }
    QFile file(QString::fromStdString(args[0]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", args[0].c_str());
        return 1;
    }
    FrameFileRead frame;
    const double read = bench::seconds([&] { frame = readFrameFile(file.readAll()); });
    if (frame.status != FileReadStatus::Ok) {
        std::fprintf(stderr, "%s is not a whole frame file\n", args[0].c_str());
        return 1;
    }
    const QString out = QString::fromStdString(args[1]);
    const CouponGame game =
        out.endsWith(u".eur", Qt::CaseInsensitive) ? CouponGame::Europatipset : CouponGame::Stryktipset;
    QByteArray bytes;
    const double text = bench::seconds([&] { bytes = writeCouponExport(game, frame.data.rowMatrix); });
    const double copy = bench::seconds([&] { bench::keep(copyOf(bytes)); });
    try {
        const double write = bench::seconds([&] { vb::writeFileAtomically(out, bytes); });
        std::printf("rows=%lld bytes=%lld read=%.6f text=%.6f memcpy=%.6f write=%.6f\n",
            std::max(frame.data.rowMatrix.upperRow(), 0LL), static_cast<long long>(bytes.size()), read, text, copy,
            write);
    } catch (const VbError& e) {
        std::fprintf(stderr, "cannot write %s: error %d\n", args[1].c_str(), e.number());
        return 1;
    }
    return 0;
}

const bench::Registrar command([] {
    bench::addCommand({"export",
        "FRAMEFILE OUT\n"
        "      the frame's created rows as a coupon file (Europatipset when OUT ends in .eur);\n"
        "      prints rows, bytes and the seconds of reading, building the text, copying\n"
        "      its bytes (memcpy) and writing",
        exportCommand});
});

}  // namespace
