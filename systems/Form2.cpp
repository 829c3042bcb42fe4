#include "systems/Form2.h"

#include "platform/commondialog.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "shell/MDIForm1.h"
#include "shell/guide.h"
#include "shell/saveas.h"
#include "shell/systemfile.h"
#include "shell/systemgrids.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "systems/generation.h"
#include "systems/guaranteefill.h"
#include "systems/progress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <new>
#include <optional>
#include <stdexcept>

namespace {

// Layout in twips. The grid takes the width of the window; the comment and the buttons sit below it.
constexpr int kFormWidth = 9600;
constexpr int kFormHeight = 5460;
constexpr int kMargin = 120;
constexpr int kBottomPart = 1230;  // comment heading, comment box and buttons
constexpr int kButtonWidth = 1575;
constexpr int kButtonHeight = 375;
constexpr int kSignColWidth = 450;
constexpr int kLabelColWidth = 660;

}  // namespace

Form2* Form2::open(const QString& caption, const NewSystemSettings& settings)
{
    auto* editor = new Form2;
    if (!editor->Form_Load(settings)) {
        delete editor;
        return nullptr;
    }
    if (MDIForm1* main = MDIForm1::instance())
        main->addChild(editor);
    else
        editor->show();
    editor->setWindowTitle(caption);
    return editor;
}

Form2::Form2(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    buildControls();
}

Form2::~Form2()
{
    if (!unloaded_)
        Form_Unload();
}

void Form2::buildControls()
{
    twips::resize(this, kFormWidth, kFormHeight);
    Grid1 = new Grid(this);
    Grid2 = new Grid(this);
    Grid2->hide();
    Grid2->setRows(1);
    Grid2->setCols(1);
    Label4 = new Label(this);
    kommentarer = new TextBox(this);
    Anvand = new CommandButton(this);
    Berakna = new CommandButton(this);
    ganger = new CommandButton(this);
    layoutControls();

    connect(kommentarer, &TextBox::Change, this, &Form2::kommentarer_Change);
    connect(kommentarer, &TextBox::GotFocus, this, &Form2::kommentarer_GotFocus);
    connect(kommentarer, &TextBox::LostFocus, this, &Form2::kommentarer_LostFocus);
    connect(Anvand, &CommandButton::Click, this, &Form2::Anvand_Click);
    connect(Berakna, &CommandButton::Click, this, &Form2::Berakna_Click);
    connect(ganger, &CommandButton::Click, this, &Form2::ganger_Click);
    for (QWidget* w : std::initializer_list<QWidget*>{Grid1, kommentarer, Anvand, Berakna, ganger})
        w->installEventFilter(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Grid1, Label4, kommentarer, Anvand, Berakna, ganger})
        w->setMouseTracking(true);
    MDIForm1::clearHintOnMouseMove({this, Grid1});
}

void Form2::layoutControls()
{
    const int width = std::max(twips::fromPixelsX(this->width()), 4 * kButtonWidth);
    const int height = std::max(twips::fromPixelsY(this->height()), kBottomPart + 1500);
    const int gridBottom = height - kBottomPart;
    Grid1->Move(kMargin, kMargin, width - 2 * kMargin, gridBottom - kMargin);
    Label4->Move(kMargin, gridBottom + 90, 3000, 255);
    const int buttonsLeft = width - kMargin - 3 * kButtonWidth - 2 * 90;
    kommentarer->Move(kMargin, gridBottom + 390, buttonsLeft - 2 * kMargin, 660);
    const int buttonTop = gridBottom + 390 + 660 - kButtonHeight;
    Anvand->Move(buttonsLeft, buttonTop, kButtonWidth, kButtonHeight);
    Berakna->Move(buttonsLeft + kButtonWidth + 90, buttonTop, kButtonWidth, kButtonHeight);
    ganger->Move(buttonsLeft + 2 * (kButtonWidth + 90), buttonTop, kButtonWidth, kButtonHeight);
}

void Form2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

QString Form2::captionPattern() const
{
    return vb::Dec(helgard_) + u'-' + vb::Dec(halvgard_) + u'-' + vb::Dec(rader_) + u'.' + systemtyp_;
}

void Form2::keepFileName(const QString& path)
{
    fileName_ = path;
    setWindowTitle(path);
}

// ---------------------------------------------------------------- load and build

