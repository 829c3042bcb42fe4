#pragma once
// Every file the program writes goes through here. A path that is a symbolic link is written
// through to the file it names (the link stays a link). An existing target that is no regular file
// (a folder, pipe, device or socket) is refused before anything opens it, and a read-only one is
// refused with error 70; in both cases the file stays as it was.
//
// Whole files (the saves, the exports, the settings file) go to a temporary file beside the target,
// which replaces the target only once it is complete: on any failure the old file stays as it was
// and no temporary file is left. The calibration record is written in place over the start of the
// existing file, which keeps its bytes after the record.

#include <QByteArray>
#include <QString>

namespace vb {

// The file that writing path (the program's form with "\" separators and any letter case is accepted)
// would write, every link followed. Raises VbError: 52 for an empty name, 76 when the folder does
// not exist, NotARegularFile for an existing target that is no regular file, 70 for a read-only
// one, 75 for a link that leads nowhere it can follow.
QString checkedWriteTarget(const QString& path);

// Raises VbError: those of checkedWriteTarget, 70 when the folder may not be written, 61 when the
// disk is full or the file too large, 75 otherwise.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Writes bytes from the first byte of the existing file over what is there, creating the file only
// when it is missing; the write and the flush are checked. Raises as writeFileAtomically.
void writeFileInPlace(const QString& path, const QByteArray& bytes);

}  // namespace vb
