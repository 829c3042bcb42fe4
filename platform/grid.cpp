// The grid control on a QTableView. Code sets cells, sizes and the current cell in tight loops, so
// every setter only touches the flat vectors and asks for one view update on the next event-loop pass.

#include "platform/grid.h"

#include "platform/twips.h"
#include "platform/vberror.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include <QStyle>

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

constexpr int DefaultColWidth = 600;  // twips
constexpr int DefaultRowHeight = 240;  // twips

// A cell's text is drawn as a C string: it ends at the first NUL. A sign byte 0 read from a
// system file stays in the cell (it is no sign, but not an empty cell either) and shows as nothing.
QString drawnText(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

Qt::Alignment qtAlignment(int vb)
{
    const Qt::Alignment h = vb == 1 ? Qt::AlignRight : vb == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    return h | Qt::AlignVCenter;
}

// The size most columns (or rows) share, so only the others need sizing one by one.
int commonSize(const std::vector<int>& px, std::size_t from)
{
    if (from >= px.size())
        return 0;
    std::unordered_map<int, int> counts;
    int best = px[from];
    int bestCount = 0;
    for (std::size_t i = from; i < px.size(); ++i) {
        const int n = ++counts[px[i]];
        if (n > bestCount) {
            bestCount = n;
            best = px[i];
        }
    }
    return best;
}

}  // namespace

GridModel::GridModel(Grid* grid) : QAbstractTableModel(grid), grid_(grid) { }

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_->rows_ - grid_->headerRows();
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_->cols_ - grid_->headerCols();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const int r = index.row() + grid_->headerRows();
    const int c = index.column() + grid_->headerCols();
    if (r >= grid_->rows_ || c >= grid_->cols_)
        return {};
    const bool fixed = r < grid_->fixedRows_ || c < grid_->fixedCols_;
    switch (role) {
    case Qt::DisplayRole:
        return drawnText(grid_->cell(r, c));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(qtAlignment(fixed ? grid_->FixedAlignment(c) : grid_->ColAlignment(c)));
    case Qt::BackgroundRole:
        // Fixed cells beyond the first fixed row and column look like the headers.
        if (fixed)
            return grid_->palette().button();
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int r = horizontal ? 0 : section + grid_->headerRows();
    const int c = horizontal ? section + grid_->headerCols() : 0;
    if (r >= grid_->rows_ || c >= grid_->cols_)
        return {};
    if (role == Qt::DisplayRole)
        return drawnText(grid_->cell(r, c));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(qtAlignment(horizontal ? grid_->FixedAlignment(c) : grid_->FixedAlignment(0)));
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridModel::reset(const std::function<void()>& change)
{
    beginResetModel();
    change();
    endResetModel();
}

Grid::Grid(QWidget* parent) : VbControl<QTableView>(parent), model_(new GridModel(this))
{
    resizeCells(2, 2);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setMinimumSectionSize(0);
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setSectionsClickable(true);
        h->setHighlightSections(false);
    }
    if (auto* cornerButton = findChild<QAbstractButton*>()) {
        corner_ = new QLabel(cornerButton);
        corner_->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The corner shows cell (0, 0); it does not select everything.
        disconnect(cornerButton, nullptr, this, nullptr);
        auto* layout = new QHBoxLayout(cornerButton);
        layout->setContentsMargins(2, 0, 2, 0);
        layout->addWidget(corner_);
    }

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { fromView(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { fromView(); });
    connect(this, &QAbstractItemView::clicked, this, [this] { Q_EMIT Click(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { Q_EMIT DblClick(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_)
            leftCol_ = std::min(cols_ - 1, v + headerCols());
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_)
            topRow_ = std::min(rows_ - 1, v + headerRows());
    });
    scheduleSync();
}

void Grid::resizeCells(int rows, int cols)
{
    if (rows == rows_ && cols == cols_)
        return;
    std::vector<QString> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    const int keepRows = std::min(rows, rows_);
    const int keepCols = std::min(cols, cols_);
    for (int r = 0; r < keepRows; ++r)
        for (int c = 0; c < keepCols; ++c)
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)] =
                std::move(cells_[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) +
                    static_cast<std::size_t>(c)]);
    const auto change = [&] {
        cells_ = std::move(cells);
        // New columns take the width of the last one.
        colWidth_.resize(static_cast<std::size_t>(cols), colWidth_.empty() ? DefaultColWidth : colWidth_.back());
        colAlign_.resize(static_cast<std::size_t>(cols), 0);
        fixedAlign_.resize(static_cast<std::size_t>(cols), 0);
        rowHeight_.resize(static_cast<std::size_t>(rows), rowHeight_.empty() ? DefaultRowHeight : rowHeight_.back());
        rows_ = rows;
        cols_ = cols;
        fixedRows_ = std::min(fixedRows_, rows_);
        fixedCols_ = std::min(fixedCols_, cols_);
    };
    resetModel(change);
    appliedColPx_.clear();
    appliedRowPx_.clear();
    sizesDirty_ = true;
    clampState();
    scheduleSync();
}

