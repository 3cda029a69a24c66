// Qt's own texts (the buttons of message boxes, the file and print dialogs,
// the command line's headings and errors) in Bulgarian, like the program's
// own, whatever language the system speaks.
#pragma once

#include <QList>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace plane_figures::workspace {

// A folder to look in and the catalogue to load from it ("qt" names the
// translations of each Qt module, "qtbase" is Qt's own widgets and tools).
struct TranslationPlace {
    QString folder;
    QString catalogue;
};

// Where Qt keeps its translations, "translations" beside the executable
// (where windeployqt puts them), then ":/translations", where a
// self-contained executable carries qtbase's texts as a resource.
QList<TranslationPlace> QtTranslationPlaces();

// Install Qt's Bulgarian translation in app from the first of places that
// has it. The translator, owned by app; null where none was found, and Qt's
// texts stay in English.
QTranslator* InstallQtInBulgarian(QCoreApplication& app,
                                  const QList<TranslationPlace>& places = QtTranslationPlaces());

}  // namespace plane_figures::workspace
