#include "systems/rattrad.h"

#include "core/framecodes.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/userinterface.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/guide.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "systems/Form2.h"

#include <utility>

namespace {

// Layout in twips: the correct row at the left, levels and counts beside it, the result at the right.
constexpr int kClientWidth = 8040;
constexpr int kClientHeight = 4800;
constexpr int kCellLeft = 480;
constexpr int kCellStep = 330;
constexpr int kRowTop = 600;
constexpr int kRowStep = 300;
constexpr int kLevelLeft = 1680;
constexpr int kCountLeft = 2760;
constexpr int kRightLeft = 4680;
constexpr int kRightWidth = 3240;

constexpr std::uint32_t kGreen = 0x7F00;
constexpr std::uint32_t kRed = 0xFF;

QPointer<rattrad>& theWindow()
{
    static QPointer<rattrad> window;
    return window;
}

Label* label(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* l = new Label(parent);
    l->Move(left, top, width, height);
    l->setCaption(caption);
    return l;
}

}  // namespace

void ResultTextBox::setText(const QString& text)
{
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

rattrad::rattrad(FrameRows frameRows) : frameRows_(std::move(frameRows))
{
    setObjectName(QStringLiteral("rattrad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::toPixelsX(kClientWidth), twips::toPixelsY(kClientHeight));
    buildControls();
    MDIForm1::clearHintOnMouseMove({this});
}

void rattrad::buildControls()
{
    // The headings along the top: the correct row, the levels, their counts, the result.
    const struct {
        Label** heading;
        int left;
        int width;
    } headings[] = {{&Label4, 60, 1500}, {&Label5, kLevelLeft, 1050}, {&Label7, kCountLeft, 1860},
        {&Label8, kRightLeft, kRightWidth}};
    for (const auto& h : headings)
        *h.heading = label(this, QString(), h.left, 60, h.width, 255);
    for (int c = 0; c < 3; ++c) {
        Label* head = label(this, frame::signCaption(c), kCellLeft + c * kCellStep, kRowTop - 240, 300, 225);
        head->setVbAlignment(2);
        head->setFontBold(true);
        Label2[static_cast<std::size_t>(c)] = head;
    }
    for (int m = 0; m < rightssearch::MaxPositions; ++m) {
        const int top = kRowTop + m * kRowStep;
        Label* number = label(this, QString::number(m + 1), 60, top, 360, 270);
        number->setVbAlignment(1);
        matchNumbers_[static_cast<std::size_t>(m)] = number;
        for (int c = 0; c < 3; ++c) {
            const int i = 3 * m + c;
            Label* cell = label(this, QString(), kCellLeft + c * kCellStep, top, 300, 270);
            cell->Index = i;
            cell->setFontBold(true);
            cell->setVbAlignment(2);
            cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            cell->setBackColor(0xFFFFFF);
            connect(cell, &Label::Click, this, [this, i] { Label1_Click(i); });
            Label1[static_cast<std::size_t>(i)] = cell;
        }
    }
    // The levels read 13 at the top down to 0, each count beside its level.
    for (int i = 0; i < rightssearch::LevelCount; ++i) {
        const int level = rightssearch::MaxPositions - i;
        const int top = kRowTop - 270 + i * kRowStep;
        Label* l = label(this, QString::number(level), kLevelLeft, top, 600, 270);
        l->setVbAlignment(1);
        Label3[static_cast<std::size_t>(i)] = l;
        Label6[static_cast<std::size_t>(level)] = label(this, QString(), kCountLeft, top, 1860, 270);
    }
    Text1 = make<TextBox>(this, kRightLeft, 330, kRightWidth, 315);
    Text1->setReadOnly(true);
    Text2 = make<ResultTextBox>(this, kRightLeft, 780, kRightWidth, 3360);
    Text2->setReadOnly(true);
    sok = make<CommandButton>(this, kRightLeft, 4260, 1500, 375);
    avbryt = make<CommandButton>(this, kRightLeft + kRightWidth - 1500, 4260, 1500, 375);
    connect(sok, &CommandButton::Click, this, &rattrad::sok_Click);
    connect(avbryt, &CommandButton::Click, this, &rattrad::avbryt_Click);
}

rattrad* rattrad::current() { return theWindow(); }

rattrad* rattrad::showFresh(FrameRows frameRows)
{
    if (rattrad* old = theWindow())
        delete old;  // its unload enables the main window; the new load locks it again
    auto* window = new rattrad(std::move(frameRows));
    theWindow() = window;
    window->Form_Load();
    window->showDialog();
    return window;
}

void rattrad::Form_Load()
{
    avbryt->setCaption(currentUiText(kUiClose));
    Label4->setCaption(currentUiText(kUiCorrectRow));
    Label5->setCaption(currentUiText(kUiSearchRights));
    Label7->setCaption(currentUiText(kUiCorrectRowCount));
    Label8->setCaption(currentUiText(kUiSearchIn));
    setWindowTitle(currentUiText(kUiSearchCaption));
    sok->setCaption(currentUiText(kUiSearchButton));
    lockMainWindow(true);
    MDIForm1* main = MDIForm1::instance();
    marks_ = {};
    QWidget* active = main ? main->activeChild() : nullptr;
    Text1->setText(active ? active->windowTitle() : QString());
    hide();
    Document* document = main ? main->activeDocument() : nullptr;
    kind_ = document ? document->kind() : DocumentKind::None;
    positionsPlusOne_ = 0;
    if (kind_ == DocumentKind::Frame && frameRows_) {
        rows_ = frameRows_(*document);
        positionsPlusOne_ = rightssearch::MaxPositions + 1;
    } else if (auto* editor = kind_ == DocumentKind::System ? dynamic_cast<Form2*>(document) : nullptr) {
        editor_ = editor;
        positionsPlusOne_ = editor->Grid1->Rows();
        const int visibleCells = 3 * (positionsPlusOne_ - 1);
        for (int i = 0; i < rightssearch::CellCount; ++i)
            Label1[static_cast<std::size_t>(i)]->setVisible(i < visibleCells);
        for (int m = 0; m < rightssearch::MaxPositions; ++m)
            matchNumbers_[static_cast<std::size_t>(m)]->setVisible(3 * m < visibleCells);
    } else {
        kind_ = DocumentKind::None;
    }
    for (int i = 0; i < rightssearch::CellCount; ++i)
        Label1[static_cast<std::size_t>(i)]->setCaption(QString());
}

void rattrad::Form_Activate() { guide::showPage(kGuideSearch); }

void rattrad::Label1_Click(int Index)
{
    marks_.click(Index);
    for (int i = 3 * (Index / 3); i < 3 * (Index / 3) + 3; ++i)
        Label1[static_cast<std::size_t>(i)]->setCaption(marks_.caption(i));
}

rightssearch::SearchResult rattrad::searchSystem(const std::vector<std::uint8_t>& correct)
{
    Grid& grid = *editor_->Grid1;
    const int positions = std::min(grid.Rows() - 1, rightssearch::MaxPositions);
    const int systemRows = grid.Cols() - 1;
    if (positions < 0 || systemRows < 1)
        return {};
    RowMatrix cells(positions, systemRows);
    for (int c = 1; c <= systemRows; ++c)
        for (int p = 1; p <= positions; ++p)
            cells.at(p - 1, c - 1) = rightssearch::signCodeOfCell(grid.TextMatrix(p, c));
    // The search walks the current cell over the grid and leaves it on the last cell read.
    grid.setCol(systemRows);
    if (positions > 0)
        grid.setRow(grid.Rows() - 1);
    return rightssearch::countRights(cells, systemRows, correct);
}

void rattrad::sok_Click()
{
    const int positions = positionsPlusOne_ - 1;
    const auto correct = marks_.signs(positions);
    if (!correct) {
        MsgBox(currentMessageText(kMsgIncompleteRow), vbmsg::Exclamation);
        return;
    }
    rightssearch::SearchResult result;
    QString text;
    if (kind_ == DocumentKind::Frame) {
        const long long created = rows_.upperRow();
        result = rightssearch::countRights(rows_, created, *correct);
        text = rightssearch::resultText(
            result, rightssearch::MaxPositions, rightssearch::lowestFrameLevel(created), currentUiText(kUiRightsInRow));
    } else if (kind_ == DocumentKind::System && editor_) {
        result = searchSystem(*correct);
        // A system's text is Swedish in either language.
        text = rightssearch::resultText(result, positions, 1, UIText(kUiRightsInRow));
    }
    Text2->setText(text);
    for (int k = 0; k < rightssearch::LevelCount; ++k) {
        Label* count = Label6[static_cast<std::size_t>(k)];
        const std::int64_t n = result.counts[static_cast<std::size_t>(k)];
        if (n > 0) {
            count->setForeColor(k >= 10 ? kGreen : kRed);
            count->setCaption(QString::number(n) + currentUiText(kUiPieces));
        } else {
            count->setCaption(QString());
        }
    }
}

void rattrad::avbryt_Click()
{
    lockMainWindow(false);
    close();
}

void rattrad::Form_Unload()
{
    // The window goes with its marks; the main window gives the activation back to the searched
    // document itself once the lock is released.
    if (theWindow() == this)
        theWindow() = nullptr;
}

void rattrad::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}
