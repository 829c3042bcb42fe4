#pragma once
// The ids of the texts the windows ask for, by name: captions and text pieces (UIText), message
// boxes (MessageText) and guide pages (GuideText). Each is the Swedish id; the Finnish text has the
// id plus kFinnishOffset, which the look-ups in the running language add themselves.

// The language offset of the Finnish texts.
inline constexpr int kFinnishOffset = 10000;

// An id of one table. Each table has an id type of its own, so an id reaches its own table only;
// adding a number (the language offset, or the place in a run of texts) keeps the type.
template <class Table>
struct TextId {
    int value = 0;

    friend constexpr TextId operator+(TextId id, int n) { return TextId{id.value + n}; }
    friend constexpr bool operator==(TextId, TextId) = default;
};

struct UiTextTable;
struct MessageTextTable;
struct GuideTextTable;
using UiTextId = TextId<UiTextTable>;
using MessageTextId = TextId<MessageTextTable>;
using GuideTextId = TextId<GuideTextTable>;

// ---------------------------------------------------------------- UIText

// Main window menus and menu items.
inline constexpr UiTextId kUiFileMenu{10};
inline constexpr UiTextId kUiNewFrameItem{11};
inline constexpr UiTextId kUiOpenFrameItem{12};
inline constexpr UiTextId kUiSaveAsItem{13};
inline constexpr UiTextId kUiPrintItem{14};
inline constexpr UiTextId kUiQuitItem{15};
inline constexpr UiTextId kUiEditMenu{20};
inline constexpr UiTextId kUiCutItem{21};
inline constexpr UiTextId kUiCopyItem{22};
inline constexpr UiTextId kUiPasteItem{23};
inline constexpr UiTextId kUiDeleteItem{24};
inline constexpr UiTextId kUiGoToItem{25};  // also the go-to dialog's caption
inline constexpr UiTextId kUiReplaceItem{26};  // also the replace dialog's caption
inline constexpr UiTextId kUiSettingsMenu{30};
inline constexpr UiTextId kUiPrinterSettingsItem{31};
inline constexpr UiTextId kUiToolsMenu{40};
inline constexpr UiTextId kUiNewSystemItem{41};
inline constexpr UiTextId kUiEditSystemItem{42};
inline constexpr UiTextId kUiSearchItem{43};
inline constexpr UiTextId kUiWindowMenu{50};
inline constexpr UiTextId kUiTileItem{51};
inline constexpr UiTextId kUiArrangeIconsItem{52};
inline constexpr UiTextId kUiHelpMenu{60};
inline constexpr UiTextId kUiHelpPagesItem{61};
inline constexpr UiTextId kUiGuideItem{62};
inline constexpr UiTextId kUiExportMenu{63};

// Main window: the caption of a new frame and the toolbar hints. A hint has two lines: the
// button's name (the id below) and what it does (the id + 1).
inline constexpr UiTextId kUiUntitledFrame{100};
inline constexpr UiTextId kUiNewFrameHint{101};
inline constexpr UiTextId kUiPrintHint{103};
inline constexpr UiTextId kUiSearchHint{105};
inline constexpr UiTextId kUiOpenFrameHint{107};
inline constexpr UiTextId kUiSaveAsHint{109};
inline constexpr UiTextId kUiHelpHint{111};
inline constexpr UiTextId kUiGuideHint{113};

