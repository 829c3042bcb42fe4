#include "platform/language.h"

#include <array>
#include <utility>

std::int16_t sprakoffset = 0;

QString standardText(StandardText text)
{
    // Swedish, Finnish; in the order of StandardText.
    static const std::array<std::pair<const char16_t*, const char16_t*>, 9> kTexts = {{
        {u"Ja", u"Kyllä"},
        {u"Nej", u"Ei"},
        {u"Avbryt", u"Peruuta"},
        {u"OK", u"OK"},
        {u"Avbryt", u"Keskeytä"},
        {u"Försök igen", u"Yritä uudelleen"},
        {u"Ignorera", u"Ohita"},
        {u"Öppna", u"Avaa"},
        {u"Spara som", u"Tallenna nimellä"},
    }};
    const auto& [swedish, finnish] = kTexts[static_cast<std::size_t>(text)];
    return QString::fromUtf16(sprakoffset != 0 ? finnish : swedish);
}
