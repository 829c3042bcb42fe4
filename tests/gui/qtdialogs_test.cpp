// Qt's standard dialogs as the program shows them, in both languages: the printer dialog with its
// options, its properties and its overwrite question, and the open and save dialogs in their detail
// view. No English word on any of them; the file list's sizes, dates and kinds in the language.

#include "platform/commondialog.h"
#include "platform/language.h"
#include "platform/userinterface.h"
#include "platform/vberror.h"
#include "shell/qttranslations.h"
#include "shell/saveas.h"
#include "support/mainwindow.h"
#include "support/qtdialogs.h"
#include "support/testhelpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// The words of a text, lower case, without mnemonics; numbers and single letters are no words.
QStringList wordsOf(QString text)
{
    text.remove(u'&');
    QStringList words;
    static const QRegularExpression word(QStringLiteral("[\\p{L}]{2,}"));
    // A path is the user's, not a word of the dialog's.
    for (const QString& token : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (token.contains(u'/'))
            continue;
        for (auto it = word.globalMatch(token); it.hasNext();)
            words << it.next().captured().toLower();
    }
    return words;
}

// Hears every text Qt asks the catalogues for, before they answer: their words are the English the
// dialogs would show untranslated. Key names (tool tips of shortcuts) are left out.
class SourceTexts final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "QShortcut") != 0 && qstrcmp(context, "QGuiApplication") != 0)
            for (const QString& w : wordsOf(QString::fromUtf8(source)))
                english.insert(w);
        return QString();
    }
    mutable QSet<QString> english{
        // What Qt writes without asking a catalogue: sizes, dates and kinds of file.
        u"bytes"_s, u"byte"_s, u"document"_s, u"unknown"_s, u"plain"_s, u"text"_s, u"jan"_s, u"feb"_s, u"mar"_s,
        u"apr"_s, u"may"_s, u"jun"_s, u"jul"_s, u"aug"_s, u"sep"_s, u"oct"_s, u"nov"_s, u"dec"_s, u"realmedia"_s};
};

// Words that are the same in the language, and the names of paper formats and units, which stay.
const std::set<QString> kNames = {u"ok"_s, u"pdf"_s, u"pica"_s, u"didot"_s, u"cicero"_s, u"mm"_s, u"in"_s,
    u"pt"_s, u"cc"_s, u"dd"_s, u"ansi"_s, u"jis"_s, u"prc"_s, u"us"_s, u"dl"_s, u"letter"_s, u"legal"_s,
    u"executive"_s, u"ledger"_s, u"tabloid"_s, u"folio"_s, u"quarto"_s, u"statement"_s, u"note"_s,
    u"super"_s, u"monarch"_s, u"chou"_s, u"kaku"_s, u"plus"_s};
const std::set<QString> kSwedishToo = {u"byte"_s, u"extra"_s, u"per"_s, u"standard"_s};
const std::set<QString> kFinnishToo = {};

// Every text a person sees on the window: title, labels, buttons, group titles, every tab of every
// tab widget, every combo item, the headers and cells of the lists.
QStringList visibleTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    const auto collect = [&] {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window))
                continue;
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                texts << button->text();
            else if (auto* label = qobject_cast<QLabel*>(w))
                texts << (Qt::mightBeRichText(label->text()) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                                             : label->text());
            else if (auto* group = qobject_cast<QGroupBox*>(w))
                texts << group->title();
            else if (auto* combo = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < combo->count(); ++i)
                    texts << combo->itemText(i);
            if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
                const QAbstractItemModel* model = view->model();
                const int columns = model->columnCount(view->rootIndex());
                for (int c = 0; c < columns; ++c)
                    texts << model->headerData(c, Qt::Horizontal).toString();
                for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
                    for (int c = 0; c < columns; ++c)
                        texts << model->index(r, c, view->rootIndex()).data().toString();
            }
        }
    };
    collect();
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(window))
            continue;
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
            tabs->setCurrentIndex(i);
            collect();
        }
        tabs->setCurrentIndex(0);
    }
    return texts;
}