bool Form2::Form_Load(const NewSystemSettings& settings)
{
    Anvand->setCaption(currentUiText(kUiUse));
    Berakna->setCaption(currentUiText(kUiGuaranteeTableButton));
    ganger->setCaption(currentUiText(kUiMultiply));
    Label4->setCaption(currentUiText(kUiComments));

    std::optional<ProgressRun> run;
    // Reports a failure, then hides the progress window and enables the main window.
    auto fail = [&run, this](int number, const QString& description) {
        reportLoadError(number, description);
        if (run)
            run->finish(ProgressRun::FinishOrder::HideThenEnable);
        return number != vberr::GridTooManyColumns;
    };
    try {
        syssparat = false;
        systemtyp_ = settings.systemType();
        setKeyPreview(true);
        rader_ = settings.rader;
        helgard_ = settings.helgard;
        halvgard_ = settings.halvgard;
        urad_ = settings.urad;
        Grid1->Tag = vb::Dec(urad_);
        if (rader_ == 0)
            rader_ = 1;
        if (helgard_ + halvgard_ == 0)
            helgard_ = 1;
        // After the repair: a saved system must name as many full guards as its grid has.
        Tag = vb::Dec(helgard_);
        layOutGrid();

        run.emplace(kUiSystemProgress);
        if (settings.datorberakning) {
            GenerationSettings g;
            g.halvgard = vb::CLng(halvgard_);
            g.helgard = vb::CLng(helgard_);
            g.fel = settings.fel;
            g.urad = urad_;
            g.allowed = settings.allowed;
            const GeneratedSystem system = generateSystem(g, [&run](long long done, long long total) {
                return run->step(static_cast<double>(done), static_cast<double>(total));
            });
            if (system.cancelled)
                return true;  // "Avbryt" has hidden the progress window and enabled the main window
            writeRows(system);
        }
        run->finish(ProgressRun::FinishOrder::HideThenEnable);
        return true;
    } catch (const VbError& e) {
        return fail(e.number(), e.description());
    } catch (const std::bad_alloc&) {
        return fail(vberr::OutOfMemory, VbError::descriptionOf(vberr::OutOfMemory));
    } catch (const std::length_error&) {
        return fail(vberr::OutOfMemory, VbError::descriptionOf(vberr::OutOfMemory));
    }
}

void Form2::reportLoadError(int number, const QString& description)
{
    if (number == vberr::GridTooManyColumns)
        MsgBox(currentMessageText(kMsgTooManyRows), vbmsg::Exclamation);
    else
        MsgBox(currentMessageText(kMsgUnexpectedError) + QChar(13) + QStringLiteral("Error: ") + vb::Dec(number) +
                u' ' + description,
            vbmsg::Critical);
}

// Rows = guarded positions + 1, Cols = system rows + 1, half guards first.
void Form2::layOutGrid()
{
    const double n = halvgard_ + helgard_;
    Grid1->setRows(vb::CLng(n + 1));
    Grid1->setCols(vb::CLng(rader_ + 1));
    const int cols = Grid1->Cols();
    for (int c = 1; c < cols; ++c) {
        Grid1->setTextMatrix(0, c, vb::Dec(c));
        Grid1->setColWidth(c, kSignColWidth);
        Grid1->setColAlignment(c, 2);
        Grid1->setFixedAlignment(c, 2);
    }
    Grid1->setFixedAlignment(0, 2);
    Grid1->setColWidth(0, kLabelColWidth);
    const bool baseRow = urad_ == 1;
    Grid1->setTextMatrix(0, 0, baseRow ? QStringLiteral("U  Ga") : QStringLiteral("Gard."));
    const int rows = Grid1->Rows();
    for (int k = 1; k < rows; ++k) {
        const bool half = k <= halvgard_;
        Grid1->setTextMatrix(k, 0,
            half ? (baseRow ? QStringLiteral("1     2") : QStringLiteral("1  2"))
                 : (baseRow ? QStringLiteral("1   X2") : QStringLiteral("1X2")));
    }
    Grid1->setRow(1);
    Grid1->setCol(1);
}

// The built rows, one column each; rader becomes their number.
void Form2::writeRows(const GeneratedSystem& system)
{
    if (system.rows + 1 > Grid::MaxCols)
        throw VbError(vberr::GridTooManyColumns);
    const int p = static_cast<int>(system.rows);
    Grid1->setCols(p + 1);
    for (int c = 1; c <= p; ++c) {
        Grid1->setTextMatrix(0, c, vb::Dec(c));
        Grid1->setColWidth(c, kSignColWidth);
        Grid1->setColAlignment(c, 2);
        Grid1->setFixedAlignment(c, 2);
    }
    const int n = std::min(system.positions, Grid1->Rows() - 1);
    for (int i = 1; i <= n; ++i)
        for (int c = 1; c <= p; ++c)
            Grid1->setTextMatrix(i, c, system.cellText(i, c));
    rader_ = p;
}

// ---------------------------------------------------------------- window events

void Form2::Form_Activate()
{
    guide::showPage(kGuideSystemEditor);
    setWindowTitle(fileName_.isEmpty() ? captionPattern() : fileName_);
}

void Form2::Form_Unload()
{
    unloaded_ = true;
    closing();
}

// ---------------------------------------------------------------- as a document

