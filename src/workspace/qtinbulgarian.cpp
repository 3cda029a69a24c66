#include "qtinbulgarian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QList<QtInBulgarian::Place> QtInBulgarian::Places() {
    return {{QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("qt")},
            {QCoreApplication::applicationDirPath() + "/translations", QStringLiteral("qt")},
            {QStringLiteral(":/translations"), QStringLiteral("qtbase")}};
}

QTranslator* QtInBulgarian::Install(QCoreApplication& app, const QList<Place>& places) {
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    auto* translator = new QTranslator(&app);
    for (const Place& place : places) {
        if (translator->load(bulgarian, place.catalogue, QStringLiteral("_"), place.folder) &&
            QCoreApplication::installTranslator(translator)) {
            return translator;
        }
    }
    delete translator;
    return nullptr;
}