// The detail view of the next file dialog over after once it lists count entries: the dialog is
// then closed.
void readFileDialog(QWidget* after, qsizetype count, const std::function<void(QWidget*, QTreeView*)>& read)
{
    onNextModal(after, [=](QWidget* dialog) {
        if (auto* detail = dialog->findChild<QToolButton*>(QStringLiteral("detailModeButton")))
            detail->click();
        auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        EXPECT_NE(view, nullptr);
        if (view) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= count; }, 5000));
            read(dialog, view);
        }
        qobject_cast<QDialog*>(dialog)->reject();
    });
}

// The texts of the file list, by file name: its size, kind and date columns.
std::map<QString, QStringList> fileRows(const QTreeView* view)
{
    std::map<QString, QStringList> rows;
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
        const auto cell = [&](int c) { return model->index(r, c, view->rootIndex()).data().toString(); };
        rows[cell(0)] = {cell(1), cell(2), cell(3)};
    }
    return rows;
}

class QtDialogs : public ::testing::TestWithParam<std::int16_t> {
protected:
    void SetUp() override
    {
        main_ = makeMainWindow();  // the program's names for its kinds of file
        sprakoffset = GetParam();
        loadQtTranslations(sprakoffset);
        QCoreApplication::installTranslator(&sources_);  // asked first: it hears every text
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("ramar")));
        for (const auto& [name, size] : kFiles) {
            writeFileBytes(path(name), QByteArray(size, 'x'));
            QFile file(path(name));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(kModified, QFileDevice::FileModificationTime));
        }
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&sources_);
        unloadQtTranslations();
        sprakoffset = 0;
    }
    QString path(const QString& name) const { return folder_.path() + u'/' + name; }
    QLocale language() const
    {
        return GetParam() ? QLocale(QLocale::Finnish, QLocale::Finland) : QLocale(QLocale::Swedish, QLocale::Sweden);
    }

    // "where: word in "text"" for every English word among texts.
    QStringList englishIn(const QString& where, const QStringList& texts) const
    {
        const auto& same = GetParam() ? kFinnishToo : kSwedishToo;
        QStringList found;
        for (const QString& text : texts)
            for (const QString& word : wordsOf(text))
                if (sources_.english.contains(word) && !kNames.count(word) && !same.count(word))
                    found << where + QStringLiteral(": ") + word + QStringLiteral(" in \"") + text + u'"';
        return found;
    }

    const std::vector<std::pair<QString, int>> kFiles = {{u"a.RM"_s, 549}, {u"b.RU"_s, 2000}, {u"c.KU"_s, 2},
        {u"d.1X2"_s, 3000}, {u"e.str"_s, 1}, {u"f.eur"_s, 1}, {u"g.pdf"_s, 5}};
    const QDateTime kModified{QDate(2026, 12, 7), QTime(10, 0)};
    std::unique_ptr<MDIForm1> main_;
    SourceTexts sources_;
    QTemporaryDir folder_;
};

INSTANTIATE_TEST_SUITE_P(BothLanguages, QtDialogs, ::testing::Values(std::int16_t(0), std::int16_t(10000)),
    [](const auto& language) { return language.param ? std::string("Finnish") : std::string("Swedish"); });

