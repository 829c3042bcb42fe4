#pragma once
// Puts a system into a frame slot the way loading a system file does: the slot's numbers, its
// name, its counters and tags, and nothing else (no cells are marked).

#include "frame/frameediting.h"
#include "frame/slotloading.h"
#include "shell/systemfile.h"

namespace frametest {

// The numbers and the name of a system as a frame slot holds them.
struct SlotSystem {
    int type = 0;  // 0 without base row, 1 with
    int rows = 27;  // R
    int guarded = 3;  // M, half + full guards
    int full = 0;  // H
    QString title = QStringLiteral("3-0-27.RM");
};

inline void fillSlot(frame::FrameEditing& f, int s, const SlotSystem& sys)
{
    SystemBlock block;
    block.type = sys.type;
    block.rows = sys.rows;
    block.guarded = sys.guarded;
    block.fullGuards = sys.full;
    f.filbyte = 5;
    frame::takeSlotNumbers(f, s, block);
    f.Label3[s] = sys.title;
}

}  // namespace frametest
