// A bare Qt Widgets window of the program's size, built with the same static
// Qt: the floor that the program's start-up is measured against
// (scripts/windows/startup-bench.sh).
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.setFixedSize(517, 450);
    window.show();
    return QApplication::exec();
}
