#include "owntranslation.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTranslator>

namespace plane_figures::workspace {

QStringList OwnTranslationFolders() {
    QStringList folders{QCoreApplication::applicationDirPath()};
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/plane-figures/translations");
    return folders;
}

QTranslator* InstallOwnTranslation(QCoreApplication& app, const QLocale& language,
                                   const QStringList& folders) {
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (!translator->load(language, QStringLiteral("plane-figures"), QStringLiteral("_"),
                              folder))
            continue;
        // an empty translation changes nothing; deleting it takes it out again
        if (QCoreApplication::installTranslator(translator)) return translator;
        break;
    }
    delete translator;
    return nullptr;
}

}  // namespace plane_figures::workspace
