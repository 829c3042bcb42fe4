#pragma once
// Puts a system into a frame slot the way loading a system file does: the slot's numbers, its
// name, its counters and tags, and nothing else (no cells are marked).

#include "frame/frameediting.h"
#include "platform/vbtext.h"

namespace frametest {

struct SystemSpec {
    int type = 0;  // 0 without base row, 1 with
    int rows = 27;  // R
    int guarded = 3;  // M, half + full guards
    int full = 0;  // H
    QString title = QStringLiteral("3-0-27.RM");
};

inline void fillSlot(frame::FrameEditing& f, int s, const SystemSpec& sys)
{
    f.filbyte = 5;
    f.slottyp[s] = static_cast<std::uint8_t>(sys.type);
    f.sysrader[s] = sys.rows;
    f.sysgard[s] = sys.guarded;
    f.syshelgard[s] = sys.full;
    f.Label3[s] = sys.title;
    f.InsHalv[s].Caption = QStringLiteral("0/") + vb::Dec(sys.guarded - sys.full);
    f.InsHel[s].Caption = QStringLiteral("0/") + vb::Dec(sys.full);
    f.InsRader[s] = vb::Dec(sys.rows);
    f.Grid1Tag[s] = vb::Dec(sys.type);
    f.SystemTag[s] = vb::Dec(sys.full);
}

}  // namespace frametest
