#pragma once
// The ids of the texts the windows ask for, by name: captions and text pieces (UIText), message
// boxes (MessageText) and guide pages (GuideText). Each is the Swedish id; the Finnish text has the
// id plus kFinnishOffset, which the look-ups in the running language add themselves.

// The language offset of the Finnish texts.
inline constexpr int kFinnishOffset = 10000;

// ---------------------------------------------------------------- UIText

// Main window menus and menu items.
inline constexpr int kUiFileMenu = 10;
inline constexpr int kUiNewFrameItem = 11;
inline constexpr int kUiOpenFrameItem = 12;
inline constexpr int kUiSaveAsItem = 13;
inline constexpr int kUiPrintItem = 14;
inline constexpr int kUiQuitItem = 15;
inline constexpr int kUiEditMenu = 20;
inline constexpr int kUiCutItem = 21;
inline constexpr int kUiCopyItem = 22;
inline constexpr int kUiPasteItem = 23;
inline constexpr int kUiDeleteItem = 24;
inline constexpr int kUiGoToItem = 25;  // also the go-to dialog's caption
inline constexpr int kUiReplaceItem = 26;  // also the replace dialog's caption
inline constexpr int kUiSettingsMenu = 30;
inline constexpr int kUiPrinterSettingsItem = 31;
inline constexpr int kUiToolsMenu = 40;
inline constexpr int kUiNewSystemItem = 41;
inline constexpr int kUiEditSystemItem = 42;
inline constexpr int kUiSearchItem = 43;
inline constexpr int kUiWindowMenu = 50;
inline constexpr int kUiTileItem = 51;
inline constexpr int kUiArrangeIconsItem = 52;
inline constexpr int kUiHelpMenu = 60;
inline constexpr int kUiHelpPagesItem = 61;
inline constexpr int kUiGuideItem = 62;
inline constexpr int kUiExportMenu = 63;

// Main window: the caption of a new frame and the toolbar hints. A hint has two lines: the
// button's name (the id below) and what it does (the id + 1).
inline constexpr int kUiUntitledFrame = 100;
inline constexpr int kUiNewFrameHint = 101;
inline constexpr int kUiPrintHint = 103;
inline constexpr int kUiSearchHint = 105;
inline constexpr int kUiOpenFrameHint = 107;
inline constexpr int kUiSaveAsHint = 109;
inline constexpr int kUiHelpHint = 111;
inline constexpr int kUiGuideHint = 113;

// Shared captions and text pieces.
inline constexpr int kUiSaveFrameAs = 120;
inline constexpr int kUiNoSystem = 121;
inline constexpr int kUiMathematical = 122;
inline constexpr int kUiFrameGuaranteeProgress = 123;
inline constexpr int kUiGuaranteeTableProgress = 124;
inline constexpr int kUiRowsOf = 125;  // " rader av ": rows of the system, then the outcomes
inline constexpr int kUiPossible = 126;  // " möjliga", after the outcomes
inline constexpr int kUiSaveSystemAs = 127;
inline constexpr int kUiSystemProgress = 128;
inline constexpr int kUiMultiplyTimes = 129;  // the multiply button once block A is taken
inline constexpr int kUiMultiplyEquals = 130;  // the multiply button once block B is taken
inline constexpr int kUiMultiply = 131;  // the multiply button waiting for block A
inline constexpr int kUiNewSystemCaption = 132;
inline constexpr int kUiPieces = 133;  // " st", after a number of rows
inline constexpr int kUiGoToCoupon = 134;
inline constexpr int kUiGoToRow = 135;
inline constexpr int kUiCouponRows = 136;  // "Rader ", then the first row, kUiCouponRowsDash, the last
inline constexpr int kUiCouponRowsDash = 137;

