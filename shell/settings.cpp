#include "shell/settings.h"

#include "platform/atomicfile.h"
#include "platform/filenumber.h"
#include "platform/paths.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"

namespace {

const QString kIniName = QStringLiteral("VELKORIN.INI");
// A settings file holds a few short items; a huge one is read no further than this.
constexpr std::int64_t kIniReadLimit = 1 << 20;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Reads one delimited item starting at pos, as a delimited-field reader does: leading blanks skipped,
// a double-quoted item may hold commas, the item ends at a comma or a line end, which is consumed.
QString readItem(const QByteArray& bytes, std::int64_t& pos, std::int64_t& end)
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
    end = pos;
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

// The settings file as the program names it, found ignoring letter case.
QString iniFile() { return vb::nativePath(IniPath()); }

// The start of the settings file, through file number 1; fileSize tells how much there is in all.
QByteArray readIniStart(const QString& file, std::int64_t* fileSize = nullptr)
{
    FileNumber& f = FileNumber::one();
    f.open(file, FileNumber::Mode::BinaryRead);
    FileNumberCloser closer;
    if (fileSize)
        *fileSize = f.size();
    return f.readBytes(qMin(f.size(), kIniReadLimit));
}

}  // namespace

bool scanIniItems(const QByteArray& bytes, const QString& key, IniItem& found, std::int64_t& endPos)
{
    std::int64_t pos = 0;
    while (pos < bytes.size()) {
        const std::int64_t start = pos;
        std::int64_t end = pos;
        QString item = readItem(bytes, pos, end);
        if (beginsWithKey(item, key)) {
            found = IniItem{std::move(item), start, end};
            return true;
        }
    }
    endPos = pos;
    return false;
}

namespace {

// Whether a reader of bytes finds exactly text as the first item beginning with key.
bool readsItem(const QByteArray& bytes, const QString& key, const QString& text)
{
    IniItem found;
    std::int64_t endPos = 0;
    return scanIniItems(bytes, key, found, endPos) && found.text == text;
}

}  // namespace

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
    const QByteArray bytes = readIniStart(iniFile());
    IniItem item;
    std::int64_t endPos = 0;
    if (!scanIniItems(bytes, key, item, endPos))
        throw VbError(vberr::InputPastEnd);
    const qsizetype eq = item.text.indexOf(QLatin1Char('='));
    return vb::Trim(eq < 0 ? item.text : item.text.mid(eq + 1));
}

void writeLanguageItem(const QString& text)
{
    // The item is replaced in a new file: written over in place, a longer or shorter old item would
    // run into the next one. Only the start of the file is read; the rest is copied as it is.
    // The file is looked for once: it is read and replaced by the name found.
    const QString file = iniFile();
    QByteArray start;
    std::int64_t fileSize = 0;
    if (vb::fileKindOf(file) != vb::FileKind::Missing)
        start = readIniStart(file, &fileSize);
    const std::int64_t keepFrom = start.size();
    const QByteArray line = vb::toCp1252(text);
    const QString key = QStringLiteral("Language");
    IniItem item;
    std::int64_t endPos = 0;
    if (scanIniItems(start, key, item, endPos)) {
        start.replace(item.start, item.end - item.start, line);
    } else {
        const QByteArray lineEnd =
            start.isEmpty() || start.endsWith('\n') || start.endsWith('\r') ? QByteArray() : QByteArray("\r\n");
        // A file that ends inside an open quote would take the item into the quote: it is closed first.
        QByteArray appended = start + lineEnd + line;
        if (!readsItem(appended, key, text))
            appended = start + "\"\r\n" + line;
        // At the end of a larger file the item would lie beyond what a start reads: it goes first.
        start = fileSize == start.size() && appended.size() <= kIniReadLimit ? appended : line + "\r\n" + start;
    }
    // The next start must read the item as written; a file where it would not is left as it is.
    if (!readsItem(start.left(kIniReadLimit), key, text))
        throw VbError(vberr::InvalidFileFormat);
    if (FileNumber::one().isOpen())
        throw VbError(vberr::FileAlreadyOpen);
    vb::replaceFileStart(file, start, keepFrom);
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
