#include "platform/controls.h"

#include "platform/twips.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Controls, ColourValuesAreBlueGreenRed)
{
    // Red, blue, the half-guard green.
    EXPECT_EQ((std::vector{vbColor(0xFF), vbColor(0xFF0000), vbColor(40704)}),
        (std::vector{QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 159, 0)}));
    for (std::uint32_t v : {0u, 159u, 191u, 40704u, 0x7F00u, 0xFF0000u, 0x123456u})
        EXPECT_EQ(vbColorValue(vbColor(v)), v);

    Label label;
    label.setForeColor(191);
    label.setBackColor(0xFFFFFF);
    EXPECT_EQ(std::tuple(label.ForeColor(), label.BackColor(), label.palette().color(QPalette::WindowText)),
        std::tuple(191u, 0xFFFFFFu, QColor(191, 0, 0)));
}

TEST(Controls, TwipsFollowTheDpi)
{
    EXPECT_EQ((std::vector{twips::toPixels(1440, 96), twips::toPixels(15, 96), twips::toPixels(5, 96),
                  twips::toPixels(690, 144), twips::fromPixels(96, 96), twips::fromPixels(1, 96)}),
        (std::vector{96, 1, 0, 69, 1440, 15}));
    EXPECT_GT(twips::dpiX(), 0);

    QWidget w;
    twips::move(&w, 1440, 720, 2880, 1440);
    EXPECT_EQ(std::pair(w.width(), twips::left(&w)),
        std::pair(twips::toPixelsX(2880), twips::fromPixelsX(twips::toPixelsX(1440))));
}

TEST(Controls, FormsTakeTheEightPointFontAndStandardDialogsKeepTheirOwn)
{
    const QFont desktop = QApplication::font();
    twips::useFormFont();
    QWidget form;
    auto* label = new Label(&form);
    QMessageBox box;
    QFileDialog files;
    for (QWidget* w : std::initializer_list<QWidget*>{&form, label, &box, &files})
        w->ensurePolished();
    EXPECT_EQ(std::tuple(label->font().pointSize(), box.font().pointSize(), files.font().pointSize()),
        std::tuple(8, desktop.pointSize(), desktop.pointSize()));
    QApplication::setFont(desktop);
}

TEST(Controls, LabelClicksCaptionAndOwnVisibleAndEnabled)
{
    QWidget window;  // never shown
    Label label(&window);
    label.setCaption(QStringLiteral("X"));
    label.setVbAlignment(2);
    label.resize(40, 20);
    int clicks = 0, doubles = 0;
    QObject::connect(&label, &Label::Click, [&] { ++clicks; });
    QObject::connect(&label, &Label::DblClick, [&] { ++doubles; });
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseDClick(&label, Qt::LeftButton);
    EXPECT_EQ(std::tuple(label.Caption(), label.Alignment(), clicks, doubles), std::tuple(u"X"_s, 2, 1, 1));
    window.setEnabled(false);
    EXPECT_EQ(std::tuple(label.Visible(), label.Enabled()), std::tuple(true, true));
    label.setVisible(false);
    label.setEnabled(false);
    EXPECT_EQ(std::tuple(label.Visible(), label.Enabled()), std::tuple(false, false));
}

TEST(Controls, TextBoxChangeFiresOnEveryChangeAlsoFromCode)
{
    TextBox box;
    int changes = 0;
    QObject::connect(&box, &TextBox::Change, [&] { ++changes; });
    box.setText(QStringLiteral("12"));
    box.setText(QStringLiteral("12"));  // same text: no change
    QTest::keyClicks(&box, QStringLiteral("34"));
    EXPECT_EQ(std::pair(box.Text(), changes), std::pair(QStringLiteral("1234"), 3));
    const QString longComment(40000, QLatin1Char('k'));  // longer than a line edit takes by default
    box.setText(longComment);
    EXPECT_EQ(box.Text(), longComment);
}

TEST(Controls, TextBoxKeyPressCanSwallowOrReplaceKeys)
{
    TextBox box;
    std::vector<int> codes;
    QObject::connect(&box, &TextBox::KeyPress, [&](int& key) {
        codes.push_back(key);
        if (key == 'a')
            key = 0;  // swallowed
        else if (key == 'b')
            key = 'B';  // typed as another character
    });
    QTest::keyClicks(&box, QStringLiteral("1ab2"));
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(
        std::pair(codes, box.Text()), std::pair(std::vector<int>{'1', 'a', 'b', '2', 13, 8}, QStringLiteral("1B")));

    codes.clear();
    QTest::sendKeyEvent(QTest::KeyAction::Click, &box, Qt::Key_Adiaeresis, QStringLiteral("\u00e4"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::KeyAction::Click, &box, Qt::Key_unknown, QStringLiteral("\u20ac"), Qt::NoModifier);
    EXPECT_EQ(codes, (std::vector<int>{0xE4, 0x80}));  // Windows-1252 codes
}

// Check boxes, option buttons and buttons fire once per real change or press, also when code sets them.
TEST(Controls, ClicksFireOncePerChangeOrPressAlsoFromCode)
{
    CheckBox check;
    int checkClicks = 0;
    QObject::connect(&check, &CheckBox::Click, [&] { ++checkClicks; });
    check.setValue(1);
    check.setValue(1);  // no change: no Click
    EXPECT_EQ(std::pair(check.Value(), checkClicks), std::pair(1, 1));
    check.resize(60, 20);
    QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(std::pair(check.Value(), checkClicks), std::pair(0, 2));

    QWidget container, other;
    OptionArray options(&container, 4);
    OptionArray elsewhere(&other, 2);
    std::vector<int> clicked;
    options.onClick([&](int index) { clicked.push_back(index); });
    EXPECT_EQ(options.selected(), -1);
    options[2]->setValue(true);
    elsewhere[0]->setValue(true);
    options[0]->setValue(true);
    options[0]->setValue(true);  // already selected: no Click
    // Another container is another group.
    EXPECT_EQ(std::tuple(options.selected(), options[2]->Value(), clicked, elsewhere[0]->Value()),
        std::tuple(0, false, std::vector{2, 0}, true));

    CommandButton button;
    ToolbarButton tool;
    SpinButton spin;
    spin.resize(16, 30);
    QSignalSpy clicks(&button, &CommandButton::Click);
    QSignalSpy toolClicks(&tool, &ToolbarButton::Click);
    QSignalSpy ups(&spin, &SpinButton::SpinUp);
    QSignalSpy downs(&spin, &SpinButton::SpinDown);
    button.click();
    tool.click();
    QTest::mouseClick(spin.upButton(), Qt::LeftButton);
    QTest::mouseClick(spin.downButton(), Qt::LeftButton);
    QTest::mouseClick(spin.downButton(), Qt::LeftButton);
    // The tool button pops up again at once.
    EXPECT_EQ(std::tuple(clicks.count(), toolClicks.count(), ups.count(), downs.count(), tool.isDown()),
        std::tuple(1, 1, 1, 2, false));
}
