#include "platform/paths.h"

#include "platform/vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vb {

namespace {

// The entry of folder dir whose name equals name ignoring letter case; the first in sorted order
// when several do. Empty when none.
QString caseBlindEntry(const QString& dir, const QString& name)
{
    QStringList entries =
        QDir(dir.isEmpty() ? QStringLiteral(".") : dir)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(entries.begin(), entries.end());
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return {};
}

}  // namespace

QString nativePath(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    if (p.isEmpty())
        return p;

    const bool absolute = p.startsWith(u'/');
    const bool trailing = p.endsWith(u'/') && p.size() > 1;
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);

    QString out = absolute ? QStringLiteral("/") : QString();
    bool parentExists = true;
    for (const QString& part : parts) {
        QString name = part;
        const QString candidate = out + name;
        if (parentExists && part != u"." && part != u".." && !QFileInfo::exists(candidate)) {
            const QString found = caseBlindEntry(out, name);
            if (found.isEmpty())
                parentExists = false;
            else
                name = found;
        }
        out += name + u'/';
    }
    if (!trailing && out.size() > 1 && out.endsWith(u'/'))
        out.chop(1);
    return out;
}

QString GetWindowsDirectoryA()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid by its own rules and is ignored.
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty())
            return {};
        base = home + QStringLiteral("/.config");
    }
    const QString dir = QDir::cleanPath(base + QStringLiteral("/velkorin"));
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir())
        return {};
    return dir;
}

void ChDir(const QString& path)
{
    const QString p = nativePath(path);
    if (p.isEmpty() || !QFileInfo(p).isDir() || !QDir::setCurrent(p))
        throw VbError(vberr::PathNotFound);
}

QString CurDir() { return QDir::currentPath(); }

bool fileExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

QString fileTitle(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

}  // namespace vb
