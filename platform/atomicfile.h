#pragma once
// Every file the program writes goes through here, and every file it reads is checked here. A path
// is taken exactly as given: letter case and backslashes are part of the name (the program's own
// names go through nativePath first). A path that is a symbolic link is written through to the file
// it names (the link stays a link). An existing target that is no regular file (a folder, pipe,
// device or socket) is refused before anything opens it, and a read-only one is refused with error
// 70; in both cases the file stays as it was.
//
// Whole files (the saves, the exports, the settings file) go to a temporary file of a short name of
// its own beside the target, which replaces the target only once it is complete: on any failure the
// old file stays as it was and no temporary file is left. The new file keeps the old one's mode, and
// its owner and group where the process may set them. The calibration record is written in place
// over the start of the existing file, which keeps its bytes after the record.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace vb {

// What a path names, every link followed.
enum class FileKind { Missing, Regular, Special };
FileKind fileKindOf(const QString& path);

// The file that writing path would write, every link followed. Raises VbError: 52 for an empty
// name, 76 when the folder does not exist, NotARegularFile for an existing target that is no regular
// file, 70 for a read-only one, 75 for a link that leads nowhere it can follow.
QString checkedWriteTarget(const QString& path);

// Raises VbError: those of checkedWriteTarget, 70 when the folder may not be written, 61 when the
// disk is full or the file too large, 75 otherwise.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// As writeFileAtomically; the new file is bytes followed by the old file's own bytes from offset
// keepFrom on, copied without holding them in memory (nothing when there is no old file).
void replaceFileStart(const QString& path, const QByteArray& bytes, std::int64_t keepFrom);

// Writes bytes from the first byte of the existing file over what is there, creating the file only
// when it is missing; the write and the flush are checked. Raises as writeFileAtomically.
void writeFileInPlace(const QString& path, const QByteArray& bytes);

// What the tests put in the system's place, so that a fault is made without touching the machine.
struct FileSystemSeam {
    // The checks take this file, under any of its names, for a character device.
    QString seenAsDevice;
    // Runs once the new file is complete, just before it takes the target's place.
    std::function<void()> beforeReplace;
};
// Installs seam (not owned) for the calls that follow; nullptr takes it away.
void installFileSystemSeam(const FileSystemSeam* seam);

}  // namespace vb
