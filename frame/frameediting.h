#pragma once
// The editing state of one frame and its rules, without any window: the frame's member data, the
// properties of the controls the rules read and write (captions, colours, tags, boxes, the visible
// mode), and the handlers of the sign cells, the mode options, the percent spin buttons and the
// row-count box. Form1 renders this state and shows the messages the handlers return.

#include "core/framecodes.h"
#include "core/rowmatrix.h"
#include "platform/vbcodes.h"
#include "shell/texts/textids.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace frame {

// A message box a handler asks for: MessageText id and MsgBox style.
struct FrameMessage {
    MessageTextId textId;
    int style = 0;
    bool operator==(const FrameMessage&) const = default;
};

// Caption and ForeColor (0x00BBGGRR) of a label.
struct LabelState {
    QString Caption;
    std::uint32_t ForeColor = GuardColour::Black;
    bool operator==(const LabelState&) const = default;
};

// The filter panel: filtercheck, filtertext(0..5) ("Max" 1, X, 2, then "Min" 1, X, 2) and
// LikaRaderCheck. Defaults are those of a new frame.
struct FilterSettings {
    bool filter = false;
    std::array<QString, 6> text = {QStringLiteral("12"), QStringLiteral("10"), QStringLiteral("11"),
        QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")};
    bool removeEqualRows = false;
};

// Texts of the current language that the rules write (kUiNoSystem and kUiMathematical).
struct FrameTexts {
    QString ingetSystem = QStringLiteral("Inget system");
    QString matematisk = QStringLiteral("Matematisk");
};

class FrameEditing {
public:
    explicit FrameEditing(FrameTexts texts = {});

    // ---- member data (slot arrays 0..5 and match arrays 0..13 as declared; 0..2 and 0..12 used) ----
    bool systemsparat = true;
    std::uint8_t filbyte = 0;
    std::array<std::uint8_t, 6> slottyp{};
    std::array<bool, 78> markerad{};
    RowMatrix forminne{1, 1};  // (0 To 1, 0 To 1) until rows are created
    std::array<std::uint8_t, 14> antalmark{};
    std::array<int, 6> sysrader{};
    std::array<int, 6> sysgard{};
    std::array<int, 6> syshelgard{};
    std::array<std::uint8_t, 6> overgrans{};
    std::array<std::uint8_t, 6> placeradhalv{};
    std::array<std::uint8_t, 6> placeradhel{};
    std::array<std::uint8_t, 6> halvefter{};
    std::array<MatchType, 14> systyp{};
    std::array<bool, 6> sysianvand{};
    bool skapat = false;
    std::int32_t allradram = 0;
    std::int32_t temptempallrad = 0;
    bool procentram = false;
    bool avbrytskapa = false;
    std::int32_t kupongstart = 0;

