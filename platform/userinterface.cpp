// The desktop UserInterface: real message boxes, file dialogs and beeps.

#include "platform/userinterface.h"

#include "platform/atomicfile.h"
#include "platform/filelistmodel.h"
#include "platform/language.h"
#include "platform/prnshw.h"
#include "platform/vberror.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpacerItem>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

std::function<void(const QString&, int)>& helpViewer()
{
    static std::function<void(const QString&, int)> viewer;
    return viewer;
}

// Qt's print dialog without the page range and the copy count: the print prints every coupon of
// the print dialog's own range once. Qt shows its range box again each time the dialog is shown
// (the print server could honour it), so the tab that holds both goes once the dialog is up.
// Qt's Print button runs Qt's own check of the fields, which opens the chosen output file to see
// whether it may be written and so waits for ever on a pipe: the button checks the file first, and
// a refusal closes the dialog and is raised by printerSetup once the dialog has gone.
class CouponPrinterDialog final : public QPrintDialog {
public:
    // Qt's dialog opens on the default printer and proposes a PDF file in the current folder named
    // after the whole document name: it opens on the printer's own choice instead, a PDF file when
    // that was chosen last, and proposes pdfFile.
    CouponPrinterDialog(QPrinter* printer, bool toPdf, const QString& pdfFile, QWidget* parent)
        : QPrintDialog(printer, parent), toPdf_(toPdf)
    {
        setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        if (auto* file = findChild<QLineEdit*>(QStringLiteral("filename")))
            file->setText(pdfFile);
        auto* buttons = findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
        if (buttons) {
            disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
            connect(buttons, &QDialogButtonBox::accepted, this, &CouponPrinterDialog::printClicked);
        }
    }
    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        if (!visible)
            return;
        // Qt adds its PDF entry, the last one, as the dialog shows.
        auto* printers = findChild<QComboBox*>(QStringLiteral("printers"));
        if (toPdf_ && printers)
            printers->setCurrentIndex(printers->count() - 1);
        QWidget* copies = findChild<QWidget*>(QStringLiteral("copiesTab"));
        auto* tabs = findChild<QTabWidget*>(QStringLiteral("tabs"));
        if (copies && tabs && tabs->indexOf(copies) >= 0)
            tabs->removeTab(tabs->indexOf(copies));
        if (copies)
            copies->hide();
    }
    void accept() override
    {
        if (targetRefused())
            return;
        QPrintDialog::accept();
    }
    const std::optional<VbError>& refusal() const { return refusal_; }

protected:
    // Qt makes its Properties dialog when it is first needed. A coupon prints one to a sheet, upright
    // and at the printer's own margins (the print sets them whatever is chosen here), so the dialog
    // offers no orientation, margins, pages per sheet, page order or banner pages.
    bool event(QEvent* e) override
    {
        auto* properties = e->type() == QEvent::ChildPolished
            ? qobject_cast<QDialog*>(static_cast<QChildEvent*>(e)->child())
            : nullptr;
        if (properties) {
            for (const char* name : {"groupBox_3", "groupBox", "pagesPerSheetButtonGroup"})
                if (auto* group = properties->findChild<QWidget*>(QLatin1String(name)))
                    group->hide();
            if (auto* banner = properties->findChild<QWidget*>(QStringLiteral("startBannerPageCombo")))
                banner->parentWidget()->hide();
        }
        return QPrintDialog::event(e);
    }

private:
    // The program's own check, then Qt's (which ends in accept()).
    void printClicked()
    {
        if (targetRefused())
            return;
        if (!QMetaObject::invokeMethod(this, "_q_checkFields"))
            accept();
    }
    // A refused output file closes the dialog.
    bool targetRefused()
    {
        const auto* file = findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!file || !file->isEnabled() || file->text().isEmpty())
            return false;
        try {
            vb::checkedWriteTarget(file->text());
        } catch (const VbError& e) {
            refusal_ = e;
            reject();
            return true;
        }
        return false;
    }

    std::optional<VbError> refusal_;
    bool toPdf_ = false;
};

class DesktopUserInterface final : public UserInterface {
public:
    DesktopUserInterface() { listFilesInTheLanguage(); }