void Grid::resetModel(const std::function<void()>& change)
{
    // The view's own selection and scroll signals during a reset are not the user's.
    const bool was = syncing_;
    syncing_ = true;
    model_->reset(change);
    syncing_ = was;
}

void Grid::setRows(int rows)
{
    if (rows < 0)
        throw VbError(vberr::InvalidPropertyValue);
    resizeCells(rows, cols_);
}

void Grid::setCols(int cols)
{
    if (cols > MaxCols)
        throw VbError(vberr::GridTooManyColumns);
    if (cols < 0)
        throw VbError(vberr::InvalidPropertyValue);
    resizeCells(rows_, cols);
}

void Grid::setFixedRows(int n)
{
    if (n < 0 || n > rows_)
        throw VbError(vberr::InvalidPropertyValue);
    resetModel([&] { fixedRows_ = n; });
    appliedRowPx_.clear();
    appliedColPx_.clear();
    sizesDirty_ = true;
    clampState();
    scheduleSync();
}

void Grid::setFixedCols(int n)
{
    if (n < 0 || n > cols_)
        throw VbError(vberr::InvalidPropertyValue);
    resetModel([&] { fixedCols_ = n; });
    appliedRowPx_.clear();
    appliedColPx_.clear();
    sizesDirty_ = true;
    clampState();
    scheduleSync();
}

// Keeps the current cell, the selection and the scroll position inside the grid after a resize.
void Grid::clampState()
{
    const auto clampRow = [this](
                              int r) { return std::clamp(r, std::min(fixedRows_, rows_ - 1), std::max(0, rows_ - 1)); };
    const auto clampCol = [this](
                              int c) { return std::clamp(c, std::min(fixedCols_, cols_ - 1), std::max(0, cols_ - 1)); };
    const int oldRow = row_, oldCol = col_;
    row_ = std::clamp(row_, 0, std::max(0, rows_ - 1));
    col_ = std::clamp(col_, 0, std::max(0, cols_ - 1));
    selRow1_ = std::clamp(selRow1_, 0, std::max(0, rows_ - 1));
    selRow2_ = std::clamp(selRow2_, 0, std::max(0, rows_ - 1));
    selCol1_ = std::clamp(selCol1_, 0, std::max(0, cols_ - 1));
    selCol2_ = std::clamp(selCol2_, 0, std::max(0, cols_ - 1));
    leftCol_ = clampCol(leftCol_);
    topRow_ = clampRow(topRow_);
    if (row_ != oldRow || col_ != oldCol)
        Q_EMIT RowColChange();
}

void Grid::checkRow(int row) const
{
    if (row < 0 || row >= rows_)
        throw VbError(vberr::GridInvalidRowValue, QStringLiteral("Invalid Row value"));
}

void Grid::checkCol(int col) const
{
    if (col < 0 || col >= cols_)
        throw VbError(vberr::GridTooManyColumns, QStringLiteral("Invalid Column value"));
}

