#include "shell/framefile.h"

#include "platform/bytereader.h"
#include "shell/filekinds.h"

#include <limits>

namespace {

bool validStartRowSign(std::uint8_t v) { return v <= 2 || v == frame::NoStartRowSign; }

}  // namespace

FrameFileData::FrameFileData()
{
    cellSigns.fill(kUnmarkedCell);
    startRowSigns.fill(frame::NoStartRowSign);
}

std::uint8_t cellSignByteOf(const QString& caption) { return caption.isEmpty() ? kUnmarkedCell : signByteOf(caption); }

std::uint8_t startRowSignOf(const std::array<QString, 3>& captions, const std::array<std::uint32_t, 3>& foreColors)
{
    static const std::array<QString, 3> ownSign = {QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")};
    for (std::uint8_t col = 0; col < 3; ++col) {
        if (foreColors[col] == 0 && captions[col] == ownSign[col])
            return col;
    }
    return frame::NoStartRowSign;
}

bool isEmptySlotName(const QString& name) { return name == u"Inget system" || name == u"Ei järjestelmää "; }

QString frameFileFilter() { return kindFilter(FileKind::Frame) + QStringLiteral("|Alla filer (*.*)|*.*"); }

QByteArray writeFrameFile(const FrameFileData& d)
{
    ByteWriter w;
    w.writeByte(kFrameFileVersion);
    for (const FrameSlot& slot : d.slotBlocks) {
        writeSystemBlock(w, slot.system);
        w.writeTaggedText(slot.name);
    }
    for (int i = 0; i < frame::CellCount; ++i) {
        const int m = i / 3;
        const frame::MatchType type = d.matchTypes[std::size_t(m)];
        const std::uint8_t startRow = d.startRowSigns[std::size_t(m)];
        if (!validStartRowSign(startRow))
            throw VbError(vberr::InvalidCall);
        w.writeByte(d.cellSigns[std::size_t(i)]);
        w.writeByte(frame::matchTypeByte(type));
        w.writeByte(startRow);
        if (i == 3 * m && type == frame::MatchType::Procent)
            w.writeTaggedText(d.percentTexts[std::size_t(m)]);
    }
    const RowMatrix& rm = d.rowMatrix;
    if (rm.upperMatch() < 0 || rm.upperMatch() > 255 || rm.upperRow() < 0 ||
        rm.upperRow() > std::numeric_limits<std::int32_t>::max())
        throw VbError(vberr::Overflow);
    const int u1 = rm.upperMatch();
    const auto u2 = std::int32_t(rm.upperRow());
    w.writeByte(std::uint8_t(u1));
    w.writeInt32(u2);
    QByteArray codes(qsizetype(u1) * u2, Qt::Uninitialized);
    for (int i = 0; i < u1; ++i) {
        char* out = codes.data() + qsizetype(i) * u2;
        for (std::int32_t j = 0; j < u2; ++j)
            out[j] = char(rm.at(i, j));
    }
    w.writeBytes(codes);
    w.writeByte(d.filterOn);
    for (const QString& bound : d.filterBounds)
        w.writeTaggedText(bound);
    w.writeInt32(d.createdRows);
    w.writeInt32(d.rowTotal);
    w.writeByte(d.removeEqualRows);
    w.writeTaggedText(d.percentOnlyRows);
    w.writeInt16(d.created);
    return w.take();
}

FrameFileRead readFrameFile(QByteArrayView bytes)
{
    FrameFileRead res;
    FrameFileData& d = res.data;
    ByteReader r(bytes);
    try {
        d.version = r.readByte();
        res.reached = FrameReadStage::Version;
        if (d.version != kFrameFileVersion && d.version != kFrameFileVersionNoEqualRows) {
            res.status = FileReadStatus::WrongType;
            return res;
        }

        for (FrameSlot& slot : d.slotBlocks) {
            readSystemBlock(r, slot.system, res.slotSignsRead);
            slot.name = r.readTaggedText();
            ++res.slotsRead;
            res.slotSignsRead = false;
        }
        res.reached = FrameReadStage::Slots;

        for (int i = 0; i < frame::CellCount; ++i) {
            const int m = i / 3;
            d.cellSigns[std::size_t(i)] = r.readByte();
            const frame::MatchType type = frame::matchTypeFromByte(r.readByte());
            const std::uint8_t startRow = r.readByte();
            if (!validStartRowSign(startRow))
                throw invalidFileFormat();
            d.matchTypes[std::size_t(m)] = type;
            d.startRowSigns[std::size_t(m)] = startRow;
            if (i == 3 * m && type == frame::MatchType::Procent)
                d.percentTexts[std::size_t(m)] = r.readTaggedText();
        }
        res.reached = FrameReadStage::CellRecords;

        const int u1 = r.readByte();
        const std::int32_t u2 = r.readInt32();
        // The matrix is sized (u1 + 1) x (u2 + 1). The bytes left bound u2 whenever the file holds
        // any; with u1 = 0 it holds none, so then u2 is bounded by the most rows a sound frame has.
        // Row creation may go past that bound for odd systems, and those files must read back.
        if (u2 < 0 || (u1 == 0 && u2 > frame::MaxRows))
            throw invalidFileFormat();
        const QByteArray codes = r.readBytes(std::int64_t(u1) * u2);
        RowMatrix rows(u1, u2);
        for (int i = 0; i < u1; ++i) {
            const char* in = codes.data() + qsizetype(i) * u2;
            for (std::int32_t j = 0; j < u2; ++j)
                rows.at(i, j) = std::uint8_t(in[j]);
        }
        d.rowMatrix = std::move(rows);
        res.reached = FrameReadStage::RowMatrix;

        d.filterOn = r.readByte();
        res.reached = FrameReadStage::FilterOn;
        for (QString& bound : d.filterBounds) {
            bound = r.readTaggedText();
            ++res.filterBoundsRead;
        }
        res.reached = FrameReadStage::FilterBounds;

        d.createdRows = r.readInt32();
        res.reached = FrameReadStage::CreatedRows;
        d.rowTotal = r.readInt32();
        res.reached = FrameReadStage::RowTotal;
        if (d.version == kFrameFileVersion) {
            d.removeEqualRows = r.readByte();
            res.reached = FrameReadStage::RemoveEqualRows;
        }
        d.percentOnlyRows = r.readTaggedText();
        res.reached = FrameReadStage::PercentOnlyRows;
        d.created = r.readInt16();
        res.reached = FrameReadStage::Complete;
    } catch (const VbError& e) {
        res.status = FileReadStatus::Damaged;
        res.error = e;
    }
    return res;
}

std::vector<ReplayStep> replaySteps(const FrameFileData& d)
{
    using K = ReplayStep::Kind;
    std::vector<ReplayStep> steps;
    // The Matematisk slot (4) is never loaded, so its type is 0 and its cells are clicked plainly.
    auto slotType = [&d](int s) { return s < frame::SlotCount ? d.slotBlocks[std::size_t(s)].system.type : 0; };
    int s = 0;
    for (int i = 0; i < frame::CellCount; ++i) {
        const int m = i / 3;
        const frame::MatchType type = d.matchTypes[std::size_t(m)];
        auto choose = [&steps](frame::Mode mode) { steps.push_back({K::ChooseMode, frame::modeIndex(mode), {}}); };
        if (type == frame::MatchType::Procent) {
            choose(frame::Mode::Procent);
            if (i == 3 * m) {
                steps.push_back({K::ClickCell, i, {}});
                steps.push_back({K::SetPercentText, m, d.percentTexts[std::size_t(m)]});
            }
            continue;
        }
        switch (type) {
        case frame::MatchType::None:
        case frame::MatchType::System1:
            choose(frame::Mode::System1);
            s = 0;
            break;
        case frame::MatchType::System2:
            choose(frame::Mode::System2);
            s = 1;
            break;
        case frame::MatchType::System3:
            choose(frame::Mode::System3);
            s = 2;
            break;
        case frame::MatchType::Matematisk:
            choose(frame::Mode::Matematisk);
            s = frame::modeIndex(frame::Mode::Matematisk);
            break;
        default:
            break;
        }
        const int st = slotType(s);
        if (st == 0 && d.marked(i))
            steps.push_back({K::ClickCell, i, {}});
        if (st == 1) {
            const int startCell = 3 * m + d.startRowSigns[std::size_t(m)];
            if (d.startRowSigns[std::size_t(m)] != frame::NoStartRowSign && i == 3 * m)
                steps.push_back({K::ClickCell, startCell, {}});
            if (d.marked(i) && i != startCell)
                steps.push_back({K::ClickCell, i, {}});
        }
    }
    return steps;
}
