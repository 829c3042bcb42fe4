// Any bytes given to the system file reader: no crash, no runaway allocation, and what it reads
// whole, the writer gives back byte for byte.

#include "shell/systemfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const SystemFileRead slot = readSystemFile(bytes, MagicCheck::Require);
    const SystemFileRead read = readSystemFile(bytes, MagicCheck::Ignore);
    if ((read.status == FileReadStatus::Damaged) != bool(read.error))
        std::abort();
    if (slot.status == FileReadStatus::Ok && read.status != FileReadStatus::Ok)
        std::abort();
    if (read.status == FileReadStatus::Ok) {
        // Bytes after the last field are not part of the file.
        const QByteArray again = writeSystemFile(read.data);
        if (!bytes.startsWith(again))
            std::abort();
        (void)read.data.comment();
    }
    return 0;
}
