#include "frame/frameediting.h"

#include "platform/vbtext.h"
#include "shell/texts/textids.h"

#include <QLocale>
#include <algorithm>
#include <optional>

namespace frame {

namespace {

// The whole text of a percent box as a number, blanks around it allowed; none for other text. The
// environment's decimal separator or a point: the language's locale is for Qt's dialogs only.
std::optional<double> percentValue(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    double v = QLocale::system().toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

// One more click or mode choice over the half-guard limit. Choosing the mode again and again while
// over must not wrap the byte back to "within the limit".
void countOver(std::uint8_t& overgrans)
{
    if (overgrans < 255)
        ++overgrans;
}

}  // namespace

FrameEditing::FrameEditing(FrameTexts t) : texts(std::move(t))
{
    for (int s = 0; s < SlotCount; ++s) {
        Label3[s] = texts.ingetSystem;
        Grid1Tag[s] = QStringLiteral("0");
        // An empty slot shows what an empty slot read back from a frame file shows.
        InsRader[s] = QStringLiteral("0");
        InsHalv[s].Caption = QStringLiteral("0/0");
        InsHel[s].Caption = QStringLiteral("0/0");
    }
    for (auto& tag : SystemTag)
        tag = QStringLiteral("0");
}

// ---------------------------------------------------------------- helpers

bool FrameEditing::isEmptySlotCaption(const QString& caption)
{
    return caption == u"Inget system" || caption == u"Ei järjestelmää ";
}

bool FrameEditing::slotEmpty(int s) const { return isEmptySlotCaption(Label3[s]); }

QString FrameEditing::systemTitle(int s) const
{
    const QString& name = Label3[s];
    const auto cut = name.lastIndexOf(u'\\');
    return cut < 0 ? name : name.mid(cut + 1);
}

int FrameEditing::markedCount(int m) const
{
    return int(markerad[3 * m]) + int(markerad[3 * m + 1]) + int(markerad[3 * m + 2]);
}

namespace {

// A percent box's share: a whole number 0 to 100, blanks around it allowed; none for other text.
std::optional<int> wholePercent(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 3 || !std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int v = t.toInt();
    return v <= 100 ? std::optional<int>(v) : std::nullopt;
}

}  // namespace

QString FrameEditing::PercentText() const
{
    // Each share in four columns, read back by position: a wider text would run into the next.
    constexpr int width = 4;
    QString tag = QStringLiteral("% ");
    for (const QString& t : Text1) {
        const auto v = wholePercent(t);
        const QString shown = v ? vb::Dec(*v) : t.left(width);
        tag += vb::Space(width - int(shown.size())) + shown;
    }
    return tag;
}

std::int32_t FrameEditing::rowTotal() const { return vb::CLng(vb::Val(Allrad)); }

void FrameEditing::multiplyAllrad(double factor) { Allrad = vb::Dec(vb::Val(Allrad) * factor); }

void FrameEditing::multiplyByMathematicalGuard(int m)
{
    const int marks = markedCount(m);
    if (marks == 2)
        multiplyAllrad(2);
    else if (marks == 3)
        multiplyAllrad(3);
}

void FrameEditing::divideAllrad(double divisor)
{
    // A slot without rows never multiplied the total; dividing by its 0 would only destroy it.
    if (divisor == 0)
        return;
    Allrad = vb::Dec(vb::Val(Allrad) / divisor);
}

void FrameEditing::rowTotalFromTypes(bool clearProcentram)
{
    Allrad = QStringLiteral("1");
    std::array<bool, 6> seen{};
    for (int m = 0; m < MatchCount; ++m) {
        const MatchType t = systyp[m];
        if (t >= MatchType::System1 && t <= MatchType::Matematisk)
            seen[matchTypeByte(t)] = true;
        if (t == MatchType::Matematisk)
            multiplyByMathematicalGuard(m);
    }
    for (int s = 0; s < SlotCount; ++s) {
        if (seen[matchTypeByte(systemMatchType(s))])
            multiplyAllrad(sysrader[s]);
    }
    if (clearProcentram && !seen[matchTypeByte(MatchType::Procent)])
        procentram = false;
}

void FrameEditing::totalFromRowCountBox()
{
    if (vb::Val(Allrad) <= 1 && procentram)
        Allrad = vb::Dec(vb::Int(vb::Val(Text2)));
}

void FrameEditing::clearMatch(int m)
{
    for (int c = 3 * m; c < 3 * m + 3; ++c) {
        Label1[c].Caption.clear();
        markerad[c] = false;
    }
    antalmark[m] = 0;
    systyp[m] = MatchType::None;
}

void FrameEditing::colourCounters(int s, int half, int full)
{
    InsHalv[s].ForeColor = half > allowedHalf(s) ? GuardColour::CounterRed : GuardColour::Black;
    InsHel[s].ForeColor = full > syshelgard[s] ? GuardColour::CounterRed : GuardColour::Black;
    InsHalv[s].Caption = vb::Dec(half) + u'/' + vb::Dec(allowedHalf(s));
    InsHel[s].Caption = vb::Dec(full) + u'/' + vb::Dec(syshelgard[s]);
}

FrameEditing::GuardCounts FrameEditing::guardsOf(int s) const
{
    GuardCounts n;
    for (int m = 0; m < MatchCount; ++m) {
        if (systyp[m] != systemMatchType(s))
            continue;
        if (antalmark[m] == 2)
            ++n.half;
        else if (antalmark[m] == 3)
            ++n.full;
    }
    return n;
}

void FrameEditing::countPlaced(int s)
{
    const GuardCounts n = guardsOf(s);
    placeradhalv[s] = static_cast<std::uint8_t>(n.half);
    placeradhel[s] = static_cast<std::uint8_t>(n.full);
}

void FrameEditing::recountSlot(int s)
{
    countPlaced(s);
    sysianvand[s] = placeradhalv[s] + placeradhel[s] != 0;
    colourCounters(s, placeradhalv[s], placeradhel[s]);
}

// ---------------------------------------------------------------- sign cells

std::vector<FrameMessage> FrameEditing::Label1_Click(int Index)
{
    std::vector<FrameMessage> messages;
    if (Index < 0 || Index >= CellCount)
        return messages;
    skapat = false;
    systemsparat = false;
    if (grid2frameVisible) {
        messages.push_back({kMsgCouponViewShown, MsgStyle});
        return messages;
    }
    const int m = Index / 3;
    const MatchType takenFrom = systyp[m];  // slot whose match another mode may take over
    const Mode k = mode;
    if (isSystemMode(k)) {
        systemClick(modeIndex(k), Index, messages);
    } else if (k == Mode::Procent) {
        procentClick(m, messages);
    } else {
        matematiskClick(Index);
    }
    // The counters of a slot whose match was just taken over follow the types at once, not only
    // when that slot's mode is chosen again.
    if (isSystemType(takenFrom) && takenFrom != systemMatchType(modeIndex(k)) && systyp[m] != takenFrom) {
        recountSlot(slotOfType(takenFrom));
    }
    return messages;
}

void FrameEditing::systemClick(int s, int Index, std::vector<FrameMessage>& messages)
{
    // The click is worked out on a copy and taken only when it is allowed: a refused click leaves
    // the frame as it was, also a match the click would have emptied first. The rows take no part.
    RowMatrix rows = std::move(forminne);
    FrameEditing next = *this;
    forminne = std::move(rows);
    if (next.applySystemClick(s, Index, messages)) {
        next.forminne = std::move(forminne);
        *this = std::move(next);
    } else {
        overgrans[s] = next.overgrans[s];  // the over-limit rule counts refused clicks too
    }
}

bool FrameEditing::applySystemClick(int s, int Index, std::vector<FrameMessage>& messages)
{
    const int m = Index / 3;
    const bool baseRow = slottyp[s] == 1;
    markerad[Index] = !markerad[Index];
    if (!baseRow && markedCount(m) >= 2 && slotEmpty(s)) {
        messages.push_back({kMsgNoSystem, MsgStyle});
        return false;
    }
    takeMatchForSlot(s, Index);
    showMark(Index);
    typeFromMarks(m, systemMatchType(s));
    countPlaced(s);
    followSlotInUse(s);
    colourCounters(s, placeradhalv[s], placeradhel[s]);
    if (refusedOverLimit(s, messages))
        return false;
    colourMatch(m, systemTitle(s), baseRow ? Index : NoBaseRowClick);
    const GuardCounts after = guardsOf(s);
    halvefter[s] = static_cast<std::uint8_t>(after.half);
    placeradhel[s] = static_cast<std::uint8_t>(after.full);
    colourCounters(s, halvefter[s], placeradhel[s]);
    totalFromRowCountBox();
    return true;
}

void FrameEditing::takeMatchForSlot(int s, int Index)
{
    const int m = Index / 3;
    const MatchType own = systemMatchType(s);
    const MatchType typeBefore = systyp[m];
    if ((systyp[m] != MatchType::None && systyp[m] != own) || (slottyp[s] == 1 && antalmark[m] == 3)) {
        clearMatch(m);
        markerad[Index] = !markerad[Index];
    }
    // The total is taken before this click: a base-row full guard just emptied still counts for
    // its own system here, else the in-use step would divide its rows out a second time.
    if (typeBefore == own)
        systyp[m] = typeBefore;
    rowTotalFromTypes(true);
    if (typeBefore == own)
        typeFromMarks(m, own);
}

void FrameEditing::showMark(int Index)
{
    const int m = Index / 3;
    if (!markerad[Index]) {
        Label1[Index].Caption.clear();
        --antalmark[m];
    } else {
        Label1[Index].Caption = signCaption(Index % 3);
        ++antalmark[m];
    }
}

void FrameEditing::typeFromMarks(int m, MatchType guardType)
{
    systyp[m] = antalmark[m] >= 2 ? guardType : MatchType::None;
}

void FrameEditing::followSlotInUse(int s)
{
    const int sum = placeradhalv[s] + placeradhel[s];
    if (sum > 0 && !sysianvand[s]) {
        multiplyAllrad(sysrader[s]);
        sysianvand[s] = true;
    } else if (sum == 0 && sysianvand[s]) {
        sysianvand[s] = false;
        // A slot without rows made the total 0, which no division undoes: count it again.
        if (sysrader[s] == 0)
            rowTotalFromTypes(false);
        else
            divideAllrad(sysrader[s]);
    }
}

void FrameEditing::countHalfGuardsOver(int s)
{
    if (placeradhalv[s] <= allowedHalf(s))
        overgrans[s] = 0;
    else
        countOver(overgrans[s]);
}

bool FrameEditing::refusedOverLimit(int s, std::vector<FrameMessage>& messages)
{
    countHalfGuardsOver(s);
    bool refused = false;
    if (placeradhel[s] > syshelgard[s]) {
        countOver(overgrans[s]);
        messages.push_back({kMsgTooManyFull, MsgStyle});
        refused = true;
    }
    if (overgrans[s] > 1) {
        overgrans[s] = 1;
        messages.push_back({kMsgTooManyHalf, MsgStyle});
        refused = true;
    }
    return refused;
}

void FrameEditing::colourMatch(int m, const QString& tag, int baseRowClick)
{
    const int marks = antalmark[m];
    if (marks < 2) {
        for (int c = 3 * m; c < 3 * m + 3; ++c)
            Label1[c].ForeColor = GuardColour::Black;
        Label5[m].clear();
        return;
    }
    const std::uint32_t colour = marks == 2 ? GuardColour::Green : GuardColour::DarkRed;
    for (int c = 3 * m; c < 3 * m + 3; ++c) {
        if (baseRowClick != NoBaseRowClick && Label1[c].ForeColor == GuardColour::Black && c != baseRowClick)
            continue;
        Label1[c].ForeColor = colour;
    }
    Label5[m] = tag;
}

void FrameEditing::procentClick(int m, std::vector<FrameMessage>& messages)
{
    if (systyp[m] == MatchType::Procent) {
        clearMatch(m);
        colourMatch(m, QString());
    } else {
        // Whole numbers 0 to 100 only: a negative or fractional share must not pass by its sum.
        const auto p0 = wholePercent(Text1[0]), p1 = wholePercent(Text1[1]), p2 = wholePercent(Text1[2]);
        if (!p0 || !p1 || !p2 || *p0 + *p1 + *p2 != 100) {
            messages.push_back({kMsgPercentNot100, MsgStyle});
            return;
        }
        systyp[m] = MatchType::Procent;
        for (int c = 3 * m; c < 3 * m + 3; ++c) {
            markerad[c] = true;
            Label1[c].ForeColor = GuardColour::DarkRed;
            Label1[c].Caption = signCaption(c % 3);
        }
        antalmark[m] = 3;
        Label5[m] = PercentText();
    }
    rowTotalFromTypes(false);
    bool other = false, percent = false;
    for (int j = 0; j < MatchCount; ++j) {
        if (systyp[j] == MatchType::Procent)
            percent = true;
        else if (systyp[j] != MatchType::None)
            other = true;
    }
    if (!other && percent)
        Allrad = vb::Dec(vb::Int(vb::Val(Text2)));
    procentram = percent;
    totalFromRowCountBox();
}

void FrameEditing::matematiskClick(int Index)
{
    const int m = Index / 3;
    if (systyp[m] != MatchType::None && systyp[m] != MatchType::Matematisk)
        clearMatch(m);
    rowTotalFromTypes(true);
    markerad[Index] = !markerad[Index];
    showMark(Index);
    const int marks = antalmark[m];
    if (!markerad[Index]) {
        if (marks == 2)
            Allrad = vb::Dec(vb::Val(Allrad) / 3 * 2);
        else if (marks == 1)
            Allrad = vb::Dec(vb::Val(Allrad) / 2);
    } else {
        if (marks == 2)
            multiplyAllrad(2);
        else if (marks == 3)
            Allrad = vb::Dec(vb::Val(Allrad) / 2 * 3);
    }
    typeFromMarks(m, MatchType::Matematisk);
    colourMatch(m, texts.matematisk);
    totalFromRowCountBox();
}

// ---------------------------------------------------------------- mode choice

void FrameEditing::Option1_Click(int Index)
{
    if (Index < 0 || Index >= ModeCount)
        return;
    mode = modeAt(Index);
    if (!isSystemMode(mode))
        return;
    recountSlot(Index);
    countHalfGuardsOver(Index);
}

// ---------------------------------------------------------------- percent and row-count inputs

bool FrameEditing::percentBoxAccepts(const QString& text)
{
    return text.size() <= MaxPercentLength &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }) &&
        (text.isEmpty() || text.toInt() <= 100);
}

