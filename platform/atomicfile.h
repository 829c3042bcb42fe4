#pragma once
// Saving without risk to the old file: the bytes go to a temporary file beside the target, which
// replaces the target only once it is complete. On any failure the old file stays as it was.

#include <QByteArray>
#include <QString>

namespace vb {

// Path in the old form ("\" separators, any letter case) is accepted. Raises VbError: 76 when the
// folder does not exist, 70 when it may not be written, 61 when the disk is full, 75 otherwise.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace vb