// The printer dialog, "Options >>" with every tab, "Properties" with every tab, the file dialog of
// "..." and the question before an existing file is overwritten: not one English word, and the file
// list as in the program's own file dialogs. CUPS is out of reach, so the PDF
// printer is the one printer.
TEST_P(QtDialogs, PrinterDialogItsOptionsPropertiesAndOverwriteQuestionHaveNoEnglishWord)
{
    const QString existing = path(QStringLiteral("g.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(existing);
    QStringList english;
    QStringList cancels;  // the word every other dialog of the program has for it
    const auto cancelOf = [&](QWidget* window) {
        if (QAbstractButton* cancel = buttonWithRole(window, QDialogButtonBox::RejectRole))
            cancels << cancel->text().remove(u'&');
    };
    bool askedToOverwrite = false;
    std::map<QString, QStringList> browsed;  // the list of the dialog Qt opens for "..."
    onNextModal(nullptr, [&](QWidget* dialog) {
        cancelOf(dialog);
        english << englishIn(QStringLiteral("printer"), visibleTexts(dialog));
        if (QAbstractButton* options = buttonWithRole(dialog, QDialogButtonBox::ResetRole))
            options->click();
        english << englishIn(QStringLiteral("printer options"), visibleTexts(dialog));
        onNextModal(dialog, [&](QWidget* properties) {
            cancelOf(properties);
            english << englishIn(QStringLiteral("properties"), visibleTexts(properties));
            qobject_cast<QDialog*>(properties)->reject();
        });
        if (auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties")))
            properties->click();
        readFileDialog(dialog, qsizetype(kFiles.size()) + 1, [&](QWidget* browse, QTreeView* view) {
            english << englishIn(QStringLiteral("print to file"), visibleTexts(browse));
            browsed = fileRows(view);
        });
        if (auto* browse = dialog->findChild<QAbstractButton*>(QStringLiteral("fileBrowser")))
            browse->click();
        onNextModal(dialog, [&](QWidget* question) {
            askedToOverwrite = qobject_cast<QMessageBox*>(question) != nullptr;
            english << englishIn(QStringLiteral("overwrite question"), visibleTexts(question));
            if (QAbstractButton* no = buttonWithRole(question, QDialogButtonBox::NoRole))
                no->click();
            else
                qobject_cast<QDialog*>(question)->reject();
        });
        if (QAbstractButton* print = buttonWithRole(dialog, QDialogButtonBox::AcceptRole))
            print->click();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(UserInterface::current().printerSetup(printer));
    EXPECT_TRUE(askedToOverwrite);
    EXPECT_EQ(english, QStringList());
    EXPECT_EQ(browsed[u"a.RM"_s], (QStringList{language().formattedDataSize(549),
                                      GetParam() ? u"RM-järjestelmä"_s : u"RM-system"_s,
                                      language().toString(kModified, QLocale::ShortFormat)}));
    EXPECT_EQ(cancels, QStringList(2, standardText(StandardText::Cancel)));
}

// The open and the save dialog in their detail view: not one English word, sizes and dates as the
// language writes them ("549 bytes" and "7 Dec" are English). The type column names each of the
// program's kinds of file as the program does, in the language; other files keep the desktop's name.
TEST_P(QtDialogs, FileDialogsHaveNoEnglishWordAndListSizesDatesAndKindsInTheLanguage)
{
    const bool finnish = GetParam() != 0;
    const std::map<QString, QString> kinds = {
        {u"a.RM"_s, finnish ? u"RM-järjestelmä"_s : u"RM-system"_s},
        {u"b.RU"_s, finnish ? u"RU-järjestelmä"_s : u"RU-system"_s},
        {u"c.KU"_s, finnish ? u"KU-järjestelmä"_s : u"KU-system"_s},
        {u"d.1X2"_s, finnish ? u"Järjestelmärunko"_s : u"Systemram"_s},
        {u"e.str"_s, u"Svenska spel Stryktipset"_s},
        {u"f.eur"_s, u"Svenska spel Europatipset"_s},
        {u"g.pdf"_s, finnish ? u"PDF-asiakirja"_s : u"PDF-dokument"_s},
        {u"ramar"_s, finnish ? u"Kansio"_s : u"Mapp"_s},
    };
    for (const bool save : {false, true}) {
        const QString where = save ? QStringLiteral("save dialog") : QStringLiteral("open dialog");
        QStringList english;
        std::map<QString, QStringList> rows;
        readFileDialog(nullptr, qsizetype(kinds.size()), [&](QWidget* dialog, QTreeView* view) {
            english = englishIn(where, visibleTexts(dialog));
            rows = fileRows(view);
        });
        CommonDialog dialog;
        dialog.Filter = systemFileFilter();  // every file first
        dialog.InitDir = folder_.path();
        EXPECT_EQ(errorOf([&] { save ? dialog.ShowSave() : dialog.ShowOpen(); }), vberr::DialogCancelled);
        EXPECT_EQ(english, QStringList());
        const QString date = language().toString(kModified, QLocale::ShortFormat);
        EXPECT_EQ(rows[u"a.RM"_s], (QStringList{language().formattedDataSize(549), kinds.at(u"a.RM"_s), date}))
            << where.toStdString();
        std::map<QString, QString> shown;
        for (const auto& [name, columns] : rows)
            shown[name] = columns.value(1);
        EXPECT_EQ(shown, kinds) << where.toStdString();
    }
}

}  // namespace