// Shared captions and text pieces.
inline constexpr UiTextId kUiSaveFrameAs{120};
inline constexpr UiTextId kUiNoSystem{121};
inline constexpr UiTextId kUiMathematical{122};
inline constexpr UiTextId kUiFrameGuaranteeProgress{123};
inline constexpr UiTextId kUiGuaranteeTableProgress{124};
inline constexpr UiTextId kUiRowsOf{125};  // " rader av ": rows of the system, then the outcomes
inline constexpr UiTextId kUiPossible{126};  // " möjliga", after the outcomes
inline constexpr UiTextId kUiSaveSystemAs{127};
inline constexpr UiTextId kUiSystemProgress{128};
inline constexpr UiTextId kUiMultiplyTimes{129};  // the multiply button once block A is taken
inline constexpr UiTextId kUiMultiplyEquals{130};  // the multiply button once block B is taken
inline constexpr UiTextId kUiMultiply{131};  // the multiply button waiting for block A
inline constexpr UiTextId kUiNewSystemCaption{132};
inline constexpr UiTextId kUiPieces{133};  // " st", after a number of rows
inline constexpr UiTextId kUiGoToCoupon{134};
inline constexpr UiTextId kUiGoToRow{135};
inline constexpr UiTextId kUiCouponRows{136};  // "Rader ", then the first row, kUiCouponRowsDash, the last
inline constexpr UiTextId kUiCouponRowsDash{137};

// Frame window.
inline constexpr UiTextId kUiCancel{200};  // also the other dialogs' cancel buttons
inline constexpr UiTextId kUiUseFilter{201};
inline constexpr UiTextId kUiFilter{202};
inline constexpr UiTextId kUiRowsWithoutSystems{203};
inline constexpr UiTextId kUiMathematicalNote{204};  // what the mathematical guard does
inline constexpr UiTextId kUiFrame{205};
inline constexpr UiTextId kUiHalfGuards{206};
inline constexpr UiTextId kUiFullGuards{207};
inline constexpr UiTextId kUiMax{208};
inline constexpr UiTextId kUiMin{209};
inline constexpr UiTextId kUiRowCount{210};
inline constexpr UiTextId kUiRowsTotal{211};
inline constexpr UiTextId kUiOpen{212};
inline constexpr UiTextId kUiCreate{214};
inline constexpr UiTextId kUiModeOption{215};  // first of 5: "System 1" .. "System 3", "Procent", "Matematisk"
inline constexpr UiTextId kUiFrameGuarantee{220};
inline constexpr UiTextId kUiCreatingFrame{221};
inline constexpr UiTextId kUiModeFrame{222};  // first of 5: "System 1" .. "System 3", "Procent tippning", ...
inline constexpr UiTextId kUiShowGuaranteeTable{227};
inline constexpr UiTextId kUiChangeFrame{228};

// System editor.
inline constexpr UiTextId kUiUse{300};
inline constexpr UiTextId kUiGuaranteeTableButton{301};
inline constexpr UiTextId kUiComments{302};  // also in the guarantee table window

// Shared buttons and the replace dialog.
inline constexpr UiTextId kUiOK{400};
inline constexpr UiTextId kUiBlank{401};
inline constexpr UiTextId kUiReplaceFrom{402};
inline constexpr UiTextId kUiReplaceTo{403};

// Guarantee table window.
inline constexpr UiTextId kUiGuaranteeTableCaption{500};
inline constexpr UiTextId kUiRights{501};
inline constexpr UiTextId kUiChance{502};
inline constexpr UiTextId kUiErrorsIn{503};
inline constexpr UiTextId kUiReducedTo{504};
inline constexpr UiTextId kUiClose{505};  // also the search window's close button

// Frame guarantee window.
inline constexpr UiTextId kUiFrameGuaranteeCaption{600};
inline constexpr UiTextId kUiChanceOf{601};
inline constexpr UiTextId kUiFrameGuaranteeLevel{602};  // first of 5: "13 rätt" .. "10 rätt", "0-9 rätt"
inline constexpr UiTextId kUiPercent{607};

// Guide window.
inline constexpr UiTextId kUiGuideCaption{650};