void Grid::setRow(int row)
{
    checkRow(row);
    if (row == row_)
        return;
    row_ = row;
    scheduleSync();
    Q_EMIT RowColChange();
}

void Grid::setCol(int col)
{
    checkCol(col);
    if (col == col_)
        return;
    col_ = col;
    scheduleSync();
    Q_EMIT RowColChange();
}

QString Grid::TextMatrix(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return cell(row, col);
}

void Grid::setTextMatrix(int row, int col, const QString& text)
{
    checkRow(row);
    checkCol(col);
    setCell(row, col, text);
}

void Grid::setCell(int row, int col, const QString& text)
{
    if (rows_ == 0 || cols_ == 0)
        throw VbError(vberr::GridInvalidRowValue, QStringLiteral("Invalid Row value"));
    cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)] = text;
    scheduleSync();
}

void Grid::setLeftCol(int col)
{
    if (col < fixedCols_ || col >= cols_)
        throw VbError(vberr::InvalidPropertyValue);
    leftCol_ = col;
    scrollDirty_ = true;
    scheduleSync();
}

void Grid::setTopRow(int row)
{
    if (row < fixedRows_ || row >= rows_)
        throw VbError(vberr::InvalidPropertyValue);
    topRow_ = row;
    scrollDirty_ = true;
    scheduleSync();
}

void Grid::setSelStartRow(int row)
{
    checkRow(row);
    selRow1_ = row;
    scheduleSync();
}

void Grid::setSelEndRow(int row)
{
    checkRow(row);
    selRow2_ = row;
    scheduleSync();
}

void Grid::setSelStartCol(int col)
{
    checkCol(col);
    selCol1_ = col;
    scheduleSync();
}

void Grid::setSelEndCol(int col)
{
    checkCol(col);
    selCol2_ = col;
    scheduleSync();
}

QString Grid::Clip() const
{
    QString out;
    if (rows_ == 0 || cols_ == 0)
        return out;
    for (int r = SelStartRow(); r <= SelEndRow(); ++r) {
        if (r > SelStartRow())
            out += QChar(13);
        for (int c = SelStartCol(); c <= SelEndCol(); ++c) {
            if (c > SelStartCol())
                out += QChar(9);
            out += cell(r, c);
        }
    }
    return out;
}

void Grid::setClip(const QString& text)
{
    if (rows_ == 0 || cols_ == 0)
        return;
    int r = SelStartRow();
    int c = SelStartCol();
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        const QChar ch = i < n ? text.at(i) : QChar(13);
        const bool rowBreak = ch == QChar(13) || ch == QChar(10);
        if (!rowBreak && ch != QChar(9))
            continue;
        if (r <= SelEndRow() && c <= SelEndCol())
            setCell(r, c, text.mid(start, i - start));
        start = i + 1;
        if (rowBreak) {
            // CR LF is one row break.
            if (ch == QChar(13) && i + 1 < n && text.at(i + 1) == QChar(10)) {
                ++i;
                start = i + 1;
            }
            ++r;
            c = SelStartCol();
            if (r > SelEndRow())
                break;
        } else {
            ++c;
        }
    }
}

int Grid::ColWidth(int col) const
{
    checkCol(col);
    return colWidth_[static_cast<std::size_t>(col)];
}

void Grid::setColWidth(int col, int twips)
{
    checkCol(col);
    if (twips < 0)
        throw VbError(vberr::InvalidPropertyValue);
    colWidth_[static_cast<std::size_t>(col)] = twips;
    sizesDirty_ = true;
    scheduleSync();
}

int Grid::RowHeight(int row) const
{
    checkRow(row);
    return rowHeight_[static_cast<std::size_t>(row)];
}

void Grid::setRowHeight(int row, int twips)
{
    checkRow(row);
    if (twips < 0)
        throw VbError(vberr::InvalidPropertyValue);
    rowHeight_[static_cast<std::size_t>(row)] = twips;
    sizesDirty_ = true;
    scheduleSync();
}

