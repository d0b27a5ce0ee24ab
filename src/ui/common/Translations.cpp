#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lovaris::ui {

bool InstallQtRussianTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace lovaris::ui
