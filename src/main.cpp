#include <QApplication>

#include "commandline.h"
#include "mainform.h"
#include "qtinbulgarian.h"

using namespace plane_figures::workspace;

int main(int argc, char* argv[]) {
    if (!CommandLine::NeedsDisplay(argc, argv)) {
        QCoreApplication app(argc, argv);  // --report, --help, --version need no display
        InstallQtInBulgarian(app);
        return CommandLine(QCoreApplication::arguments()).Answer();
    }
    QApplication app(argc, argv);
    InstallQtInBulgarian(app);
    const CommandLine command_line(QCoreApplication::arguments());
    if (!command_line.WantsWindow()) return command_line.Answer();
    MainForm form;
    form.show();
    if (!command_line.File().isEmpty()) form.OpenFile(command_line.File());
    return QApplication::exec();
}