int Grid::ColPos(int col) const
{
    checkCol(col);
    int pos = 0;
    for (int c = 0; c < col; ++c)
        pos += colWidth_[static_cast<std::size_t>(c)];
    return pos;
}

int Grid::RowPos(int row) const
{
    checkRow(row);
    int pos = 0;
    for (int r = 0; r < row; ++r)
        pos += rowHeight_[static_cast<std::size_t>(r)];
    return pos;
}

int Grid::ColAlignment(int col) const
{
    checkCol(col);
    return colAlign_[static_cast<std::size_t>(col)];
}

void Grid::setColAlignment(int col, int alignment)
{
    checkCol(col);
    if (alignment < 0 || alignment > 2)
        throw VbError(vberr::InvalidPropertyValue);
    colAlign_[static_cast<std::size_t>(col)] = static_cast<signed char>(alignment);
    scheduleSync();
}

int Grid::FixedAlignment(int col) const
{
    checkCol(col);
    return fixedAlign_[static_cast<std::size_t>(col)];
}

void Grid::setFixedAlignment(int col, int alignment)
{
    checkCol(col);
    if (alignment < 0 || alignment > 2)
        throw VbError(vberr::InvalidPropertyValue);
    fixedAlign_[static_cast<std::size_t>(col)] = static_cast<signed char>(alignment);
    scheduleSync();
}

void Grid::setHighLight(bool on)
{
    highLight_ = on;
    QPalette p = palette();
    const QPalette standard = style()->standardPalette();
    p.setColor(QPalette::Highlight, on ? standard.color(QPalette::Highlight) : standard.color(QPalette::Base));
    p.setColor(
        QPalette::HighlightedText, on ? standard.color(QPalette::HighlightedText) : standard.color(QPalette::Text));
    setPalette(p);
}

