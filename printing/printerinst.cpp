#include "printing/printerinst.h"

#include "platform/controls.h"
#include "platform/filenumber.h"
#include "platform/vberror.h"
#include "platform/vbtext.h"
#include "platform/windowhelp.h"
#include "printing/calibration.h"
#include "shell/MDIForm1.h"
#include "shell/errorreport.h"
#include "shell/texts/textids.h"
#include "shell/texts/texts.h"

#include <QPainter>
#include <QPointer>
#include <optional>
#include <span>

// A coupon corner with two rows of boxes and the seven distances drawn in their letters' colours.
class CouponSketch : public QWidget {
public:
    using QWidget::QWidget;

    static constexpr std::array<std::uint32_t, 7> kColours = {
        0x0000C0, 0x008000, 0xC00000, 0x008080, 0x800080, 0x808000, 0x0060C0};

    // Where each letter stands, in twips of the picture.
    static constexpr std::array<std::pair<int, int>, 7> kLetterAt = {
        {{720, 400}, {300, 1000}, {1600, 2280}, {300, 1330}, {640, 2280}, {960, 1110}, {860, 2280}}};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        auto X = [](int tw) { return twips::toPixelsX(tw); };
        auto Y = [](int tw) { return twips::toPixelsY(tw); };
        // The coupon's top left corner.
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(X(150), Y(150), X(4000), Y(150));
        p.drawLine(X(150), Y(150), X(150), Y(3500));
        // Two rows of three boxes over three matches.
        constexpr int left0 = 600;
        constexpr int top0 = 900;
        constexpr int cw = 240;
        constexpr int ch = 240;
        constexpr int hgap = 150;
        constexpr int vgap = 180;
        constexpr int rowgap = 330;
        constexpr int row = 3 * cw + 2 * hgap + rowgap;
        p.setPen(QPen(Qt::gray, 1));
        for (int r = 0; r < 2; ++r)
            for (int m = 0; m < 3; ++m)
                for (int s = 0; s < 3; ++s)
                    p.drawRect(X(left0 + r * row + s * (cw + hgap)), Y(top0 + m * (ch + vgap)), X(cw), Y(ch));
        auto dim = [&](int i, int x1, int y1, int x2, int y2) {
            p.setPen(QPen(vbColor(kColours[static_cast<std::size_t>(i)]), 1));
            p.drawLine(X(x1), Y(y1), X(x2), Y(y2));
        };
        dim(0, left0 + 60, 150, left0 + 60, top0);  // A: top edge to the first cross
        dim(1, 150, top0 + 60, left0, top0 + 60);  // B: left edge to the first cross
        const int rowEnd = left0 + 3 * cw + 2 * hgap;
        dim(2, rowEnd, top0 + 3 * (ch + vgap) + 60, rowEnd + rowgap, top0 + 3 * (ch + vgap) + 60);  // C
        dim(3, left0 - 60, top0 + ch + vgap, left0 - 60, top0 + 2 * ch + vgap);  // D: cross height
        dim(4, left0, top0 + 3 * (ch + vgap) + 60, left0 + cw, top0 + 3 * (ch + vgap) + 60);  // E: cross width
        dim(5, left0 + cw + 60, top0 + ch, left0 + cw + 60, top0 + ch + vgap);  // F: vertical gap
        dim(6, left0 + cw, top0 + 3 * (ch + vgap) + 60, left0 + cw + hgap, top0 + 3 * (ch + vgap) + 60);  // G
    }
};

namespace {

QPointer<printerinst> theDialog;

Label* wrapped(QWidget* parent, int left, int top, int width, int height)
{
    Label* l = make<Label>(parent, left, top, width, height);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// Clears a box whose text its check refuses.
void checkBox(TextBox* box, double lo, double hi)
{
    if (!calibrationBoxKeeps(box->Text(), lo, hi))
        box->setText(QString());
}

constexpr double kDistanceLimit = 20000;
constexpr double kAngleLimit = 1;
constexpr double kMinRows = 1;
constexpr double kMaxRows = 25;

std::int16_t boxValue(const TextBox* box) { return vb::CInt(vb::Val(box->Text())); }

// Enter in box Index of a column gives the focus to the next box, from the last one to `after`.
void enterMovesOn(std::span<TextBox* const> boxes, int Index, int KeyAscii, QWidget* after)
{
    if (KeyAscii != 13)
        return;
    const auto next = static_cast<std::size_t>(Index) + 1;
    if (next < boxes.size())
        boxes[next]->setFocus();
    else
        after->setFocus();
}

}  // namespace

printerinst* printerinst::instance()
{
    return loadedDialog(theDialog, [] { return new printerinst(MDIForm1::instance()); });
}

printerinst::printerinst(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("printerinst"));
    buildControls();
    MDIForm1::clearHintOnMouseMove({this});
}

printerinst::~printerinst() { delete kryssruta; }

std::array<std::array<Label*, 2>*, 7> printerinst::letters() { return {&a, &Label1, &c, &d, &e, &f, &g}; }