// New-system dialog.
inline constexpr UiTextId kUiHalfGuardCount{700};
inline constexpr UiTextId kUiFullGuardCount{701};
inline constexpr UiTextId kUiSystemRowCount{702};
inline constexpr UiTextId kUiErrors{703};  // " fel", after a number of errors in the base row
inline constexpr UiTextId kUiComputerBuilds{704};
inline constexpr UiTextId kUiReduction{705};  // first of 3: 13 right (none), 12 right (1 error), 11 right (2 errors)
inline constexpr UiTextId kUiSystemFrame{708};
inline constexpr UiTextId kUiReductionFrame{709};
inline constexpr UiTextId kUiBaseRowFrame{710};
inline constexpr UiTextId kUiThirteenAtErrors{711};
inline constexpr UiTextId kUiNewSystemDialogCaption{712};
inline constexpr UiTextId kUiWithoutBaseRow{713};
inline constexpr UiTextId kUiWithBaseRow{714};

// Printer calibration dialog.
inline constexpr UiTextId kUiReset{800};
inline constexpr UiTextId kUiJokerSettings{801};
inline constexpr UiTextId kUiPrintAsCross{802};
inline constexpr UiTextId kUiPrintAsFilledBox{803};
inline constexpr UiTextId kUiCalibrationNote{804};
inline constexpr UiTextId kUiCrossDistance{805};  // first of 7: the distances that place the crosses
inline constexpr UiTextId kUiJoker1Offset{812};
inline constexpr UiTextId kUiJoker2Offset{813};
inline constexpr UiTextId kUiVertical{814};
inline constexpr UiTextId kUiHorizontal{815};
inline constexpr UiTextId kUiJokerNote{816};
inline constexpr UiTextId kUiSkewNote{817};
inline constexpr UiTextId kUiSkewRange{818};
inline constexpr UiTextId kUiCalibrationCaption{819};
inline constexpr UiTextId kUiOtherCrossSettingsTab{820};
inline constexpr UiTextId kUiCrossPlacementTab{821};
inline constexpr UiTextId kUiRowsPerCoupon{822};

// Print dialog.
inline constexpr UiTextId kUiJoker{900};
inline constexpr UiTextId kUiPrintFrame{901};
inline constexpr UiTextId kUiCouponOrientation{902};
inline constexpr UiTextId kUiJoker1{904};
inline constexpr UiTextId kUiJoker2{905};
inline constexpr UiTextId kUiPrintTo{906};
inline constexpr UiTextId kUiPrintFrom{907};
inline constexpr UiTextId kUiPrintButton{908};  // also the print dialog's caption
inline constexpr UiTextId kUiUpright{909};
inline constexpr UiTextId kUiUpsideDown{910};
inline constexpr UiTextId kUiPrinterButton{913};
inline constexpr UiTextId kUiAllCoupons{914};

// Correct-row search window.
inline constexpr UiTextId kUiCorrectRow{1000};
inline constexpr UiTextId kUiSearchRights{1001};
inline constexpr UiTextId kUiCorrectRowCount{1002};
inline constexpr UiTextId kUiSearchIn{1003};
inline constexpr UiTextId kUiSearchCaption{1004};
inline constexpr UiTextId kUiSearchButton{1005};
inline constexpr UiTextId kUiRightsInRow{1006};  // " Rätt i rad ", between the rights and the row numbers

// Progress window.
inline constexpr UiTextId kUiProgressCaption{1100};

// Help viewer: its contents button and what it says when a help file cannot be opened or shown.
inline constexpr UiTextId kUiHelpContents{1200};
inline constexpr UiTextId kUiHelpCannotOpen{1201};  // followed by the file's path
inline constexpr UiTextId kUiHelpCannotShow{1202};  // followed by the error and kUiHelpLine with its number
inline constexpr UiTextId kUiHelpLine{1203};  // " Rad ", then the line number and "."
inline constexpr UiTextId kUiHelpFileError{1204};  // first of 11: HelpFileError::Empty .. NoPages

// The program's kinds of file, as the file dialogs name them: first of 6, in FileKind's order
// (RM, RU, KU systems, frame, Stryktipset and Europatipset exports).
inline constexpr UiTextId kUiFileKindName{1215};

// ---------------------------------------------------------------- MessageText