// The guarantee table's computed flag: "" never computed, "0" outdated. A No ends the save.
void Form2::saveAs(CommonDialog& dialog)
{
    const QString flag = Grid2->TextMatrix(0, 0);
    std::optional<MessageTextId> question;
    if (flag.isEmpty())
        question = kMsgNoGuaranteeTable;
    else if (flag == u"0")
        question = kMsgOldGuaranteeTable;
    if (question && MsgBox(currentMessageText(*question), vbmsg::YesNo | vbmsg::Exclamation) != vbmsg::Yes)
        throw SaveDeclined{};

    dialog.Filter = systemFileFilter();
    dialog.FileName = windowTitle();
    guide::showPage(kGuideSaveSystem);
    const QString path = chooseSaveTarget(dialog);
    SystemFileData file;
    static_cast<SystemBlock&>(file) = systemBlockOf(*Grid1, *Grid2, Grid1->Tag, Tag);
    writeThroughFileNumberOne(path, writeSystemFile(file));
    setWindowTitle(path);
    if (!fileName_.isEmpty())
        fileName_ = path;  // an opened system goes on by the name of the file written
    syssparat = true;
}

QString Form2::closeQuestion() const
{
    return currentMessageText(kMsgSystemUnsaved) + windowTitle() + currentMessageText(kMsgUnsavedQuestion);
}

QString Form2::saveAsCaption() const { return currentUiText(kUiSaveSystemAs); }

void Form2::closeEvent(QCloseEvent* event)
{
    if (!syssparat && !MDIForm1::confirmDocumentClose(*this)) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

// ---------------------------------------------------------------- editing

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && keyPreview_)
        Form_KeyDown(vbKeyCode(static_cast<QKeyEvent*>(event)), vbShift(static_cast<QKeyEvent*>(event)->modifiers()));
    return QWidget::eventFilter(watched, event);
}

void Form2::Form_KeyDown(int KeyCode, int /*Shift*/)
{
    switch (KeyCode) {
    case 32:
        Grid1->setText(QString());
        break;
    case 49:
        Grid1->setText(QStringLiteral("1"));
        break;
    case 50:
        Grid1->setText(QStringLiteral("2"));
        break;
    case 88:
        if (rowTakesSign(Grid1->Row(), QStringLiteral("X")))
            Grid1->setText(QStringLiteral("X"));
        break;
    default:
        return;
    }
    // Even an unchanged cell outdates the guarantee table.
    markChanged();
}

bool Form2::rowTakesSign(int row, const QString& sign) const { return sign != u"X" || row > halvgard_; }

void Form2::markChanged()
{
    Grid2->setCol(0);
    Grid2->setRow(0);
    Grid2->setText(QStringLiteral("0"));
    syssparat = false;
}

void Form2::kommentarer_Change()
{
    if (Grid2->Cols() == 1)
        Grid2->setCols(3);
    Grid2->setCol(2);
    Grid2->setRow(0);
    Grid2->setText(kommentarer->Text());
}

// ---------------------------------------------------------------- commands

void Form2::SystemHandOver()
{
    MDIForm1* main = MDIForm1::instance();
    if (!main)
        return;
    main->sparafel = false;
    main->sparasom_Click();
    if (main->sparafel)
        return;  // the save was cancelled or failed: no frame
    main->anvandsystem = windowTitle();
    main->NyBlankett_Click();
}

void Form2::Berakna_Click() { showEditorGuarantee({*Grid1, *Grid2, rader_, helgard_, halvgard_, urad_}); }

void Form2::ganger_Click()
{
    if (multiplication_.state() != Multiplication::State::WaitingForTarget) {
        const UiTextId caption = multiplication_.takeBlock(Grid1->SelStartRow(), Grid1->SelEndRow(),
            Grid1->SelStartCol(), Grid1->SelEndCol(), [this](int r, int c) { return Grid1->TextMatrix(r, c); });
        Grid1->setCol(Grid1->SelEndCol());
        Grid1->setRow(Grid1->SelEndRow());
        ganger->setCaption(currentUiText(caption));
        return;
    }
    const Multiplication::Placement placed = multiplication_.place(Grid1->Row(), Grid1->Col(), Grid1->Rows(),
        Grid1->Cols(), [this](int r, int c, QChar sign) { Grid1->setTextMatrix(r, c, QString(sign)); });
    if (placed.message) {
        MsgBox(currentMessageText(*placed.message), vbmsg::Exclamation);
    } else {
        Grid1->setCol(placed.lastCol);
        // A product changes the rows as key edits do: the guarantee table is outdated, the system unsaved.
        markChanged();
    }
    // The highlight follows the current cell, the one that keys edit.
    Grid1->setSelStartRow(Grid1->Row());
    Grid1->setSelEndRow(Grid1->Row());
    Grid1->setSelStartCol(Grid1->Col());
    Grid1->setSelEndCol(Grid1->Col());
    ganger->setCaption(currentUiText(kUiMultiply));
}