void printerinst::buildControls()
{
    setFixedSize(twips::toPixelsX(8520), twips::toPixelsY(5880));
    SSTab1 = new Tab(2, this);
    SSTab1->Move(120, 120, 8280, 4740);

    // Tab 0: the seven distances beside the picture.
    QWidget* page0 = SSTab1->page(0);
    Picture1 = new CouponSketch(page0);
    twips::move(Picture1, 120, 120, 4080, 3660);
    const auto letterArrays = letters();
    for (std::size_t i = 0; i < letterArrays.size(); ++i) {
        const QString letter(QChar(u'A' + static_cast<char16_t>(i)));
        const std::uint32_t colour = CouponSketch::kColours[i];
        auto& pair = *letterArrays[i];
        const auto [x, y] = CouponSketch::kLetterAt[i];
        pair[0] = make<Label>(Picture1, x, y, 240, 255);
        pair[1] = make<Label>(page0, 4380, 165 + static_cast<int>(i) * 480, 240, 255);
        for (Label* l : pair) {
            l->setCaption(letter);
            l->setForeColor(colour);
            l->setFontBold(true);
        }
        Text1[i] = make<TextBox>(page0, 4680, 120 + static_cast<int>(i) * 480, 855, 315);
        Text1[i]->Index = static_cast<int>(i);
        Text1[i]->setText(QStringLiteral("0"));
        // Two lines where one is too short, centred on the box beside it.
        Label3[i] = make<Label>(page0, 5640, 52 + static_cast<int>(i) * 480, 2520, 450);
        Label3[i]->setWordWrap(true);
    }
    Label9 = make<Label>(page0, 4680, 3540, 1000, 255);
    Label9->setCaption(QStringLiteral("1/10 mm"));
    aterstall = make<CommandButton>(page0, 6600, 3840, 1455, 375);

    // Tab 1: style, rows per coupon, jokers and skew.
    QWidget* page1 = SSTab1->page(1);
    kryssruta = new OptionArray(page1, 2);
    (*kryssruta)[0]->Move(120, 120, 3800, 255);
    (*kryssruta)[1]->Move(120, 420, 3800, 255);
    (*kryssruta)[0]->setValue(true);
    RadKupongLabel = make<Label>(page1, 4260, 165, 2100, 255);
    RadKupong = make<TextBox>(page1, 6480, 120, 855, 315);

    Frame1 = make<Frame>(page1, 120, 780, 3960, 3480);
    for (std::size_t j = 0; j < 2; ++j) {
        const int top = 270 + static_cast<int>(j) * 1080;
        Label4[j] = make<Label>(Frame1, 150, top, 1200, 255);
        for (std::size_t k = 0; k < 2; ++k) {
            const std::size_t i = j * 2 + k;
            const int row = top + 330 + static_cast<int>(k) * 360;
            Label5[i] = make<Label>(Frame1, 300, row + 30, 2300, 255);
            Text2[i] = make<TextBox>(Frame1, 2700, row, 855, 315);
            Text2[i]->Index = static_cast<int>(i);
        }
    }
    Label6 = wrapped(Frame1, 150, 2400, 2500, 1050);
    aterstalljoker = make<CommandButton>(Frame1, 2700, 2940, 1100, 375);

    Frame2 = make<Frame>(page1, 4200, 780, 3840, 3480);
    Label7 = wrapped(Frame2, 150, 180, 3540, 2460);
    Label8 = make<Label>(Frame2, 150, 2670, 2460, 480);
    Label8->setWordWrap(true);
    Text3 = make<TextBox>(Frame2, 2700, 2750, 855, 315);

    Label2 = wrapped(this, 120, 4980, 5400, 735);
    ok = make<CommandButton>(this, 5640, 5100, 1335, 375);
    avbryt = make<CommandButton>(this, 7065, 5100, 1335, 375);

    for (std::size_t i = 0; i < Text1.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(Text1[i], &TextBox::Change, this, [this, index] { Text1_Change(index); });
        connect(Text1[i], &TextBox::KeyPress, this, [this, index](int& k) { Text1_KeyPress(index, k); });
    }
    for (std::size_t i = 0; i < Text2.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(Text2[i], &TextBox::Change, this, [this, index] { Text2_Change(index); });
        connect(Text2[i], &TextBox::KeyPress, this, [this, index](int& k) { Text2_KeyPress(index, k); });
    }
    connect(Text3, &TextBox::Change, this, &printerinst::Text3_Change);
    connect(Text3, &TextBox::KeyPress, this, &printerinst::Text3_KeyPress);
    connect(RadKupong, &TextBox::Change, this, &printerinst::RadKupong_Change);
    connect(aterstall, &CommandButton::Click, this, &printerinst::aterstall_Click);
    connect(aterstalljoker, &CommandButton::Click, this, &printerinst::aterstalljoker_Click);
    connect(ok, &CommandButton::Click, this, &printerinst::ok_Click);
    connect(avbryt, &CommandButton::Click, this, &printerinst::avbryt_Click);
}