// System files.
inline constexpr MessageTextId kMsgNoGuaranteeTable{1};
inline constexpr MessageTextId kMsgOldGuaranteeTable{2};
inline constexpr MessageTextId kMsgTooManyRows{33};
inline constexpr MessageTextId kMsgSystemUnsaved{36};  // "Systemet ", then the caption and kMsgUnsavedQuestion

// Files and the program as a whole.
inline constexpr MessageTextId kMsgOverwrite{3};
inline constexpr MessageTextId kMsgFileAlreadyOpen{4};
inline constexpr MessageTextId kMsgOutOfMemory{29};
inline constexpr MessageTextId kMsgUnexpectedError{30};  // followed by " Error: " and the error number
inline constexpr MessageTextId kMsgNoAppPath{32};
inline constexpr MessageTextId kMsgUnsavedQuestion{35};
inline constexpr MessageTextId kMsgRestartForLanguage{38};
inline constexpr MessageTextId kMsgWrongType{39};

// Edit commands and the go-to dialog.
inline constexpr MessageTextId kMsgPasteOutside{9};
inline constexpr MessageTextId kMsgNoSuchRow{28};

// Frame window.
inline constexpr MessageTextId kMsgNoSuchCoupon{5};
inline constexpr MessageTextId kMsgCouponViewShown{6};
inline constexpr MessageTextId kMsgNoSystem{7};
inline constexpr MessageTextId kMsgTooManyFull{8};
inline constexpr MessageTextId kMsgTooManyHalf{10};
inline constexpr MessageTextId kMsgPercentNot100{11};
inline constexpr MessageTextId kMsgReload{12};
inline constexpr MessageTextId kMsgFrameUnsaved{34};  // "Systemramen ", then the caption and kMsgUnsavedQuestion

// Creating the rows: "System ", the slot's number and one of the three reasons after it.
inline constexpr MessageTextId kMsgSlotInvalid{13};
inline constexpr MessageTextId kMsgSlotTooManyHalf{14};
inline constexpr MessageTextId kMsgSlotFullGuardsShort{15};
inline constexpr MessageTextId kMsgSlotHalfGuardsShort{16};
// The filter's report: kMsgFilterRemoved, removed rows, kMsgFilterOfAll, all rows, kMsgFilterNowLeft,
// rows left, kMsgFilterRows.
inline constexpr MessageTextId kMsgFilterRemovedAll{17};
inline constexpr MessageTextId kMsgFilterKeptAll{18};  // followed by the row count
inline constexpr MessageTextId kMsgFilterRemoved{19};
inline constexpr MessageTextId kMsgFilterOfAll{20};
inline constexpr MessageTextId kMsgFilterNowLeft{21};
inline constexpr MessageTextId kMsgFilterRows{22};

// Guarantee table window and the system editor's multiplication.
inline constexpr MessageTextId kMsgGuaranteeNotComputed{23};
inline constexpr MessageTextId kMsgProductTooLong{24};
inline constexpr MessageTextId kMsgProductTooWide{25};
inline constexpr MessageTextId kMsgCommentsReadOnly{27};

// Correct-row search window.
inline constexpr MessageTextId kMsgIncompleteRow{26};

// Printing.
inline constexpr MessageTextId kMsgBadPrintRange{31};
inline constexpr MessageTextId kMsgOutsideMargin{37};
inline constexpr MessageTextId kMsgBadRowsPerCoupon{60};

// ---------------------------------------------------------------- GuideText

inline constexpr GuideTextId kGuideWelcome{1};
inline constexpr GuideTextId kGuideSaveFrame{2};
inline constexpr GuideTextId kGuideFrameWindow{3};
inline constexpr GuideTextId kGuideReadFrame{4};
inline constexpr GuideTextId kGuideGuaranteeTable{5};
inline constexpr GuideTextId kGuideSearch{6};
inline constexpr GuideTextId kGuidePrint{7};
inline constexpr GuideTextId kGuideLoadSystem{8};
inline constexpr GuideTextId kGuideNewSystem{10};
inline constexpr GuideTextId kGuideSystemEditor{11};
inline constexpr GuideTextId kGuideSaveSystem{12};
