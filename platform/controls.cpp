// The controls: event plumbing from Qt's events to the controls' event names.

#include "platform/controls.h"

#include "platform/vbtext.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QShortcut>
#include <QStyle>
#include <QValidator>
#include <limits>
#include <utility>

QColor vbColor(std::uint32_t value)
{
    return QColor(
        static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t vbColorValue(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
        (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

namespace {

VbMouse vbMouse(const QMouseEvent* event)
{
    VbMouse m;
    const Qt::MouseButtons b = event->buttons();
    m.button = (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
    m.shift = vbShift(event->modifiers());
    const QPoint p = event->position().toPoint();
    m.x = twips::fromPixelsX(p.x());
    m.y = twips::fromPixelsY(p.y());
    return m;
}

}  // namespace

int vbShift(Qt::KeyboardModifiers k)
{
    return (k & Qt::ShiftModifier ? 1 : 0) | (k & Qt::ControlModifier ? 2 : 0) | (k & Qt::AltModifier ? 4 : 0);
}

int vbKeyCode(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Space)
        return key;  // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F16)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int vbKeyAscii(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return 0;
    const QChar c = text.at(0);
    if (c.unicode() < 32)
        return c.unicode();  // Ctrl+letter
    const QByteArray bytes = vb::toCp1252(text);
    if (bytes.size() != 1 || (bytes.at(0) == '?' && c != QLatin1Char('?')))
        return 0;
    return static_cast<unsigned char>(bytes.at(0));
}

Label::Label(QWidget* parent) : VbControl<QLabel>(parent) { setMouseTracking(true); }

int Label::Alignment() const
{
    const Qt::Alignment a = alignment();
    if (a & Qt::AlignRight)
        return 1;
    if (a & Qt::AlignHCenter)
        return 2;
    return 0;
}

void Label::setVbAlignment(int value)
{
    const Qt::Alignment horizontal = value == 1 ? Qt::AlignRight : value == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT Click();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT DblClick();
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
}

TextBox::TextBox(QWidget* parent) : VbControl<QLineEdit>(parent)
{
    setMouseTracking(true);
    // A text box has no length limit worth the name; a comment must not be cut.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] { Q_EMIT Change(); });
}

namespace {

// Refuses every edit whose text breaks the rule; the line edit then keeps its text as it was.
class RuleValidator final : public QValidator {
public:
    RuleValidator(std::function<bool(const QString&)> rule, QObject* parent)
        : QValidator(parent), rule_(std::move(rule))
    {
    }
    State validate(QString& input, int& /*pos*/) const override { return rule_(input) ? Acceptable : Invalid; }

private:
    std::function<bool(const QString&)> rule_;
};

}  // namespace

void TextBox::acceptOnly(std::function<bool(const QString&)> rule)
{
    setValidator(new RuleValidator(std::move(rule), this));
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const int original = vbKeyAscii(event);
    if (original == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int keyAscii = original;
    Q_EMIT KeyPress(keyAscii);
    if (keyAscii == 0) {
        event->accept();
        return;
    }
    if (keyAscii == original || keyAscii < 32) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler replaced the key: type its character instead.
    const QString replacement = vb::fromCp1252(QByteArray(1, static_cast<char>(keyAscii & 0xFF)));
    QKeyEvent other(QEvent::KeyPress, 0, event->modifiers(), replacement);
    QLineEdit::keyPressEvent(&other);
    event->accept();
}

void TextBox::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Q_EMIT LostFocus();
}

CheckBox::CheckBox(QWidget* parent) : VbControl<QCheckBox>(parent)
{
    setMouseTracking(true);
    connect(this, &QCheckBox::toggled, this, [this] { Q_EMIT Click(); });
}

void CheckBox::mouseMoveEvent(QMouseEvent* event)
{
    QCheckBox::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
}

OptionButton::OptionButton(QWidget* parent) : VbControl<QRadioButton>(parent)
{
    setMouseTracking(true);
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Q_EMIT Click();
    });
}

void OptionButton::mouseMoveEvent(QMouseEvent* event)
{
    QRadioButton::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
}

OptionArray::OptionArray(QWidget* parent, int count)
{
    for (int i = 0; i < count; ++i) {
        auto* b = new OptionButton(parent);
        b->Index = i;
        buttons_.push_back(b);
    }
}

int OptionArray::selected() const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->Value())
            return static_cast<int>(i);
    return -1;
}

void OptionArray::onClick(std::function<void(int index)> handler) const
{
    for (OptionButton* b : buttons_)
        QObject::connect(b, &OptionButton::Click, b, [handler, b] { handler(b->Index); });
}

CommandButton::CommandButton(QWidget* parent) : VbControl<QPushButton>(parent)
{
    setMouseTracking(true);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Q_EMIT Click(); });
}

void CommandButton::setCancel(bool cancel)
{
    if (cancel && !cancelKey_) {
        cancelKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(cancelKey_, &QShortcut::activated, this, &QPushButton::click);
    }
    if (cancelKey_)
        cancelKey_->setEnabled(cancel);
}

void CommandButton::mouseMoveEvent(QMouseEvent* event)
{
    QPushButton::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
}

Frame::Frame(QWidget* parent) : VbControl<QGroupBox>(parent) { setMouseTracking(true); }

void Frame::mouseMoveEvent(QMouseEvent* event)
{
    QGroupBox::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
}

SpinButton::SpinButton(QWidget* parent)
    : VbControl<QWidget>(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Q_EMIT SpinUp(); });
    connect(down_, &QToolButton::clicked, this, [this] { Q_EMIT SpinDown(); });
    resize(16, 24);
}

void SpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

ToolbarButton::ToolbarButton(QWidget* parent) : VbControl<QToolButton>(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(this, &QToolButton::clicked, this, [this] { Q_EMIT Click(); });
}

bool ToolbarButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QToolButton::event(event);
}

void ToolbarButton::mouseMoveEvent(QMouseEvent* event)
{
    QToolButton::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
    event->accept();  // the move was the button's: the panel it sits on must not see it as well
}

StatusPanel::StatusPanel(QWidget* parent) : VbControl<QFrame>(parent), caption_(new QLabel(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMouseTracking(true);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StatusPanel::mouseMoveEvent(QMouseEvent* event)
{
    QFrame::mouseMoveEvent(event);
    Q_EMIT MouseMove(vbMouse(event));
}

void StatusPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    caption_->setGeometry(contentsRect());
}

Tab::Tab(int tabs, QWidget* parent) : VbControl<QTabWidget>(parent)
{
    for (int i = 0; i < tabs; ++i)
        addTab(new QWidget(this), QString());
}
