// Qt's own texts (the buttons of message boxes, the file and print dialogs,
// the command line's headings and errors) in Bulgarian, like the program's
// own, whatever language the system speaks.
#pragma once

class QCoreApplication;
class QTranslator;

namespace plane_figures::workspace {

// Install Qt's Bulgarian translation in app, looked for where Qt keeps its
// translations and in "translations" beside the executable (where
// windeployqt puts them). The translator, owned by app; null where none
// was found, and Qt's texts stay in English.
QTranslator* InstallQtInBulgarian(QCoreApplication& app);

}  // namespace plane_figures::workspace
