#include "frame/slotloading.h"

#include "platform/vbtext.h"
#include "shell/framefile.h"

namespace frame {

bool fitsASlot(const SystemBlock& system) { return system.fitsThirteenMatches(); }

void clearSlotMatches(FrameEditing& f, int s)
{
    for (int m = 0; m < MatchCount; ++m) {
        if (f.systyp[m] != systemMatchType(s))
            continue;
        for (int c = 3 * m; c < 3 * m + 3; ++c) {
            f.markerad[c] = false;
            f.Label1[c].Caption.clear();  // the colours stay as they are
        }
        f.antalmark[m] = 0;
        f.Label5[m] = QStringLiteral("<*****>");
        f.systyp[m] = MatchType::None;
    }
    // The row total without the cleared slot: Matematisk factors and the other slots in use.
    // Procent matches do not count here.
    f.rowTotalFromTypes(false);
    f.sysianvand[s] = false;
}

void takeSlotNumbers(FrameEditing& f, int s, const SystemBlock& b)
{
    f.slottyp[s] = std::uint8_t(b.type);
    f.sysrader[s] = b.rows;
    f.sysgard[s] = b.guarded;
    f.syshelgard[s] = b.fullGuards;
    f.InsHalv[s].Caption = QStringLiteral("0/") + vb::Dec(b.guarded - b.fullGuards);
    f.InsHel[s].Caption = QStringLiteral("0/") + vb::Dec(b.fullGuards);
    f.InsRader[s] = vb::Dec(b.rows);
    // The tags go with the numbers, so that a slot read only in part is still saved as it stands.
    f.Grid1Tag[s] = vb::Dec(b.type);
    f.SystemTag[s] = vb::Dec(b.fullGuards);
}

void takeSlotName(FrameEditing& f, int s, const QString& name, int fullGuards)
{
    f.Label3[s] = name;
    if (isEmptySlotName(name)) {
        f.sysgard[s] = 0;
        f.sysrader[s] = 0;
        f.InsHalv[s].Caption = QStringLiteral("0/") + vb::Dec(0 - fullGuards);
        f.InsRader[s] = QStringLiteral("0");
    }
}

namespace {

// Field 3: sign bytes, match types, base-row signs and the percent texts of the Procent matches.
void putCellRecords(const FrameEditing& f, FrameFileData& d)
{
    for (int i = 0; i < CellCount; ++i)
        d.cellSigns[std::size_t(i)] = cellSignByteOf(f.Label1[i].Caption);
    for (int m = 0; m < MatchCount; ++m) {
        const std::array<QString, 3> captions = {
            f.Label1[3 * m].Caption, f.Label1[3 * m + 1].Caption, f.Label1[3 * m + 2].Caption};
        const std::array<std::uint32_t, 3> colours = {
            f.Label1[3 * m].ForeColor, f.Label1[3 * m + 1].ForeColor, f.Label1[3 * m + 2].ForeColor};
        d.matchTypes[std::size_t(m)] = f.systyp[m];
        d.startRowSigns[std::size_t(m)] = startRowSignOf(captions, colours);
        d.percentTexts[std::size_t(m)] = f.systyp[m] == MatchType::Procent ? f.Label5[m] : QString();
    }
}

}  // namespace

FrameFileData frameFileOf(const FrameEditing& f, const std::array<SystemBlock, SlotCount>& systems)
{
    FrameFileData d;
    for (int s = 0; s < SlotCount; ++s)
        d.slotBlocks[std::size_t(s)] = {systems[std::size_t(s)], f.Label3[s]};
    putCellRecords(f, d);
    d.rowMatrix = f.forminne;
    d.filterOn = f.filter.filter ? 1 : 0;
    for (int i = 0; i < kFilterBounds; ++i)
        d.filterBounds[std::size_t(i)] = f.filter.text[std::size_t(i)];
    d.createdRows = f.temptempallrad;
    d.rowTotal = f.rowTotal();
    d.removeEqualRows = f.filter.removeEqualRows ? 1 : 0;
    d.percentOnlyRows = f.Text2;
    d.created = f.skapat ? -1 : 0;
    return d;
}

}  // namespace frame
