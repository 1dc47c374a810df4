#include "Platform/qt/UserLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <memory>

namespace platform {

namespace {

std::unique_ptr<QTranslator>& installedTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

bool installToolkitTranslation(const QLocale& locale) {
    auto& installed = installedTranslator();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

void settleUserLocale() {
    std::setlocale(LC_NUMERIC, "C");
    installToolkitTranslation(QLocale::system());
}

} // namespace platform
