#include "systems/garanti.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/Module1.h"
#include "shell/errorreport.h"
#include "shell/guide.h"
#include "systems/Form2.h"
#include "systems/guarantee.h"
#include "systems/progress.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>

namespace {

constexpr int kClientWidth = 5340;  // twips
constexpr int kClientHeight = 3480;
constexpr int kColumnWidth = 500;
constexpr int kCentred = 2;

QPointer<garanti>& current()
{
    static QPointer<garanti> the;
    return the;
}

// A stored grid's cell, empty where the grid has none: a system file may hold a guarantee grid of
// any size.
QString storedCell(const Grid& g, int row, int col)
{
    return row < g.Rows() && col < g.Cols() ? g.TextMatrix(row, col) : QString();
}

template <class T>
T* make(QWidget* parent, int left, int top, int width, int height)
{
    auto* w = new T(parent);
    twips::move(w, left, top, width, height);
    w->setMouseTracking(true);
    return w;
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
    setMouseTracking(true);
    twips::resize(this, kClientWidth, kClientHeight);
    stang = make<CommandButton>(this, 4080, 135, 1155, 375);
    Label1 = make<Label>(this, 192, 120, 2600, 252);
    Label2 = make<Label>(this, 2784, 120, 532, 252);
    Label3 = make<Label>(this, 3296, 120, 532, 252);
    for (Label* l : {Label1, Label2, Label3})
        l->setVbAlignment(kCentred);
    Grid2 = make<Grid>(this, 210, 375, 3765, 1500);
    Grid2->setCols(7);
    Grid2->setRows(71);
    Grid2->setFixedCols(0);
    Grid2->setHighLight(false);  // the table is only looked at: no current cell hiding a figure
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
    for (Label* l : {Label1, Label2, Label3, Label4, Label6, reducering})
        connect(l, &Label::MouseMove, this, &garanti::Form_MouseMove);
    connect(stang, &CommandButton::MouseMove, this, &garanti::Form_MouseMove);
    connect(kommentarer, &TextBox::MouseMove, this, &garanti::Form_MouseMove);
    connect(Grid2, &Grid::MouseMove, this, &garanti::Form_MouseMove);
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
    setWindowTitle(uiText(500));
    Label1->setCaption(uiText(501));
    Label2->setCaption(uiText(502));
    Label3->setCaption(uiText(503));
    Label4->setCaption(uiText(302));
    Label6->setCaption(uiText(504));
    stang->setCaption(uiText(505));
}

void garanti::Form_MouseMove()
{
    if (MDIForm1* main = MDIForm1::instance())
        main->clearHint();
}

void garanti::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

bool garanti::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == kommentarer && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        kommentarer_Click();
    return QWidget::eventFilter(watched, event);
}

void garanti::kommentarer_Click() { MsgBox(messageText(27), vbmsg::Exclamation); }

void garanti::writeHeader()
{
    static const char16_t* const kHeader[6] = {u"13", u"12", u"11", u"10", u"0-9", u"(%)"};
    for (int c = 0; c < 6; ++c)
        setHeaderColumn(*Grid2, c, QString::fromUtf16(kHeader[c]));
    Label1->Move(Label1->Left(), Label1->Top(), Grid2->ColPos(5) + 20, Label1->Height());
    Label2->Move(Label1->Left() + Label1->Width() - 20, Label2->Top(), Label2->Width(), Label2->Height());
    Label3->Move(Label2->Left() + Label2->Width() - 20, Label3->Top(), Label3->Width(), Label3->Height());
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
    reducering->setCaption(translatedReductionText(storedCell(stored, 0, 1), sprakoffset));
}

void garanti::showFromSlot(const Grid& stored, int slotType)
{
    guide::showPage(5);
    const bool current = storedCell(stored, 0, 0) == u"1";
    if (!current)
        MsgBox(messageText(23), vbmsg::Exclamation);
    garanti* w = reload();
    if (!w)
        return;
    if (stored.Cols() > 2)
        w->kommentarer->setText(stored.TextMatrix(0, 2));
    w->writeHeader();
    if (!current)
        return;
    const bool baseRow = slotType != 0;
    w->showStored(stored, baseRow, baseRow ? 7 : 6, baseRow ? stored.Rows() : 6);
}

void garanti::showFromEditor(Form2& editor)
{
    Grid& signs = *editor.Grid1;
    Grid& stored = *editor.Grid2;
    GuaranteeSystem system;
    system.halvgard = vb::CLng(editor.halvgard());
    system.helgard = vb::CLng(editor.helgard());
    system.baseRow = editor.urad() == 1;
    system.rows = vb::CLng(editor.rader());
    const int n = system.positions();
    try {
        if (signs.Cols() - 1 < system.rows || signs.Rows() - 1 < n)
            throw VbError(vberr::SubscriptOutOfRange);
        system.codes.resize(std::size_t(system.rows) * std::size_t(n));
        checkGuaranteeSystem(system);
    } catch (const VbError& e) {
        reportError(e);
        return;
    }

    QPointer<garanti> w = reload();
    MDIForm1* main = MDIForm1::instance();
    if (!w || !main)
        return;
    main->SetEnabled(false);
    for (int r = 0; r < system.rows; ++r)
        for (int k = 0; k < n; ++k)
            system.codes[std::size_t(r) * std::size_t(n) + std::size_t(k)] =
                guaranteeSignCode(signs.TextMatrix(k + 1, r + 1));
    w->writeHeader();

    if (storedCell(stored, 0, 0) == u"1") {
        w->showStored(stored, system.baseRow, stored.Cols(), stored.Rows());
        stored.setTextMatrix(0, 0, QStringLiteral("1"));
        w->kommentarer->setText(storedCell(stored, 0, 2));
        main->SetEnabled(true);
        return;
    }

    ProgressRun run(124, true);
    w->Label3->setVisible(system.baseRow);
    w->Grid2->setCols(system.baseRow ? 7 : 6);
    w->Grid2->setRows(system.baseRow ? 71 : 6);
    w->showBaseRowColumn(system.baseRow);
    const GuaranteeCounts counts =
        countGuarantee(system, [&run](long long done, long long total) {
            return run.step(static_cast<double>(done), static_cast<double>(total));
        });
    if (counts.cancelled || !w) {
        run.hideAfterCancel();
        return;
    }
    for (int t = 1; t <= kGuaranteeTableRows; ++t)
        for (int c = 0; c < kGuaranteeCategories; ++c) {
            w->Grid1->setTextMatrix(t, 2 * c, vb::Dec(counts.maximum[std::size_t(t - 1)][std::size_t(c)]));
            w->Grid1->setTextMatrix(t, 2 * c + 1, vb::Dec(counts.minimum[std::size_t(t - 1)][std::size_t(c)]));
        }
    const GuaranteeTable table = guaranteeTableOf(counts, system.baseRow);
    w->Grid2->setRows(table.rows);
    stored.setCols(table.cols);
    stored.setRows(table.rows);
    for (int g = 1; g < table.rows; ++g)
        for (int c = 0; c < table.cols; ++c) {
            w->Grid2->setTextMatrix(g, c, table.cell(c, g));
            stored.setTextMatrix(g, c, table.cell(c, g));
        }
    const QString text = reductionText(system.rows, counts.outcomes, sprakoffset);
    w->reducering->setCaption(text);
    stored.setTextMatrix(0, 1, text);
    stored.setTextMatrix(0, 0, QStringLiteral("1"));
    w->kommentarer->setText(stored.TextMatrix(0, 2));
    run.finish(ProgressRun::FinishOrder::EnableThenHide);
}
