#include "shell/filekinds.h"

#include "shell/texts/texts.h"

#include <array>

namespace {

// The suffix of each kind, in FileKind's order.
constexpr std::array<const char16_t*, 6> kSuffixes = {u".RM", u".RU", u".KU", u".1X2", u".str", u".eur"};

QStringView suffixOf(FileKind kind) { return QStringView(kSuffixes[static_cast<std::size_t>(kind)]); }

}  // namespace

QString fileKindName(FileKind kind, std::int16_t sprakoffset)
{
    return UIText(kUiFileKindName + static_cast<int>(kind) + sprakoffset);
}

QString kindFilter(FileKind kind)
{
    const QString pattern = u'*' + suffixOf(kind).toString();
    return fileKindName(kind, 0) + QStringLiteral(" (") + pattern + QStringLiteral(")|") + pattern;
}

QString fileKindOf(const QString& fileName, std::int16_t sprakoffset)
{
    for (std::size_t i = 0; i < kSuffixes.size(); ++i) {
        const auto kind = static_cast<FileKind>(i);
        const QStringView suffix = suffixOf(kind);
        if (fileName.size() > suffix.size() && fileName.endsWith(suffix))
            return fileKindName(kind, sprakoffset);
    }
    return QString();
}
