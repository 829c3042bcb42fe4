#include "frame/skapa.h"

#include "platform/vbtext.h"

namespace frame {

rowcreation::FrameInput frameInputFrom(const FrameEditing& ram, std::array<SlotGrid, SlotCount> grids)
{
    const FilterSettings& filter = ram.filter;
    rowcreation::FrameInput in;
    for (int m = 0; m < MatchCount; ++m) {
        rowcreation::MatchInput& match = in.matches[m];
        match.type = ram.systyp[m];
        for (int c = 0; c < 3; ++c) {
            const LabelState& cell = ram.Label1[3 * m + c];
            match.marked[c] = cell.Caption == signCaption(c);
            // In a base-row slot the sign marked first stays black; unmarked cells may be black too.
            if (match.marked[c] && cell.ForeColor == GuardColour::Black && match.startRowSign == NoStartRowSign)
                match.startRowSign = static_cast<std::uint8_t>(c);
        }
        if (match.type == MatchType::Procent)
            match.percent = rowcreation::percentValuesFromText(ram.Label5[m]);
    }
    for (int s = 0; s < SlotCount; ++s) {
        rowcreation::SlotInput& slot = in.slots[s];
        slot.type = ram.slottyp[s];
        slot.rows = ram.sysrader[s];
        slot.guarded = ram.sysgard[s];
        slot.fullGuards = ram.syshelgard[s];
        slot.grid = std::move(grids[s]);
    }
    in.rowTotal = vb::Val(ram.Allrad);
    in.filter = filter.filter;
    for (int k = 0; k < 3; ++k) {
        in.bounds.max[k] = vb::Val(filter.text[k]);
        in.bounds.min[k] = vb::Val(filter.text[k + 3]);
    }
    in.removeEqualRows = filter.removeEqualRows;
    return in;
}

FilterEnter filterEnter(int index, const std::array<QString, 6>& texts)
{
    FilterEnter out;
    if (index < 0 || index > 5)
        return out;
    const double v = vb::Val(texts[index]);
    out.text = vb::Dec(v);
    if (index < 3) {
        const double lo = vb::Val(texts[index + 3]);
        if (lo <= v && v <= 13)
            out.focus = index + 3;
    } else {
        const double hi = vb::Val(texts[index - 3]);
        if (hi >= v && v >= 0)
            out.focus = index == 5 ? FilterEnter::FocusSkapa : index - 2;
    }
    return out;
}

}  // namespace frame
