#pragma once
// The guide: a child window docked at the right edge of the main window, showing one guide page.

#include "shell/mdichild.h"
#include "shell/texts/textids.h"

#include <QPlainTextEdit>
#include <QWidget>

class QPushButton;

// The page text; it never keeps the focus, which moves on to the guide's button.
class GuideTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    QString Text() const { return toPlainText(); }
    void setText(const QString& text);

Q_SIGNALS:
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class guide : public QWidget, public MdiChild {
    Q_OBJECT
public:
    // The single guide window, made on first use.
    static guide* instance();
    // Shows GuideText page in the running language; nothing before the main window exists.
    static void showPage(GuideTextId page);

    GuideTextBox* guidetext = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    explicit guide(QWidget* parent = nullptr);
};
