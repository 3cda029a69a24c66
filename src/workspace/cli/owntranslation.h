// The program's own texts in the user's language, where a translation of
// them is installed: plane-figures_<language>.qm, beside the program or in
// plane-figures/translations of a data folder. Without one the texts stay
// Bulgarian, as they are written.
#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace plane_figures::workspace {

// The folders looked in, in order: the program's own, then
// plane-figures/translations in each data folder (on Linux ~/.local/share,
// /usr/local/share and /usr/share).
QStringList OwnTranslationFolders();

// Install in app the translation for language's first fitting name (bg_BG,
// then bg, ...) from the first of folders that has one; installed after Qt's
// own texts, it is asked first. The translator, owned by app; null where
// none was found, and nothing changes.
QTranslator* InstallOwnTranslation(QCoreApplication& app, const QLocale& language = QLocale(),
                                   const QStringList& folders = OwnTranslationFolders());

}  // namespace plane_figures::workspace
