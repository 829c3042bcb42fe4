#include "shell/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

void unloadQtTranslations()
{
    if (installed())
        QCoreApplication::removeTranslator(installed().get());
    installed().reset();
}

bool loadQtTranslations(std::int16_t sprakoffset)
{
    unloadQtTranslations();
    // "qt_xx" is Qt's catalogue for the language: for Finnish it pulls in qtbase_fi and the rest.
    const QString name = sprakoffset != 0 ? QStringLiteral("qt_fi") : QStringLiteral("qt_sv");
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    return true;
}
