#include "shell/reductiontext.h"

#include "platform/vbtext.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <algorithm>

QString reductionText(double rader, double outcomes, int languageOffset)
{
    return vb::Dec(rader) + UIText(kUiRowsOf + languageOffset) + vb::Dec(outcomes) +
        UIText(kUiPossible + languageOffset);
}

QString translatedReductionText(const QString& stored, int languageOffset)
{
    // The words of the other language are sought, those of the running one put in their place.
    const int other = languageOffset == 0 ? kFinnishOffset : 0;
    const QString from = vb::Trim(UIText(kUiRowsOf + other));
    const QString fromEnd = vb::Trim(UIText(kUiPossible + other));
    const int p = vb::InStr(stored, from);
    if (p <= 0)
        return stored;
    const qsizetype rest = stored.size() - p - from.size();
    const QString B = stored.right(std::max<qsizetype>(rest, 0));
    const int q = vb::InStr(B, fromEnd);
    // Without the second word the text is not one of ours: shown as stored.
    if (rest < 0 || q <= 0)
        return stored;
    return stored.left(p - 1) + vb::LTrim(UIText(kUiRowsOf + languageOffset)) + B.left(q - 1) +
        vb::Trim(UIText(kUiPossible + languageOffset));
}