void Grid::setScrollBars(int which)
{
    scrollBars_ = which;
    setHorizontalScrollBarPolicy((which & 1) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy((which & 2) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void Grid::scheduleSync()
{
    if (syncPending_)
        return;
    syncPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (syncPending_)
            syncView();
    });
}

void Grid::applySizes()
{
    // Twips to pixels; only sections whose size changed are touched, and the size most of them share
    // becomes the default so that a wide grid of equal columns needs no per-column call at all.
    const auto apply = [](QHeaderView* header, const std::vector<int>& twipsSizes, std::size_t first,
                           std::vector<int>& applied, bool horizontal) {
        std::vector<int> px(twipsSizes.size());
        for (std::size_t i = 0; i < twipsSizes.size(); ++i) {
            px[i] = horizontal ? twips::toPixelsX(twipsSizes[i]) : twips::toPixelsY(twipsSizes[i]);
            // A thin separator of a few twips is at least one pixel: never let it vanish.
            if (twipsSizes[i] > 0 && px[i] == 0)
                px[i] = 1;
        }
        const std::size_t count = px.size() > first ? px.size() - first : 0;
        if (applied.size() != count) {
            const int common = commonSize(px, first);
            header->setDefaultSectionSize(common);
            applied.assign(count, -1);
            for (std::size_t i = 0; i < count; ++i)
                if (header->sectionSize(static_cast<int>(i)) == common)
                    applied[i] = common;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (applied[i] != px[first + i]) {
                header->resizeSection(static_cast<int>(i), px[first + i]);
                applied[i] = px[first + i];
            }
        }
        return px;
    };
    const auto colPx =
        apply(horizontalHeader(), colWidth_, static_cast<std::size_t>(headerCols()), appliedColPx_, true);
    const auto rowPx =
        apply(verticalHeader(), rowHeight_, static_cast<std::size_t>(headerRows()), appliedRowPx_, false);

    horizontalHeader()->setVisible(headerRows() > 0);
    verticalHeader()->setVisible(headerCols() > 0);
    if (headerRows() > 0 && !rowPx.empty())
        horizontalHeader()->setFixedHeight(rowPx[0]);
    if (headerCols() > 0 && !colPx.empty())
        verticalHeader()->setFixedWidth(colPx[0]);
    sizesDirty_ = false;
}

void Grid::syncView()
{
    syncPending_ = false;
    syncing_ = true;
    if (sizesDirty_)
        applySizes();
    if (corner_) {
        corner_->setText(rows_ > 0 && cols_ > 0 && fixedRows_ > 0 && fixedCols_ > 0 ? cell(0, 0) : QString());
        corner_->setAlignment(qtAlignment(cols_ > 0 ? fixedAlign_[0] : 0));
    }
    const int hr = headerRows(), hc = headerCols();
    if (rows_ > hr && cols_ > hc) {
        QItemSelectionModel* sm = selectionModel();
        const auto index = [&](int r, int c) {
            return model_->index(std::clamp(r - hr, 0, rows_ - hr - 1), std::clamp(c - hc, 0, cols_ - hc - 1));
        };
        sm->setCurrentIndex(index(row_, col_), QItemSelectionModel::NoUpdate);
        sm->select(QItemSelection(index(SelStartRow(), SelStartCol()), index(SelEndRow(), SelEndCol())),
            QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clear();
    }
    // Scrolling needs the scroll ranges of the current size, which a hidden grid does not have yet.
    if (scrollDirty_ && isVisible()) {
        updateGeometries();
        horizontalScrollBar()->setValue(leftCol_ - hc);
        verticalScrollBar()->setValue(topRow_ - hr);
        scrollDirty_ = false;
    }
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    syncing_ = false;
}

// The user moved the current cell or the selection.
void Grid::fromView()
{
    if (syncing_)
        return;
    const int hr = headerRows(), hc = headerCols();
    const QModelIndex current = selectionModel()->currentIndex();
    bool moved = false;
    if (current.isValid() && (current.row() + hr != row_ || current.column() + hc != col_)) {
        row_ = current.row() + hr;
        col_ = current.column() + hc;
        moved = true;
    }
    const QItemSelection selection = selectionModel()->selection();
    int r1 = row_, r2 = row_, c1 = col_, c2 = col_;
    if (!selection.isEmpty()) {
        r1 = c1 = std::numeric_limits<int>::max();
        r2 = c2 = -1;
        for (const QItemSelectionRange& range : selection) {
            r1 = std::min(r1, range.top() + hr);
            r2 = std::max(r2, range.bottom() + hr);
            c1 = std::min(c1, range.left() + hc);
            c2 = std::max(c2, range.right() + hc);
        }
    }
    const bool selChanged = r1 != SelStartRow() || r2 != SelEndRow() || c1 != SelStartCol() || c2 != SelEndCol();
    selRow1_ = r1;
    selRow2_ = r2;
    selCol1_ = c1;
    selCol2_ = c2;
    if (moved)
        Q_EMIT RowColChange();
    if (selChanged)
        Q_EMIT SelChange();
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    // The program's menu owns copy, cut, paste and delete.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Paste)) {
        event->ignore();
        return;
    }
    int keyCode = vbKeyCode(event);
    if (keyCode != 0) {
        Q_EMIT KeyDown(keyCode, vbShift(event->modifiers()));
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    int keyAscii = vbKeyAscii(event);
    if (keyAscii != 0) {
        const bool printable = keyAscii >= 32;
        Q_EMIT KeyPress(keyAscii);
        if (keyAscii == 0 || printable) {
            event->accept();
            return;  // characters do not move the grid
        }
    }
    if (syncPending_)
        syncView();  // navigation starts from the current cell the program set
    QTableView::keyPressEvent(event);
}

void Grid::keyboardSearch(const QString&) { }

void Grid::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    syncView();
}

void Grid::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    VbMouse m;
    m.x = twips::fromPixelsX(static_cast<int>(event->position().x()));
    m.y = twips::fromPixelsY(static_cast<int>(event->position().y()));
    m.shift = vbShift(event->modifiers());
    Q_EMIT MouseMove(m);
}
