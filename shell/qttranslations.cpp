#include "shell/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

// Debian's qttranslations5-l10n: Qt 5's catalogues, whose file, print and message-box texts Qt 6
// still asks for by the same words.
constexpr const char* kQt5Translations = "/usr/share/qt5/translations";

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool install(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || translator->isEmpty())
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    return true;
}

}  // namespace

void unloadQtTranslations()
{
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    QLocale::setDefault(QLocale::system());
}

bool loadQtTranslations(std::int16_t sprakoffset)
{
    unloadQtTranslations();
    const bool finnish = sprakoffset != 0;
    // "qt_xx" is Qt's catalogue for the language: for Finnish it pulls in qtbase_fi and the rest. The
    // translator installed last is asked first: Qt 6's own after Qt 5's, the program's own last of all.
    const QString name = finnish ? QStringLiteral("qt_fi") : QStringLiteral("qt_sv");
    bool found = false;
    for (const QString& folder :
        {QString::fromLatin1(kQt5Translations), QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        found = install(name, folder) || found;
    install(finnish ? QStringLiteral("velkorin_fi") : QStringLiteral("velkorin_sv"), QStringLiteral(":/translations"));
    // Only what Qt shows follows it: the program's own number texts take the environment's locale
    // or none at all (platform/vbtext.h).
    QLocale::setDefault(finnish ? QLocale(QLocale::Finnish, QLocale::Finland) : QLocale(QLocale::Swedish, QLocale::Sweden));
    return found;
}
