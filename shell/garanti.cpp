#include "shell/garanti.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/language.h"
#include "platform/twips.h"
#include "platform/userinterface.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/guide.h"
#include "shell/reductiontext.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>

#include <algorithm>

namespace {

constexpr int kClientWidth = 5340;  // twips
constexpr int kClientHeight = 3480;
constexpr int kColumnWidth = 500;
constexpr int kCentred = 2;
constexpr int kHeadingWidth = 532;  // "Chans" and "Fel i"
constexpr int kCellSlack = 2;  // pixels beside a cell's text: the grid line, and one for a wider font

// The columns are narrow, so cells have no text margin and never elide: a
// five-character "15-32" has to show whole.
class TightCells : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        // The item text margin is this metric + 1 on either side.
        return metric == PM_FocusFrameHMargin ? -1 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QPointer<garanti>& current()
{
    static QPointer<garanti> the;
    return the;
}

void setHeaderColumn(Grid& g, int col, const QString& caption)
{
    g.setTextMatrix(0, col, caption);
    g.setColWidth(col, kColumnWidth);
    g.setFixedAlignment(col, kCentred);
    g.setColAlignment(col, kCentred);
}

}  // namespace

garanti::garanti(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("garanti"));
    twips::resize(this, kClientWidth, kClientHeight);
    stang = make<CommandButton>(this, 4080, 135, 1155, 375);
    Label1 = make<Label>(this, 192, 120, 2600, 252);
    Label2 = make<Label>(this, 2784, 120, kHeadingWidth, 252);
    Label3 = make<Label>(this, 3296, 120, kHeadingWidth, 252);
    for (Label* l : {Label1, Label2, Label3})
        l->setVbAlignment(kCentred);
    Grid2 = make<Grid>(this, 210, 375, 3765, 1500);
    Grid2->setCols(7);
    Grid2->setRows(71);
    Grid2->setFixedCols(0);
    Grid2->setHighLight(false);  // the table is only looked at: no current cell hiding a figure
    Grid2->setTextElideMode(Qt::ElideNone);
    auto* tight = new TightCells;
    tight->setParent(this);  // made after the grid, so it outlives it
    Grid2->setStyle(tight);
    Grid1 = make<Grid>(this, 0, 1200, 675, 555);
    Grid1->setCols(10);
    Grid1->setRows(71);
    Grid1->setVisible(false);
    Label6 = make<Label>(this, 105, 2160, 1380, 240);
    reducering = make<Label>(this, 1545, 2115, 3675, 315);
    Label4 = make<Label>(this, 165, 2595, 1305, 285);
    kommentarer = make<TextBox>(this, 1545, 2580, 3690, 810);
    kommentarer->installEventFilter(this);
    Line1 = make<QFrame>(this, 180, 360, 30, 255);
    Line1->setFrameShape(QFrame::VLine);

    connect(stang, &CommandButton::Click, this, &garanti::stang_Click);
    MDIForm1::clearHintOnMouseMove(
        {this, Label1, Label2, Label3, Label4, Label6, reducering, stang, kommentarer, Grid2});
}

QString storedGuaranteeCell(const Grid& g, int row, int col)
{
    return row < g.Rows() && col < g.Cols() ? g.TextMatrix(row, col) : QString();
}

garanti* garanti::loaded() { return current(); }

garanti* garanti::reload()
{
    MDIForm1* main = MDIForm1::instance();
    if (garanti* old = current()) {
        current() = nullptr;
        auto* sub = qobject_cast<QMdiSubWindow*>(old->parentWidget());
        delete (sub ? static_cast<QWidget*>(sub) : old);
    }
    if (!main)
        return nullptr;
    auto* w = new garanti;
    w->Form_Load();
    current() = w;
    main->addChild(w);
    return w;
}

void garanti::unload()
{
    if (current() == this)
        current() = nullptr;
    // The client area made the frame around the window and deletes it with the window on close.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        deleteLater();
}