void printerinst::Form_Load()
{
    aterstall->setCaption(currentUiText(kUiReset));
    aterstalljoker->setCaption(currentUiText(kUiReset));
    avbryt->setCaption(currentUiText(kUiCancel));
    Frame1->setCaption(currentUiText(kUiJokerSettings));
    (*kryssruta)[0]->setCaption(currentUiText(kUiPrintAsCross));
    (*kryssruta)[1]->setCaption(currentUiText(kUiPrintAsFilledBox));
    Label2->setCaption(currentUiText(kUiCalibrationNote));
    for (std::size_t i = 0; i < Label3.size(); ++i)
        Label3[i]->setCaption(currentUiText(kUiCrossDistance + static_cast<int>(i)));
    Label4[0]->setCaption(currentUiText(kUiJoker1Offset));
    Label4[1]->setCaption(currentUiText(kUiJoker2Offset));
    for (std::size_t i = 0; i < Label5.size(); ++i)
        Label5[i]->setCaption(currentUiText(i % 2 == 0 ? kUiVertical : kUiHorizontal));
    Label6->setCaption(currentUiText(kUiJokerNote));
    Label7->setCaption(currentUiText(kUiSkewNote));
    Label8->setCaption(currentUiText(kUiSkewRange));
    ok->setCaption(currentUiText(kUiOK));
    setWindowTitle(currentUiText(kUiCalibrationCaption));
    SSTab1->setTabCaption(1, currentUiText(kUiOtherCrossSettingsTab));
    SSTab1->setTabCaption(0, currentUiText(kUiCrossPlacementTab));
    RadKupongLabel->setCaption(currentUiText(kUiRowsPerCoupon));
}

void printerinst::showDialog()
{
    showDialogWindow(this, placed_);
    start();
}

// ---------------------------------------------------------------- the file

void printerinst::start()
{
    PrintCalibration read;
    int fields = 0;
    std::optional<VbError> failure;
    try {
        readCalibrationFile(&read, &fields);
    } catch (const VbError& error) {
        failure = error;
    }
    // The boxes the reading got to, in record order.
    // The check runs on every text put in, also one equal to the box's design text.
    for (int i = 0; i < fields && i < DistanceCount; ++i) {
        const QString text = vb::Dec(read.distance[static_cast<std::size_t>(i)]);
        const auto k = static_cast<std::size_t>(i);
        if (k < Text1.size()) {
            Text1[k]->setText(text);
            Text1_Change(i);
        } else {
            Text2[k - Text1.size()]->setText(text);
            Text2_Change(i - static_cast<int>(Text1.size()));
        }
    }
    if (fields > DistanceCount) {
        Text3->setText(angleText(read.ANGLE));
        Text3_Change();
    }
    if (fields > DistanceCount + 1)
        (*kryssruta)[read.STYLE == 1 ? 0 : 1]->setValue(true);
    if (fields > DistanceCount + 2) {
        RadKupong->setText(vb::Dec(read.RPC));
        RadKupong_Change();
    }
    if (failure) {
        reportError(*failure, ErrorContext::SettingsFile);
        FileNumber::one().close();
    }
}

void printerinst::ok_Click()
{
    try {
        PrintCalibration record;
        for (std::size_t i = 0; i < Text1.size(); ++i)
            record.distance[i] = boxValue(Text1[i]);
        for (std::size_t i = 0; i < Text2.size(); ++i)
            record.distance[Text1.size() + i] = boxValue(Text2[i]);
        record.ANGLE = static_cast<float>(vb::Val(Text3->Text()));
        record.STYLE = (*kryssruta)[0]->Value() ? 1 : 0;
        record.RPC = boxValue(RadKupong);
        writeCalibrationFile(record);
        hide();
    } catch (const VbError& error) {
        reportError(error, ErrorContext::SettingsFile);
        FileNumber::one().close();
    }
}

void printerinst::avbryt_Click() { hide(); }

void printerinst::aterstall_Click()
{
    const PrintCalibration reset = resetCalibration();
    for (std::size_t i = 0; i < Text1.size(); ++i)
        Text1[i]->setText(vb::Dec(reset.distance[i]));
}

void printerinst::aterstalljoker_Click()
{
    const PrintCalibration reset = resetCalibration();
    for (std::size_t i = 0; i < Text2.size(); ++i)
        Text2[i]->setText(vb::Dec(reset.distance[Text1.size() + i]));
}

// ---------------------------------------------------------------- the boxes

void printerinst::Text1_Change(int Index)
{
    checkBox(Text1[static_cast<std::size_t>(Index)], -kDistanceLimit, kDistanceLimit);
}

void printerinst::Text2_Change(int Index)
{
    checkBox(Text2[static_cast<std::size_t>(Index)], -kDistanceLimit, kDistanceLimit);
}

void printerinst::Text3_Change() { checkBox(Text3, -kAngleLimit, kAngleLimit); }

void printerinst::RadKupong_Change() { checkBox(RadKupong, kMinRows, kMaxRows); }

void printerinst::Text1_KeyPress(int Index, int& KeyAscii) { enterMovesOn(Text1, Index, KeyAscii, ok); }

void printerinst::Text2_KeyPress(int Index, int& KeyAscii) { enterMovesOn(Text2, Index, KeyAscii, ok); }

void printerinst::Text3_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        ok->setFocus();
}
