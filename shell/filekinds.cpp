#include "shell/filekinds.h"

#include <array>

namespace {

struct KindNames {
    FileKind kind;
    const char16_t* suffix;
    const char16_t* swedish;
    const char16_t* finnish;
};

constexpr std::array<KindNames, 6> kKinds = {{
    {FileKind::RM, u".RM", u"RM-system", u"RM-järjestelmä"},
    {FileKind::RU, u".RU", u"RU-system", u"RU-järjestelmä"},
    {FileKind::KU, u".KU", u"KU-system", u"KU-järjestelmä"},
    {FileKind::Frame, u".1X2", u"Systemram", u"Järjestelmärunko"},
    {FileKind::Stryktipset, u".str", u"Svenska spel Stryktipset", u"Svenska spel Stryktipset"},
    {FileKind::Europatipset, u".eur", u"Svenska spel Europatipset", u"Svenska spel Europatipset"},
}};

const KindNames& namesOf(FileKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

QString nameIn(const KindNames& names, std::int16_t sprakoffset)
{
    return QString::fromUtf16(sprakoffset != 0 ? names.finnish : names.swedish);
}

}  // namespace

QString fileKindName(FileKind kind, std::int16_t sprakoffset) { return nameIn(namesOf(kind), sprakoffset); }

QString kindFilter(FileKind kind)
{
    const QString pattern = u'*' + QString::fromUtf16(namesOf(kind).suffix);
    return fileKindName(kind, 0) + QStringLiteral(" (") + pattern + QStringLiteral(")|") + pattern;
}

QString fileKindOf(const QString& fileName, std::int16_t sprakoffset)
{
    for (const KindNames& names : kKinds) {
        const QString suffix = QString::fromUtf16(names.suffix);
        if (fileName.size() > suffix.size() && fileName.endsWith(suffix))
            return nameIn(names, sprakoffset);
    }
    return QString();
}
