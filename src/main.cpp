#include <QApplication>
#include <optional>

#include "commandline.h"
#include "displayrequired.h"
#include "mainform.h"
#include "owntranslation.h"
#include "qtinbulgarian.h"

using namespace plane_figures::workspace;

int main(int argc, char* argv[]) {
    // before anything is opened, so that nothing else takes a closed output's place
    CommandLine::HoldClosedStandardOutput();
    // --report, --help, --version and wrong arguments are answered without a display
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
    MainForm form;
    form.show();
    if (!command_line.File().isEmpty()) form.OpenFile(command_line.File());
    return QApplication::exec();
}
