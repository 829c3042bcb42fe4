#include "shell/filecommands.h"

#include "platform/bytereader.h"
#include "platform/filenumber.h"

namespace {

// A frame file of 3^13 created rows and three systems of the widest grid is some 25 MB.
constexpr std::int64_t kLargestFile = 256LL * 1024 * 1024;

}  // namespace

QByteArray readWholeFile(const QString& path)
{
    FileNumber& f = FileNumber::one();
    f.open(path, FileNumber::Mode::BinaryRead);
    const FileNumberCloser closer;
    const std::int64_t size = f.size();
    if (size > kLargestFile)
        throw invalidFileFormat();
    return f.readBytes(size);
}