    int messageBox(const QString& text, int style, const QString& title) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setText(text);
        box.setWindowTitle(title.isEmpty() ? defaultMessageTitle() : title);
        switch (style & 0x70) {
        case vbmsg::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case vbmsg::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case vbmsg::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case vbmsg::Information:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
        }
        const auto buttons = messageBoxButtons(style);
        for (int result : buttons)
            box.addButton(buttonFor(result), roleFor(result))->setProperty("vbResult", result);
        // The style's default button, 1..3, sits in bits 8..9.
        const int defaultIndex = (style >> 8) & 3;
        const auto list = box.buttons();
        for (QAbstractButton* b : list) {
            if (b->property("vbResult").toInt() ==
                buttons[std::min<std::size_t>(static_cast<std::size_t>(defaultIndex), buttons.size() - 1)])
                box.setDefaultButton(qobject_cast<QPushButton*>(b));
        }
        keepTitleWhole(box);
        box.exec();
        if (QAbstractButton* clicked = box.clickedButton())
            return clicked->property("vbResult").toInt();
        // Closed with the window's close box or Escape: the cancelling answer.
        return escapeResult(style);
    }

    std::optional<QString> fileDialog(const FileDialogRequest& request) override
    {
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(!request.title.isEmpty()
                ? request.title
                : standardText(request.save ? StandardText::SaveAs : StandardText::Open));
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (request.save)
            dialog.setFileMode(QFileDialog::AnyFile);
        else
            dialog.setFileMode((request.flags & 4096) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        // The dialog asks before overwriting only with its own flag; the program asks itself.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        const QStringList filters = qtFilters(request.filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size())) - 1;
            dialog.selectNameFilter(filters.at(index));
        }
        if (!request.initDir.isEmpty())
            dialog.setDirectory(request.initDir);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        // Qt's Swedish catalogue has no word for this button; it says what the message boxes say.
        dialog.setLabelText(QFileDialog::Reject, standardText(StandardText::Cancel));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    void showHelp(const QString& helpFile, int command) override
    {
        if (helpViewer())
            helpViewer()(helpFile, command);
    }

    void beep() override { QApplication::beep(); }

    // Qt's own dialog always offers printing to a PDF file, so a machine without printers prints too.
    bool printerSetup(QPrinter& printer) override
    {
        const bool toPdf = printer.outputFormat() == QPrinter::PdfFormat;
        const QString file = toPdf && !printer.outputFileName().isEmpty() ? printer.outputFileName()
                                                                          : prnshw::proposedPdfFile(printer.docName());
        CouponPrinterDialog dialog(&printer, toPdf, file, QApplication::activeWindow());
        const bool accepted = dialog.exec() == QDialog::Accepted;
        if (dialog.refusal())
            throw *dialog.refusal();
        return accepted;
    }

private:
    // A short text makes a box too narrow for its title bar, and the window manager cuts the title
    // to "Ve...rin" or drops it: the box is at least as wide as the title in bold plus the title
    // bar's buttons. Qt sizes a message box from its layout, so the width goes in as a spacer.
    static void keepTitleWhole(QMessageBox& box)
    {
        QFont bold = box.font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const int width = metrics.horizontalAdvance(box.windowTitle()) + 10 * metrics.height();
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
            grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
    }

    static QString buttonFor(int result)
    {
        switch (result) {
        case vbmsg::OK:
            return standardText(StandardText::OK);
        case vbmsg::Cancel:
            return standardText(StandardText::Cancel);
        case vbmsg::Abort:
            return standardText(StandardText::Abort);
        case vbmsg::Retry:
            return standardText(StandardText::Retry);
        case vbmsg::Ignore:
            return standardText(StandardText::Ignore);
        case vbmsg::Yes:
            return standardText(StandardText::Yes);
        case vbmsg::No:
            return standardText(StandardText::No);
        default:
            return QString();
        }
    }

    static QMessageBox::ButtonRole roleFor(int result)
    {
        switch (result) {
        case vbmsg::OK:
            return QMessageBox::AcceptRole;
        case vbmsg::Yes:
            return QMessageBox::YesRole;
        case vbmsg::No:
            return QMessageBox::NoRole;
        case vbmsg::Cancel:
        case vbmsg::Abort:
            return QMessageBox::RejectRole;
        default:
            return QMessageBox::ActionRole;
        }
    }
};

DesktopUserInterface& desktop()
{
    static DesktopUserInterface ui;
    return ui;
}

UserInterface* installed = nullptr;

}  // namespace

bool UserInterface::printerSetup(QPrinter&) { return false; }

std::vector<int> messageBoxButtons(int style)
{
    switch (style & 7) {
    case vbmsg::OKCancel:
        return {vbmsg::OK, vbmsg::Cancel};
    case vbmsg::AbortRetryIgnore:
        return {vbmsg::Abort, vbmsg::Retry, vbmsg::Ignore};
    case vbmsg::YesNoCancel:
        return {vbmsg::Yes, vbmsg::No, vbmsg::Cancel};
    case vbmsg::YesNo:
        return {vbmsg::Yes, vbmsg::No};
    case vbmsg::RetryCancel:
        return {vbmsg::Retry, vbmsg::Cancel};
    default:
        return {vbmsg::OK};
    }
}

int escapeResult(int style)
{
    switch (style & 7) {
    case vbmsg::OKCancel:
    case vbmsg::YesNoCancel:
    case vbmsg::RetryCancel:
        return vbmsg::Cancel;
    case vbmsg::AbortRetryIgnore:
        return vbmsg::Abort;
    case vbmsg::YesNo:
        return vbmsg::No;
    default:
        return vbmsg::OK;
    }
}

QStringList qtFilters(const QString& vbFilter)
{
    // "Text|pattern|Text|pattern": Qt wants "Text (pattern)"; the program separates several patterns
    // with ";", Qt with blanks.
    QStringList result;
    const QStringList parts = vbFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1).trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" meant every file; here a name need not hold a dot ("walkram").
        if (patterns == u"*.*")
            patterns = QStringLiteral("*");
        QString label = parts.at(i).trimmed();
        // A label that already shows its patterns in parentheses would show them twice.
        const qsizetype paren = label.lastIndexOf(QLatin1Char('('));
        if (paren > 0 && label.endsWith(QLatin1Char(')')))
            label = label.left(paren).trimmed();
        result << label + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

QString defaultMessageTitle() { return QStringLiteral("Velkorin"); }

void setHelpViewer(std::function<void(const QString& helpFile, int command)> viewer)
{
    helpViewer() = std::move(viewer);
}

UserInterface& UserInterface::current() { return installed ? *installed : static_cast<UserInterface&>(desktop()); }

void UserInterface::install(UserInterface* ui) { installed = ui; }

int MsgBox(const QString& text, int style, const QString& title)
{
    return UserInterface::current().messageBox(text, style, title);
}

void Beep() { UserInterface::current().beep(); }
