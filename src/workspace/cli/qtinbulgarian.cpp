#include "qtinbulgarian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plane_figures::workspace {

QTranslator* InstallQtInBulgarian(QCoreApplication& app) {
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    auto* translator = new QTranslator(&app);
    // "qt" is the catalogue that names the translations of each Qt module
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + "/translations"}) {
        if (translator->load(bulgarian, QStringLiteral("qt"), QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator)) {
            return translator;
        }
    }
    delete translator;
    return nullptr;
}

}  // namespace plane_figures::workspace
