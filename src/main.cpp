#include <QApplication>

#include "commandline.h"
#include "mainform.h"
#include "qtinbulgarian.h"

using namespace plane_figures::workspace;

int main(int argc, char* argv[]) {
    // --report, --help, --version and wrong arguments are answered without a display
    if (!CommandLine::NeedsDisplay(argc, argv)) {
        QCoreApplication app(argc, argv);
        InstallQtInBulgarian(app);
        return CommandLine(QCoreApplication::arguments()).Answer();
    }
    // Qt takes its own options (-platform, -style, ...) out of argv
    QApplication app(argc, argv);
    InstallQtInBulgarian(app);
    const CommandLine command_line(QCoreApplication::arguments());
    if (!command_line.WantsWindow()) return command_line.Answer();
    MainForm form;
    form.show();
    if (!command_line.File().isEmpty()) form.OpenFile(command_line.File());
    return QApplication::exec();
}