void garanti::Form_Load()
{
    setWindowTitle(currentUiText(kUiGuaranteeTableCaption));
    Label1->setCaption(currentUiText(kUiRights));
    Label2->setCaption(currentUiText(kUiChance));
    Label3->setCaption(currentUiText(kUiErrorsIn));
    Label4->setCaption(currentUiText(kUiComments));
    Label6->setCaption(currentUiText(kUiReducedTo));
    stang->setCaption(currentUiText(kUiClose));
}

bool garanti::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == kommentarer && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        kommentarer_Click();
    return QWidget::eventFilter(watched, event);
}

void garanti::kommentarer_Click() { MsgBox(currentMessageText(kMsgCommentsReadOnly), vbmsg::Exclamation); }

void garanti::writeHeader()
{
    static const char16_t* const kHeader[6] = {u"13", u"12", u"11", u"10", u"0-9", u"(%)"};
    for (int c = 0; c < 6; ++c)
        setHeaderColumn(*Grid2, c, QString::fromUtf16(kHeader[c]));
    placeHeadingLabels();
}

void garanti::placeHeadingLabels()
{
    // The designed "Chans" is 32 twips wider than its column; a widened column widens it alike.
    const int chans = Grid2->Cols() > 5 ? std::max(kHeadingWidth, Grid2->ColWidth(5) + 32) : kHeadingWidth;
    Label1->Move(Label1->Left(), Label1->Top(), Grid2->ColPos(5) + 20, Label1->Height());
    Label2->Move(Label1->Left() + Label1->Width() - 20, Label2->Top(), chans, Label2->Height());
    Label3->Move(Label2->Left() + Label2->Width() - 20, Label3->Top(), Label3->Width(), Label3->Height());
}

void garanti::fitColumns()
{
    const QFontMetrics cells = Grid2->fontMetrics();
    const QFontMetrics header = Grid2->horizontalHeader()->fontMetrics();
    const int headerMargin = 2 * Grid2->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, Grid2);
    for (int c = 0; c < Grid2->Cols(); ++c) {
        int widest = Grid2->Rows() > 0 ? header.horizontalAdvance(Grid2->TextMatrix(0, c)) + headerMargin : 0;
        for (int r = 1; r < Grid2->Rows(); ++r)
            widest = std::max(widest, cells.horizontalAdvance(Grid2->TextMatrix(r, c)));
        Grid2->setColWidth(c, std::max(kColumnWidth, twips::fromPixelsX(widest + kCellSlack)));
    }
    placeHeadingLabels();
}

void garanti::showBaseRowColumn(bool baseRow)
{
    Label3->setVisible(baseRow);
    if (Grid2->Cols() == 7)
        setHeaderColumn(*Grid2, 6, QStringLiteral("U-rad"));
}

void garanti::showStored(const Grid& stored, bool baseRow, int cols, int rows)
{
    Grid2->setCols(cols);
    Grid2->setRows(rows);
    showBaseRowColumn(baseRow);
    // Only what both grids hold: a stored grid may be larger than the table the slot's type allows.
    for (int c = 0; c < std::min(cols, stored.Cols()); ++c)
        for (int r = 1; r < std::min(rows, stored.Rows()); ++r)
            Grid2->setTextMatrix(r, c, stored.TextMatrix(r, c));
    fitColumns();
    reducering->setCaption(translatedReductionText(storedGuaranteeCell(stored, 0, 1), sprakoffset));
}

void garanti::showFromSlot(const Grid& stored, int slotType)
{
    guide::showPage(kGuideGuaranteeTable);
    const bool current = storedGuaranteeCell(stored, 0, 0) == u"1";
    if (!current)
        MsgBox(currentMessageText(kMsgGuaranteeNotComputed), vbmsg::Exclamation);
    garanti* w = reload();
    if (!w)
        return;
    w->kommentarer->setText(storedGuaranteeCell(stored, 0, 2));
    w->writeHeader();
    if (!current)
        return;
    const bool baseRow = slotType != 0;
    w->showStored(stored, baseRow, baseRow ? 7 : 6, baseRow ? stored.Rows() : 6);
}
