#include "shell/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

// Debian's qttranslations5-l10n: Qt 5's catalogues, whose file, print and message-box texts Qt 6
// still asks for by the same words. Swedish has no catalogue of Qt 6's own.
constexpr const char* kQt5Translations = "/usr/share/qt5/translations";

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

}  // namespace

void unloadQtTranslations()
{
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}

bool loadQtTranslations(std::int16_t sprakoffset)
{
    unloadQtTranslations();
    // "qt_xx" is Qt's catalogue for the language: for Finnish it pulls in qtbase_fi and the rest. The
    // translator installed last is asked first, so Qt 6's own goes in after Qt 5's fallback.
    const QString name = sprakoffset != 0 ? QStringLiteral("qt_fi") : QStringLiteral("qt_sv");
    for (const QString& folder :
        {QString::fromLatin1(kQt5Translations), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, folder) || translator->isEmpty())
            continue;
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
    }
    return !installed().empty();
}
