#include "shell/settings.h"

#include "platform/filenumber.h"
#include "platform/paths.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"

namespace {

const QString kIniName = QStringLiteral("VELKORIN.INI");

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Reads one delimited item starting at pos, as a delimited-field reader does: leading blanks skipped,
// a double-quoted item may hold commas, the item ends at a comma or a line end, which is consumed.
QString readItem(const QByteArray& bytes, std::int64_t& pos)
{
    const std::int64_t n = bytes.size();
    while (pos < n && isBlank(bytes[pos]))
        ++pos;
    QByteArray item;
    if (pos < n && bytes[pos] == '"') {
        ++pos;
        while (pos < n && bytes[pos] != '"')
            item.append(bytes[pos++]);
        if (pos < n)
            ++pos;  // closing quote; anything up to the delimiter is dropped
        while (pos < n && bytes[pos] != ',' && bytes[pos] != '\r' && bytes[pos] != '\n')
            ++pos;
    } else {
        while (pos < n && bytes[pos] != ',' && bytes[pos] != '\r' && bytes[pos] != '\n')
            item.append(bytes[pos++]);
    }
    if (pos < n) {
        if (bytes[pos] == '\r') {
            ++pos;
            if (pos < n && bytes[pos] == '\n')
                ++pos;
        } else {
            ++pos;  // comma or LF
        }
    }
    return vb::fromCp1252(item);
}

bool beginsWithKey(const QString& item, const QString& key)
{
    return item.left(key.size()).compare(key, Qt::CaseInsensitive) == 0;
}

}  // namespace

bool scanIniItems(const QByteArray& bytes, const QString& key, IniItem& found, std::int64_t& endPos)
{
    std::int64_t pos = 0;
    while (pos < bytes.size()) {
        const std::int64_t start = pos;
        QString item = readItem(bytes, pos);
        if (beginsWithKey(item, key)) {
            found = IniItem{std::move(item), start};
            return true;
        }
    }
    endPos = pos;
    return false;
}

QString IniPath()
{
    QString dir = vb::GetWindowsDirectoryA();
    if (dir.isEmpty())
        return kIniName;
    dir = vb::RTrim(dir);
    if (dir.endsWith(QChar(0)))
        dir.chop(1);
    if (dir.endsWith(QLatin1Char('\\')) || dir.endsWith(QLatin1Char('/')))
        return dir + kIniName;
    return dir + QLatin1Char('\\') + kIniName;
}

QString IniScan(const QString& key)
{
    FileNumber& f = FileNumber::one();
    f.open(IniPath(), FileNumber::Mode::BinaryRead);
    FileNumberCloser closer;
    const QByteArray bytes = f.readBytes(f.size());
    IniItem item;
    std::int64_t endPos = 0;
    if (!scanIniItems(bytes, key, item, endPos))
        throw VbError(vberr::InputPastEnd);
    const qsizetype eq = item.text.indexOf(QLatin1Char('='));
    return vb::Trim(eq < 0 ? item.text : item.text.mid(eq + 1));
}

void writeLanguageItem(const QString& text)
{
    FileNumber& f = FileNumber::one();
    f.open(IniPath(), FileNumber::Mode::BinaryReadWrite);
    FileNumberCloser closer;
    const QByteArray bytes = f.readBytes(f.size());
    IniItem item;
    std::int64_t endPos = 0;
    f.seek(scanIniItems(bytes, QStringLiteral("Language"), item, endPos) ? item.start : endPos);
    f.writeBytes(vb::toCp1252(text));
    f.flush();
}

QString dialogStartFolder(const QString& appPath)
{
    return appPath + (appPath.endsWith(QLatin1Char('\\')) ? QStringLiteral("System\\") : QStringLiteral("\\System\\"));
}

QString helpFilePath(const QString& appPath, std::int16_t sprakoffset)
{
    const QString name = sprakoffset != 0 ? QStringLiteral("tipsfin.hlp") : QStringLiteral("tipsswe.hlp");
    return appPath + (appPath.endsWith(QLatin1Char('\\')) ? name : QLatin1Char('\\') + name);
}
