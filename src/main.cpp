#include <QApplication>
#include <QGuiApplication>
#include <optional>

#include "classsetcommand.h"
#include "classsheetfiles.h"
#include "commandline.h"
#include "displayrequired.h"
#include "mainform.h"
#include "owntranslation.h"
#include "qtinbulgarian.h"
#include "teacherwindow.h"

using namespace plane_figures::workspace;

int main(int argc, char* argv[]) {
    // before anything is opened, so that nothing else takes a closed output's place
    CommandLine::HoldClosedStandardOutput();
    // a class set is written without a display: its PDFs are painted on
    // the offscreen platform, which needs none
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
        if (ClassSetCommand::Asked(arguments)) {
#ifndef Q_OS_WIN
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
            QGuiApplication app(argc, argv);
            InstallQtInBulgarian(app);
            InstallOwnTranslation(app);
            return ClassSetCommand(QCoreApplication::arguments()).Answer(&classsheetfiles::Pdfs);
        }
    }
    // --report, --class-results, --help, --version and wrong arguments are answered
    // without a display
    if (!CommandLine::NeedsDisplay(argc, argv)) {
        QCoreApplication app(argc, argv);
        InstallQtInBulgarian(app);
        InstallOwnTranslation(app);
        return CommandLine(QCoreApplication::arguments()).Answer();
    }
    // Qt takes its own options (-platform, -style, ...) out of argv
    std::optional<QApplication> app;
    {
        const DisplayRequired display;  // said in Bulgarian when there is none
        app.emplace(argc, argv);
    }
    InstallQtInBulgarian(*app);
    InstallOwnTranslation(*app);  // after Qt's, so that it is asked first
    const CommandLine command_line(QCoreApplication::arguments());
    if (!command_line.WantsWindow()) return command_line.Answer();
    if (command_line.Teacher()) {  // a window of its own, never the pupil's
        TeacherWindow teacher;
        teacher.show();
        return QApplication::exec();
    }
    MainForm form;
    form.show();
    if (!command_line.File().isEmpty()) form.OpenFile(command_line.File());
    return QApplication::exec();
}