// Frame window.
inline constexpr int kUiCancel = 200;  // also the other dialogs' cancel buttons
inline constexpr int kUiUseFilter = 201;
inline constexpr int kUiFilter = 202;
inline constexpr int kUiRowsWithoutSystems = 203;
inline constexpr int kUiMathematicalNote = 204;  // what the mathematical guard does
inline constexpr int kUiFrame = 205;
inline constexpr int kUiHalfGuards = 206;
inline constexpr int kUiFullGuards = 207;
inline constexpr int kUiMax = 208;
inline constexpr int kUiMin = 209;
inline constexpr int kUiRowCount = 210;
inline constexpr int kUiRowsTotal = 211;
inline constexpr int kUiOpen = 212;
inline constexpr int kUiCreate = 214;
inline constexpr int kUiModeOption = 215;  // first of 5: "System 1" .. "System 3", "Procent", "Matematisk"
inline constexpr int kUiFrameGuarantee = 220;
inline constexpr int kUiCreatingFrame = 221;
inline constexpr int kUiModeFrame = 222;  // first of 5: "System 1" .. "System 3", "Procent tippning", ...
inline constexpr int kUiShowGuaranteeTable = 227;
inline constexpr int kUiChangeFrame = 228;

// System editor.
inline constexpr int kUiUse = 300;
inline constexpr int kUiGuaranteeTableButton = 301;
inline constexpr int kUiComments = 302;  // also in the guarantee table window

// Shared buttons and the replace dialog.
inline constexpr int kUiOK = 400;
inline constexpr int kUiBlank = 401;
inline constexpr int kUiReplaceFrom = 402;
inline constexpr int kUiReplaceTo = 403;

// Guarantee table window.
inline constexpr int kUiGuaranteeTableCaption = 500;
inline constexpr int kUiRights = 501;
inline constexpr int kUiChance = 502;
inline constexpr int kUiErrorsIn = 503;
inline constexpr int kUiReducedTo = 504;
inline constexpr int kUiClose = 505;  // also the search window's close button

// Frame guarantee window.
inline constexpr int kUiFrameGuaranteeCaption = 600;
inline constexpr int kUiChanceOf = 601;
inline constexpr int kUiFrameGuaranteeLevel = 602;  // first of 5: "13 rätt" .. "10 rätt", "0-9 rätt"
inline constexpr int kUiPercent = 607;

// Guide window.
inline constexpr int kUiGuideCaption = 650;

// New-system dialog.
inline constexpr int kUiHalfGuardCount = 700;
inline constexpr int kUiFullGuardCount = 701;
inline constexpr int kUiSystemRowCount = 702;
inline constexpr int kUiErrors = 703;  // " fel", after a number of errors in the base row
inline constexpr int kUiComputerBuilds = 704;
inline constexpr int kUiReduction = 705;  // first of 3: 13 right (none), 12 right (1 error), 11 right (2 errors)
inline constexpr int kUiSystemFrame = 708;
inline constexpr int kUiReductionFrame = 709;
inline constexpr int kUiBaseRowFrame = 710;
inline constexpr int kUiThirteenAtErrors = 711;
inline constexpr int kUiNewSystemDialogCaption = 712;
inline constexpr int kUiWithoutBaseRow = 713;
inline constexpr int kUiWithBaseRow = 714;

// Printer calibration dialog.
inline constexpr int kUiReset = 800;
inline constexpr int kUiJokerSettings = 801;
inline constexpr int kUiPrintAsCross = 802;
inline constexpr int kUiPrintAsFilledBox = 803;
inline constexpr int kUiCalibrationNote = 804;
inline constexpr int kUiCrossDistance = 805;  // first of 7: the distances that place the crosses
inline constexpr int kUiJoker1Offset = 812;
inline constexpr int kUiJoker2Offset = 813;
inline constexpr int kUiVertical = 814;
inline constexpr int kUiHorizontal = 815;
inline constexpr int kUiJokerNote = 816;
inline constexpr int kUiSkewNote = 817;
inline constexpr int kUiSkewRange = 818;
inline constexpr int kUiCalibrationCaption = 819;
inline constexpr int kUiOtherCrossSettingsTab = 820;
inline constexpr int kUiCrossPlacementTab = 821;
inline constexpr int kUiRowsPerCoupon = 822;

// Print dialog.
inline constexpr int kUiJoker = 900;
inline constexpr int kUiPrintFrame = 901;
inline constexpr int kUiCouponOrientation = 902;
inline constexpr int kUiJoker1 = 904;
inline constexpr int kUiJoker2 = 905;
inline constexpr int kUiPrintTo = 906;
inline constexpr int kUiPrintFrom = 907;
inline constexpr int kUiPrintButton = 908;  // also the print dialog's caption
inline constexpr int kUiUpright = 909;
inline constexpr int kUiUpsideDown = 910;
inline constexpr int kUiPrinterButton = 913;
inline constexpr int kUiAllCoupons = 914;

