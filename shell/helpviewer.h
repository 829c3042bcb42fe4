#pragma once
// The help viewer: shows one of the program's help files, starting at its contents page, and follows
// the links between its pages.

#include "shell/texts/helpfile.h"

#include <QWidget>

class QTextBrowser;
class QPushButton;

class helpviewer : public QWidget {
    Q_OBJECT
public:
    // The single viewer, made on first use.
    static helpviewer* instance();

    // Reads the file and shows its contents page (help command 3), or what went wrong.
    void showFile(const QString& path, int command);
    void showPage(const QString& id);

    const HelpFile& file() const { return file_; }
    QString currentPage() const { return current_; }
    QTextBrowser* browser() const { return browser_; }

private:
    explicit helpviewer(QWidget* parent = nullptr);

    QTextBrowser* browser_ = nullptr;
    QPushButton* contents_ = nullptr;
    HelpFile file_;
    QString current_;
};
