#pragma once
// Paths as the program builds them ("C:\x\System\", any letter case) made to work on this system,
// and the program's folder calls: the settings folder, the current folder, files to test. A name the
// user typed or picked is no such path: it is taken exactly as given, and only the program's own names
// go through nativePath.

#include <QString>
#include <QStringList>

namespace vb {

// "\" becomes "/"; each component that does not exist as written is replaced by the one in its
// folder that matches ignoring letter case, if there is one. A relative path stays relative.
QString nativePath(const QString& path);

// The folder where the settings file lives: $XDG_CONFIG_HOME/velkorin, else ~/.config/velkorin.
// Returned without a trailing separator. Empty when it cannot be had
// (the caller then falls back to the current folder).
QString GetWindowsDirectoryA();

// Change the current folder; error 76 when it does not exist.
void ChDir(const QString& path);
QString CurDir();

// Whether a file (not a folder) exists at path, taken exactly as given.
bool fileExists(const QString& path);

// File name part of a full path: after its last "/" (a "\" is part of a name).
QString fileTitle(const QString& path);

}  // namespace vb