// Correct-row search window.
inline constexpr int kUiCorrectRow = 1000;
inline constexpr int kUiSearchRights = 1001;
inline constexpr int kUiCorrectRowCount = 1002;
inline constexpr int kUiSearchIn = 1003;
inline constexpr int kUiSearchCaption = 1004;
inline constexpr int kUiSearchButton = 1005;
inline constexpr int kUiRightsInRow = 1006;  // " Rätt i rad ", between the rights and the row numbers

// Progress window.
inline constexpr int kUiProgressCaption = 1100;

// ---------------------------------------------------------------- MessageText

// System files.
inline constexpr int kMsgNoGuaranteeTable = 1;
inline constexpr int kMsgOldGuaranteeTable = 2;
inline constexpr int kMsgTooManyRows = 33;
inline constexpr int kMsgSystemUnsaved = 36;  // "Systemet ", then the caption and kMsgUnsavedQuestion

// Files and the program as a whole.
inline constexpr int kMsgOverwrite = 3;
inline constexpr int kMsgFileAlreadyOpen = 4;
inline constexpr int kMsgOutOfMemory = 29;
inline constexpr int kMsgUnexpectedError = 30;  // followed by " Error: " and the error number
inline constexpr int kMsgNoAppPath = 32;
inline constexpr int kMsgUnsavedQuestion = 35;
inline constexpr int kMsgRestartForLanguage = 38;
inline constexpr int kMsgWrongType = 39;

// Edit commands and the go-to dialog.
inline constexpr int kMsgPasteOutside = 9;
inline constexpr int kMsgNoSuchRow = 28;

// Frame window.
inline constexpr int kMsgNoSuchCoupon = 5;
inline constexpr int kMsgCouponViewShown = 6;
inline constexpr int kMsgNoSystem = 7;
inline constexpr int kMsgTooManyFull = 8;
inline constexpr int kMsgTooManyHalf = 10;
inline constexpr int kMsgPercentNot100 = 11;
inline constexpr int kMsgReload = 12;
inline constexpr int kMsgFrameUnsaved = 34;  // "Systemramen ", then the caption and kMsgUnsavedQuestion

// Creating the rows: "System ", the slot's number and one of the three reasons after it.
inline constexpr int kMsgSlotInvalid = 13;
inline constexpr int kMsgSlotTooManyHalf = 14;
inline constexpr int kMsgSlotFullGuardsShort = 15;
inline constexpr int kMsgSlotHalfGuardsShort = 16;
// The filter's report: kMsgFilterRemoved, removed rows, kMsgFilterOfAll, all rows, kMsgFilterNowLeft,
// rows left, kMsgFilterRows.
inline constexpr int kMsgFilterRemovedAll = 17;
inline constexpr int kMsgFilterKeptAll = 18;  // followed by the row count
inline constexpr int kMsgFilterRemoved = 19;
inline constexpr int kMsgFilterOfAll = 20;
inline constexpr int kMsgFilterNowLeft = 21;
inline constexpr int kMsgFilterRows = 22;

// Guarantee table window and the system editor's multiplication.
inline constexpr int kMsgGuaranteeNotComputed = 23;
inline constexpr int kMsgProductTooLong = 24;
inline constexpr int kMsgProductTooWide = 25;
inline constexpr int kMsgCommentsReadOnly = 27;

// Correct-row search window.
inline constexpr int kMsgIncompleteRow = 26;

// Printing.
inline constexpr int kMsgBadPrintRange = 31;
inline constexpr int kMsgOutsideMargin = 37;
inline constexpr int kMsgBadRowsPerCoupon = 60;

// ---------------------------------------------------------------- GuideText

inline constexpr int kGuideWelcome = 1;
inline constexpr int kGuideSaveFrame = 2;
inline constexpr int kGuideFrameWindow = 3;
inline constexpr int kGuideReadFrame = 4;
inline constexpr int kGuideGuaranteeTable = 5;
inline constexpr int kGuideSearch = 6;
inline constexpr int kGuidePrint = 7;
inline constexpr int kGuideLoadSystem = 8;
inline constexpr int kGuideNewSystem = 10;
inline constexpr int kGuideSystemEditor = 11;
inline constexpr int kGuideSaveSystem = 12;
