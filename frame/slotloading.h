#pragma once
// What loading a system into a slot and reading a frame file do to a frame's editing state, and the
// frame file written from that state. The slot grids are the window's business.

#include "frame/frameediting.h"
#include "shell/systemfile.h"

#include <QString>

struct FrameFileData;

namespace frame {

// Whether a system has no more guarded positions than a frame has matches.
bool fitsASlot(const SystemBlock& system);

// The reload of a filled slot: the matches that used slot s lose their marks and get the tag
// "<*****>", and the row total is counted again from what is left.
void clearSlotMatches(FrameEditing& f, int s);

// The slot's numbers from a system's header: type, rows, guards, the counters "0/..." and the two
// tags. Its name (Label3) is left to the caller.
void takeSlotNumbers(FrameEditing& f, int s, const SystemBlock& system);

// A frame file's slot name. A slot stored empty has no rows and no guards to place, whatever
// size its grids were written at.
void takeSlotName(FrameEditing& f, int s, const QString& name, int fullGuards);

// The frame file of a frame as it stands: the slots' systems as their grids hold them, everything
// else from the editing state (names, cells, rows, filter, counts). Raises VbError 6 when the row
// total does not fit the file.
FrameFileData frameFileOf(const FrameEditing& f, const std::array<SystemBlock, SlotCount>& systems);

}  // namespace frame
