#pragma once
// A main window as the program makes it: every command registered.

#include "app/commands.h"
#include "frame/Form1.h"
#include "platform/grid.h"
#include "platform/language.h"
#include "shell/MDIForm1.h"
#include "support/scripteduser.h"
#include "support/testhelpers.h"
#include "systems/Form2.h"
#include "systems/NyttSystemInst.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

inline std::unique_ptr<MDIForm1> makeMainWindow()
{
    auto main = std::make_unique<MDIForm1>();
    registerCommands(*main);
    return main;
}

// A test with the main window shown, in Swedish, a configuration folder of its own and a scripted
// user that must have used every answer it was given by the end.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sprakoffset = 0;
        main_ = makeMainWindow();
        main_->resize(size_);
        main_->show();
        processEvents();
    }
    void TearDown() override
    {
        // Every document counts as saved, so closing the main window asks nothing.
        for (QMdiSubWindow* sub : main_->mdiArea()->subWindowList()) {
            if (auto* f = qobject_cast<Form1*>(sub->widget()))
                f->setSystemsparat(true);
            if (auto* e = qobject_cast<Form2*>(sub->widget()))
                e->syssparat = true;
        }
        main_.reset();
        processEvents();
        EXPECT_EQ(user.unusedAnswers(), 0u);
        sprakoffset = 0;
    }

    // The active document as a T, or nullptr.
    template <class T>
    T* active() const
    {
        return qobject_cast<T*>(main_->activeChild());
    }
    Form1& newFrame()
    {
        main_->NyBlankett_Click();
        processEvents();
        if (Form1* f = active<Form1>())
            return *f;
        throw std::runtime_error("no new frame");
    }
    // Marks cells in the frame's current mode, one character per match: "F" all three signs, "1", "X" or
    // "2" that sign alone, "." none.
    static void mark(Form1& f, const char* matches)
    {
        for (int m = 0; matches[m]; ++m)
            for (int c = 0; c < 3; ++c)
                if (matches[m] == 'F' || matches[m] == "1X2"[c])
                    Q_EMIT f.Label1[static_cast<std::size_t>(3 * m + c)]->Click();
    }
    // Gives a frame `count` created rows whose signs vary from match to match and from row to row, as
    // if "Skapa" had made them.
    static void giveCreatedRows(Form1& f, int count)
    {
        RowMatrix rows(12, count - 1);
        for (std::size_t i = 0; i < std::size_t(13 * count); ++i)
            rows.row(0)[i] = static_cast<std::uint8_t>(1 + (i % 13 + i / 13) % 3);
        f.change([&](frame::FrameEditing& ram) {
            ram.forminne = rows;
            ram.Allrad = QString::number(count);
        });
    }
    // A new frame with mathematical guards as `mark` reads `matches`, its rows created by "Skapa".
    Form1& createdFrame(const char* matches)
    {
        Form1& f = newFrame();
        f.Option1[4]->click();
        mark(f, matches);
        f.ok->click();
        return f;
    }
    // The new-system dialog's boxes as the user leaves them: `build` by the computer, `urad` 1 with base
    // row, `fel` the reduction option.
    static void fillNewSystem(
        const char* half, const char* full, const char* rows, bool build = false, int urad = 0, int fel = 1)
    {
        NyttSystemInst* dlg = NyttSystemInst::instance();
        dlg->Halvgard->setText(QString::fromLatin1(half));
        dlg->Helgard->setText(QString::fromLatin1(full));
        dlg->Rader->setText(QString::fromLatin1(rows));
        dlg->Datorberakning->setValue(build ? 1 : 0);
        dlg->Option1[static_cast<std::size_t>(urad)]->setValue(true);
        dlg->feloption[static_cast<std::size_t>(fel)]->setValue(true);
    }
    // "OK" in the new-system dialog: the editor it opens, or nullptr.
    Form2* confirmNewSystem()
    {
        NyttSystemInst::instance()->CommandOK_Click();
        processEvents();
        return active<Form2>();
    }
    // A system from the new-system dialog: typed in with `rows` empty rows, or built by the computer.
    // Throws when no editor is active afterwards.
    Form2* newSystem(int half, int full, int rows, bool build = false, int urad = 0, int fel = 1)
    {
        fillNewSystem(
            std::to_string(half).c_str(), std::to_string(full).c_str(), std::to_string(rows).c_str(), build, urad, fel);
        if (Form2* e = confirmNewSystem())
            return e;
        throw std::runtime_error("no new system");
    }

    // Types signs into a system editor's grid: one string per system row, one character per guarded
    // match, "." for an empty cell.
    static void typeSigns(Form2& e, const std::vector<const char*>& rows)
    {
        for (std::size_t c = 0; c < rows.size(); ++c)
            for (int k = 0; rows[c][k]; ++k)
                e.Grid1->setTextMatrix(k + 1, int(c) + 1, QString(QChar::fromLatin1(rows[c][k])).remove(u'.'));
    }
    // Selects the block from (row1, col1) to (row2, col2) as a click there and a drag would, the first
    // cell current.
    static void select(Grid& g, int row1, int col1, int row2, int col2)
    {
        g.setRow(row1);
        g.setCol(col1);
        g.setSelStartRow(row1);
        g.setSelStartCol(col1);
        g.setSelEndRow(row2);
        g.setSelEndCol(col2);
    }

    ScratchConfig config_;
    ScriptedUser user;
    std::unique_ptr<MDIForm1> main_;
    QSize size_{1100, 760};
};
