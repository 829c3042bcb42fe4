#pragma once
// The grid control: a table of text cells with fixed header rows and columns, a
// current cell, a block selection and its text (Clip). All cells, the fixed ones included, live in
// one flat vector; the view is brought up to date once per pass of the event loop, never per cell.

#include "platform/controls.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <functional>
#include <vector>

class Grid;

// Shows a Grid's scrolling cells; its fixed row 0 and column 0 are the view's headers.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(Grid* grid);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void reset(const std::function<void()>& change);

private:
    Grid* grid_;
};

class Grid : public VbControl<QTableView> {
    Q_OBJECT
public:
    // The most columns the grid takes: 5450 system rows plus the label column.
    static constexpr int MaxCols = 5451;

    explicit Grid(QWidget* parent = nullptr);

    // Size, fixed rows and columns included. Cols above MaxCols raises error 30010 and changes nothing.
    int Rows() const { return rows_; }
    void setRows(int rows);
    int Cols() const { return cols_; }
    void setCols(int cols);
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int n);
    int FixedCols() const { return fixedCols_; }
    void setFixedCols(int n);

    // The current cell. Moving it leaves the selection as it is.
    int Row() const { return row_; }
    void setRow(int row);
    int Col() const { return col_; }
    void setCol(int col);
    QString Text() const { return rows_ > 0 && cols_ > 0 ? cell(row_, col_) : QString(); }
    void setText(const QString& text) { setCell(row_, col_, text); }

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // First visible scrolling column / row.
    int LeftCol() const { return leftCol_; }
    void setLeftCol(int col);
    int TopRow() const { return topRow_; }
    void setTopRow(int row);

    // The selected block. Reading gives start <= end; the user's mouse and keys move it too.
    int SelStartRow() const { return std::min(selRow1_, selRow2_); }
    int SelEndRow() const { return std::max(selRow1_, selRow2_); }
    int SelStartCol() const { return std::min(selCol1_, selCol2_); }
    int SelEndCol() const { return std::max(selCol1_, selCol2_); }
    void setSelStartRow(int row);
    void setSelEndRow(int row);
    void setSelStartCol(int col);
    void setSelEndCol(int col);

    // The selection's text: cells joined by Tab, rows by CR. Assigning fills the block from such a
    // text; a row break is CR, CR LF or LF, and text beyond the block is dropped.
    QString Clip() const;
    void setClip(const QString& text);

    // Sizes in twips.
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int RowHeight(int row) const;
    void setRowHeight(int row, int twips);
    // Left edge of a column / top edge of a row, in twips from the grid's first column / row.
    int ColPos(int col) const;
    int RowPos(int row) const;

    // 0 left, 1 right, 2 centre; ColAlignment for the scrolling cells, FixedAlignment for the fixed ones.
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    int FixedAlignment(int col) const;
    void setFixedAlignment(int col, int alignment);

    bool HighLight() const { return highLight_; }
    void setHighLight(bool on);
    bool GridLines() const { return showGrid(); }
    void setGridLines(bool on) { setShowGrid(on); }
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    int ScrollBars() const { return scrollBars_; }
    void setScrollBars(int which);

    // Brings the view up to date now (it also happens by itself once the event loop runs).
    void syncView();

    // For the model.
    const QString& cell(int row, int col) const
    {
        return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
    }
    int headerRows() const { return fixedRows_ > 0 ? 1 : 0; }
    int headerCols() const { return fixedCols_ > 0 ? 1 : 0; }

Q_SIGNALS:
    void RowColChange();
    void SelChange();
    void Click();
    void DblClick();
    // Key events: a handler that sets the code to 0 swallows the key.
    void KeyDown(int& keyCode, int shift);
    void KeyPress(int& keyAscii);
    void MouseMove(VbMouse mouse);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setCell(int row, int col, const QString& text);
    void resizeCells(int rows, int cols);
    void resetModel(const std::function<void()>& change);
    void checkRow(int row) const;
    void checkCol(int col) const;
    void clampState();
    void scheduleSync();
    void fromView();
    void applySizes();

    GridModel* model_;
    std::vector<QString> cells_;
    std::vector<int> colWidth_;  // twips
    std::vector<int> rowHeight_;  // twips
    std::vector<signed char> colAlign_;
    std::vector<signed char> fixedAlign_;
    std::vector<int> appliedColPx_;
    std::vector<int> appliedRowPx_;
    int rows_ = 0;
    int cols_ = 0;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    int selRow1_ = 1, selRow2_ = 1, selCol1_ = 1, selCol2_ = 1;
    int leftCol_ = 1;
    int topRow_ = 1;
    bool highLight_ = true;
    int scrollBars_ = 3;
    bool syncPending_ = false;
    bool syncing_ = false;
    bool sizesDirty_ = true;
    bool scrollDirty_ = false;
    class QLabel* corner_ = nullptr;

    friend class GridModel;
};
