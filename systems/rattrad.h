#pragma once
// The correct-row search window: the user marks the correct row and asks how many rights each row of
// the document that was active when the window opened holds. It owns the marks and, for a frame, a
// copy of the frame's rows taken when it opened; a system's grid is read anew at every search.

#include "core/rowmatrix.h"
#include "shell/document.h"
#include "shell/lockingdialog.h"
#include "systems/rightssearch.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <array>
#include <functional>

class CommandButton;
class Form2;
class Label;
class TextBox;

// A multi-line text box whose Text keeps its CR LF line ends; the view shows plain lines.
class ResultTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    const QString& Text() const { return text_; }
    void setText(const QString& text);

private:
    QString text_;
};

class rattrad : public LockingDialog {
    Q_OBJECT
public:
    // A copy of a frame's created rows: the frame library hands it over, as this one does not link it.
    using FrameRows = std::function<RowMatrix(const Document&)>;

    // The search command: any earlier window goes, and a fresh one bound to the active document
    // opens with the main window locked.
    static rattrad* showFresh(FrameRows frameRows);
    // The open window, nullptr when none.
    static rattrad* current();

    // The kind of document searched: the one active at load.
    DocumentKind sourceKind() const { return kind_; }

    // ---- handlers ----
    void Form_Load();
    void Form_Activate() override;
    void Label1_Click(int Index);
    void sok_Click();
    void avbryt_Click();

    // ---- controls ----
    Label* Label4 = nullptr;
    std::array<Label*, 3> Label2{};
    std::array<Label*, rightssearch::CellCount> Label1{};
    Label* Label5 = nullptr;
    std::array<Label*, rightssearch::LevelCount> Label3{};
    Label* Label7 = nullptr;
    std::array<Label*, rightssearch::LevelCount> Label6{};
    Label* Label8 = nullptr;
    TextBox* Text1 = nullptr;
    ResultTextBox* Text2 = nullptr;
    CommandButton* sok = nullptr;
    CommandButton* avbryt = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void Form_Unload() override;

private:
    explicit rattrad(FrameRows frameRows);
    void buildControls();
    rightssearch::SearchResult searchSystem(const std::vector<std::uint8_t>& correct);

    std::array<Label*, rightssearch::MaxPositions> matchNumbers_{};
    rightssearch::CorrectRow marks_;
    FrameRows frameRows_;
    DocumentKind kind_ = DocumentKind::None;
    int positionsPlusOne_ = 0;
    RowMatrix rows_;  // the frame's rows as they were at load
    QPointer<Form2> editor_;
};
