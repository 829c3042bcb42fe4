// Any bytes given to the frame file reader: no crash, no runaway allocation; what it reads whole
// writes and reads back to the same bytes, and its rebuild clicks only existing cells.

#include "shell/framefile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const FrameFileRead read = readFrameFile(bytes);
    if ((read.status == FileReadStatus::Damaged) != bool(read.error))
        std::abort();
    if (read.slotsRead < 0 || read.slotsRead > 3 || read.filterBoundsRead < 0 || read.filterBoundsRead > 6)
        std::abort();
    if (read.reached >= FrameReadStage::CellRecords) {
        for (const ReplayStep& step : replaySteps(read.data)) {
            if (step.kind == ReplayStep::Kind::ClickCell && (step.index < 0 || step.index >= 39))
                std::abort();
        }
    }
    if (read.status == FileReadStatus::Ok) {
        // A version 10 file comes back as 11, and a match whose three records disagree comes back
        // with one value: so compare a second round with the first.
        const QByteArray once = writeFrameFile(read.data);
        const FrameFileRead back = readFrameFile(once);
        if (back.status != FileReadStatus::Ok || writeFrameFile(back.data) != once)
            std::abort();
    }
    return 0;
}
