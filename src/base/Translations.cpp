#include "base/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool Install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    Install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(app, locale, QStringLiteral("pellmora"), QStringLiteral(":/i18n"));
}