    // ---- control properties the rules read and write ----
    std::array<LabelState, CellCount> Label1;  // sign cells
    std::array<QString, MatchCount> Label5;  // match tags
    std::array<QString, SlotCount> Label3;  // slot system names
    std::array<QString, SlotCount> InsRader;
    std::array<LabelState, SlotCount> InsHalv;
    std::array<LabelState, SlotCount> InsHel;
    std::array<QString, SlotCount> Grid1Tag;  // slot type as text
    std::array<QString, ModeCount> SystemTag;  // System(s).Tag: slot's full guards as text
    QString Allrad = QStringLiteral("1");
    std::array<QString, 3> Text1 = {QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33")};
    QString Text2 = QStringLiteral("1");
    Mode mode = Mode::System1;  // the visible System(k)
    FilterSettings filter;  // the filter panel as the user left it
    bool grid2frameVisible = false;  // coupon view shown

    // ---- handlers ----
    // Click on sign cell Index (0..38). Returns the messages to show, in order.
    std::vector<FrameMessage> Label1_Click(int Index);
    // Choice of mode option Index (0..4).
    void Option1_Click(int Index);
    void Option1_Click(Mode m) { Option1_Click(modeIndex(m)); }
    // The percent spin buttons of box i (0..2).
    void SpinButton1_SpinUp(int i);
    void SpinButton1_SpinDown(int i);
    // Setting Text1(i): a text the percent boxes refuse leaves the box as it was.
    void setText1(int i, const QString& text);
    // What a percent box takes: digits only, at most three, a value 0 to 100 (empty while typing).
    static bool percentBoxAccepts(const QString& text);
    // Setting Text2's text: runs Text2_Change when the text differs (also nested, from inside it).
    void setText2(const QString& text);
    void Text2_Change();
    // A key typed in Text2; true when the focus is to move to "Skapa" (Enter).
    bool Text2_KeyPress(int keyAscii);

    // ---- helpers the window and the readers use ----
    QString PercentText() const;  // tag of a Procent match from the boxes
    // Allrad as a whole number; VbError 6 when it does not fit 32 bits.
    std::int32_t rowTotal() const;
    bool slotEmpty(int s) const;  // Label3(s) says no system is loaded
    static bool isEmptySlotCaption(const QString& caption);
    QString systemTitle(int s) const;  // Label3(s) after its last "\"
    int allowedHalf(int s) const { return sysgard[s] - syshelgard[s]; }
    // Row total from the match types; clears procentram when asked and no Procent match.
    void rowTotalFromTypes(bool clearProcentram);
    // Recount slot s from the match types: placed counts, in-use flag, counter captions and colours.
    void recountSlot(int s);
    // Half and full guards among the matches of type s + 1.
    struct GuardCounts {
        int half = 0;
        int full = 0;
    };
    GuardCounts guardsOf(int s) const;
    // placeradhalv(s), placeradhel(s) from the matches of type s + 1.
    void countPlaced(int s);
    int markedCount(int m) const;

    static constexpr int MaxPercentLength = 3;  // "100"
    static constexpr int MsgStyle = vbmsg::Exclamation;  // with an OK button

    FrameTexts texts;

private:
    void systemClick(int s, int Index, std::vector<FrameMessage>& messages);
    // The click on a copy; false when it is refused.
    bool applySystemClick(int s, int Index, std::vector<FrameMessage>& messages);
    // The steps of a system click. A match of another mode, or a base-row full guard, starts again
    // with the clicked sign alone; the row total is counted from the types before the click.
    void takeMatchForSlot(int s, int Index);
    // Caption of cell Index and its match's mark count, after its mark was toggled.
    void showMark(int Index);
    // guardType with 2 or 3 marks, None below.
    void typeFromMarks(int m, MatchType guardType);
    // The slot's rows join the total with its first guard and leave it with its last.
    void followSlotInUse(int s);
    // overgrans(s): 0 within the half-guard limit, else one more.
    void countHalfGuardsOver(int s);
    // One click leaving too many half guards is the way to a full guard; the second in a row is
    // refused (kMsgTooManyHalf), as is any click leaving too many full guards (kMsgTooManyFull).
    bool refusedOverLimit(int s, std::vector<FrameMessage>& messages);
    // Match m by its marks: below 2 all black without a tag; 2 green, 3 dark red, with `tag`. In a
    // base-row system (baseRowClick the clicked cell) a black cell other than the clicked one stays.
    static constexpr int NoBaseRowClick = -1;
    void colourMatch(int m, const QString& tag, int baseRowClick = NoBaseRowClick);
    void procentClick(int m, std::vector<FrameMessage>& messages);
    void matematiskClick(int Index);
    void clearMatch(int m);
    void colourCounters(int s, int half, int full);
    void multiplyAllrad(double factor);
    // Match m's mathematical guard: Allrad times its marks, when it has two or three.
    void multiplyByMathematicalGuard(int m);
    void divideAllrad(double divisor);
    // A frame of Procent matches only (total at most 1) takes its total from the row-count box.
    void totalFromRowCountBox();
};

}  // namespace frame
