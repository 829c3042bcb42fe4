#pragma once
// The frame guarantee window: the shares of the outcomes inside a frame that its created rows reach
// with 13, 12, 11 and 10 right, and the rest. One instance, hidden and shown again; it also runs the
// computation for the frame's "Ram garanti".

#include "core/rowmatrix.h"
#include "systems/frameguarantee.h"

#include <QWidget>
#include <array>
#include <chrono>
#include <functional>

class CommandButton;
class Label;

class garantiram : public QWidget {
    Q_OBJECT
public:
    // The one window, created (and loaded) on first use, not shown.
    static garantiram* instance();

    // Counts the outcomes of the frame whose rows 0 .. Val(rowTotal) - 1 are in `rows`, with the
    // progress window, and shows the result here. A cancel shows nothing and keeps the old result.
    static void showFrameGuarantee(const RowMatrix& rows, const QString& rowTotal, const frameguarantee::Marks& marks);
    // The clock that paces the progress window's yields; tests replace it.
    static std::function<std::chrono::steady_clock::time_point()> progressClock;

    void Form_Load();
    void ok_Click();

    Label* Label1 = nullptr;
    std::array<Label*, 5> Label2{};
    Label* Label3 = nullptr;
    std::array<Label*, 5> Label4{};
    CommandButton* ok = nullptr;

private:
    explicit garantiram(QWidget* parent);
    void showModeless();
    bool placed_ = false;
};
