#pragma once
// The window controls as thin Qt widgets with the property names the windows use: Caption, Value,
// ForeColor as a 0x00BBGGRR colour value, Click on change also from code. Arrays of controls are plain
// arrays; a handler connected per element captures its index (each control also carries Index).

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

#include "platform/twips.h"

#include <cstdint>
#include <functional>
#include <vector>

// Colour values as the windows and text tables hold them: 0x00BBGGRR (red in the low byte).
QColor vbColor(std::uint32_t value);
std::uint32_t vbColorValue(const QColor& colour);

// Key codes of the controls' key events: KeyDown's key code (letters as capitals, digits, 13 Enter, 37-40 the
// arrows, 46 Delete, 112.. F1..) and KeyPress's character code (Windows-1252; 0 when the key has none).
int vbKeyCode(const QKeyEvent* event);
int vbKeyAscii(const QKeyEvent* event);
// Shift state of the key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
int vbShift(Qt::KeyboardModifiers modifiers);

// The properties every control has, on top of a Qt widget.
template <class Base>
class VbControl : public Base {
public:
    using Base::Base;

    // The control's own Visible / Enabled, not whether its window happens to be shown.
    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return !this->testAttribute(Qt::WA_ForceDisabled); }

    std::uint32_t ForeColor() const { return vbColorValue(this->palette().color(this->foregroundRole())); }
    void setForeColor(std::uint32_t value)
    {
        QPalette p = this->palette();
        p.setColor(this->foregroundRole(), vbColor(value));
        p.setColor(QPalette::ButtonText, vbColor(value));
        this->setPalette(p);
    }
    std::uint32_t BackColor() const { return vbColorValue(this->palette().color(this->backgroundRole())); }
    void setBackColor(std::uint32_t value)
    {
        QPalette p = this->palette();
        p.setColor(this->backgroundRole(), vbColor(value));
        this->setPalette(p);
        this->setAutoFillBackground(true);
    }

    QString FontName() const { return this->font().family(); }
    void setFontName(const QString& name)
    {
        QFont f = this->font();
        f.setFamily(name);
        this->setFont(f);
    }
    double FontSize() const { return this->font().pointSizeF(); }
    void setFontSize(double points)
    {
        QFont f = this->font();
        f.setPointSizeF(points);
        this->setFont(f);
    }
    bool FontBold() const { return this->font().bold(); }
    void setFontBold(bool bold)
    {
        QFont f = this->font();
        f.setBold(bold);
        this->setFont(f);
    }

    // Position and size in twips.
    void Move(int left, int top, int width, int height) { twips::move(this, left, top, width, height); }
    int Left() const { return twips::left(this); }
    int Top() const { return twips::top(this); }
    int Width() const { return twips::width(this); }
    int Height() const { return twips::height(this); }

    QString Tag;
    int Index = 0;
};

// Mouse position of the controls' mouse events: button (1 left, 2 right, 4 middle), shift (1 Shift, 2 Ctrl,
// 4 Alt), x and y in twips from the control's top left corner.
struct VbMouse {
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
};

class Label : public VbControl<QLabel> {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    // 0 left, 1 right, 2 centre.
    int Alignment() const;
    void setVbAlignment(int alignment);

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseMove(VbMouse mouse);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// KeyPress gets the key's Windows-1252 code (Enter 13, Backspace 8, Escape 27); a handler that sets
// it to 0 swallows the key, one that changes it types the other character.
class TextBox : public VbControl<QLineEdit> {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    int SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }
    void setSelStart(int position)
    {
        deselect();
        setCursorPosition(position);
    }
    int SelLength() const { return static_cast<int>(selectedText().size()); }
    void setSelLength(int length) { setSelection(SelStart(), length); }
    // From now on a key or paste whose resulting text breaks rule is refused (setText is not checked).
    void acceptOnly(std::function<bool(const QString&)> rule);

Q_SIGNALS:
    void Change();
    void KeyPress(int& keyAscii);
    void MouseMove(VbMouse mouse);
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Value 0 unchecked, 1 checked. Click fires whenever Value changes, by the user or from code.
class CheckBox : public VbControl<QCheckBox> {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }

Q_SIGNALS:
    void Click();
    void MouseMove(VbMouse mouse);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

// Option buttons with the same parent widget (their container) form one exclusive group.
// Click fires when a button becomes selected, by the user or from code.
class OptionButton : public VbControl<QRadioButton> {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }

Q_SIGNALS:
    void Click();
    void MouseMove(VbMouse mouse);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A control of type T on parent, placed in twips; the parent owns it.
template <class T>
T* make(QWidget* parent, int left, int top, int width, int height)
{
    auto* w = new T(parent);
    twips::move(w, left, top, width, height);
    return w;
}

// An option-button array: n buttons in one container, exclusive, handler(Index) on Click.
// The container owns the buttons; the array is a plain value that lists them.
class OptionArray {
public:
    OptionArray() = default;
    OptionArray(QWidget* parent, int count);

    OptionButton* operator[](std::size_t i) const { return buttons_.at(i); }
    std::size_t size() const { return buttons_.size(); }
    auto begin() const { return buttons_.begin(); }
    auto end() const { return buttons_.end(); }
    // The index of the selected button, -1 for none.
    int selected() const;
    void onClick(std::function<void(int index)> handler) const;

private:
    std::vector<OptionButton*> buttons_;
};

class CommandButton : public VbControl<QPushButton> {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    // The window's cancel button: Escape anywhere in its window clicks it (while it is shown and enabled).
    void setCancel(bool cancel);

Q_SIGNALS:
    void Click();
    void MouseMove(VbMouse mouse);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    class QShortcut* cancelKey_ = nullptr;
};

// The 3-D frame: a captioned container.
class Frame : public VbControl<QGroupBox> {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);

    QString Caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }

Q_SIGNALS:
    void MouseMove(VbMouse mouse);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

// Two small arrow buttons, up above down. Holding a button repeats its event.
class SpinButton : public VbControl<QWidget> {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

Q_SIGNALS:
    void SpinUp();
    void SpinDown();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

// A toolbar button with a picture. It shows down while pressed and pops up again at once when
// released, firing Click (and triggering its default action) exactly once per press. It shows no
// tooltip: the hint of a toolbar button is the window's business.
class ToolbarButton : public VbControl<QToolButton> {
    Q_OBJECT
public:
    explicit ToolbarButton(QWidget* parent = nullptr);

Q_SIGNALS:
    void Click();
    void MouseMove(VbMouse mouse);

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// The 3-D status panel: a sunken box that holds labels.
class StatusPanel : public VbControl<QFrame> {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_->text(); }
    void setCaption(const QString& caption) { caption_->setText(caption); }

Q_SIGNALS:
    void MouseMove(VbMouse mouse);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* caption_;
};

// The tabbed dialog control: a fixed number of pages, each a container, with captions.
class Tab : public VbControl<QTabWidget> {
    Q_OBJECT
public:
    explicit Tab(int tabs = 1, QWidget* parent = nullptr);

    int CurrentTab() const { return currentIndex(); }
    void setCurrentTab(int index) { setCurrentIndex(index); }
    QString TabCaption(int index) const { return tabText(index); }
    void setTabCaption(int index, const QString& caption) { setTabText(index, caption); }
    // The container of page index, parent of that page's controls.
    QWidget* page(int index) const { return widget(index); }
};