void FrameEditing::setText1(int i, const QString& text)
{
    if (percentBoxAccepts(text))
        Text1[i] = text;
}

void FrameEditing::SpinButton1_SpinDown(int i)
{
    const auto v = percentValue(Text1[i]);
    if (v && *v > 0)
        setText1(i, vb::Dec(*v - 1));
}

void FrameEditing::SpinButton1_SpinUp(int i)
{
    double sum = 0;
    for (const QString& t : Text1) {
        const auto v = percentValue(t);
        if (!v)
            return;  // a box without a number: nothing to add to
        sum += *v;
    }
    if (sum < 100)
        setText1(i, vb::Dec(*percentValue(Text1[i]) + 1));
}

void FrameEditing::setText2(const QString& text)
{
    if (text == Text2)
        return;
    Text2 = text;
    Text2_Change();
}

void FrameEditing::Text2_Change()
{
    setText2(vb::Dec(vb::Val(Text2)));
    skapat = false;
    systemsparat = false;
    if (vb::Val(Text2) < 1)
        setText2(QStringLiteral("1"));
    if (vb::Val(Text2) > MaxRows)
        setText2(QStringLiteral("1"));

    Allrad = QStringLiteral("1");
    std::array<bool, SlotCount> used{};
    bool mathematical = false, percent = false;
    for (int m = 0; m < MatchCount; ++m) {
        const MatchType t = systyp[m];
        if (isSystemType(t)) {
            used[slotOfType(t)] = true;
        } else if (t == MatchType::Matematisk) {
            multiplyByMathematicalGuard(m);
            mathematical = true;
        } else if (t == MatchType::Procent) {
            percent = true;
        }
    }
    if (!percent)
        procentram = false;
    bool anySystem = false;
    for (int s = 0; s < SlotCount; ++s) {
        if (!used[s])
            continue;
        anySystem = true;
        multiplyAllrad(sysrader[s]);
    }
    if (!anySystem && !mathematical && percent)
        Allrad = vb::Dec(vb::Int(vb::Val(Text2)));
}

bool FrameEditing::Text2_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return false;
    setText2(vb::Dec(vb::Val(Text2)));
    if (vb::Val(Text2) < 1)
        setText2(QStringLiteral("1"));
    if (vb::Val(Text2) > MaxRows)
        setText2(QStringLiteral("1"));
    return true;
}

}  // namespace frame
