#include "qtinbulgarian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plane_figures::workspace {

QList<TranslationPlace> QtTranslationPlaces() {
    return {{QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("qt")},
            {QCoreApplication::applicationDirPath() + "/translations", QStringLiteral("qt")},
            {QStringLiteral(":/translations"), QStringLiteral("qtbase")}};
}

QTranslator* InstallQtInBulgarian(QCoreApplication& app, const QList<TranslationPlace>& places) {
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    auto* translator = new QTranslator(&app);
    for (const TranslationPlace& place : places) {
        if (translator->load(bulgarian, place.catalogue, QStringLiteral("_"), place.folder) &&
            QCoreApplication::installTranslator(translator)) {
            return translator;
        }
    }
    delete translator;
    return nullptr;
}

}  // namespace plane_figures::workspace
