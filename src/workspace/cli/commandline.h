// The program's command line:
//   plane-figures [FILE]          the window, FILE's points entered in it
//   plane-figures --report FILE   the report "Чертай" gives for FILE's points
//   plane-figures --teacher       the teacher's window, apart from the pupil's
//   plane-figures --class-results DIR   the class's results of DIR's saved tasks, as CSV
//   plane-figures --class-set DIR ...   a class set (answered by ClassSetCommand; named here
//                                       for the help alone)
//   plane-figures --help | --version
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QIODevice;

namespace plane_figures::workspace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)  // its own texts, in the context "CommandLine"

public:
    // Exit statuses of the answers.
    static constexpr int kSuccess = 0;
    static constexpr int kWrongArguments = 1;
    static constexpr int kUnreadableFile = 2;
    static constexpr int kUnwritableOutput = 3;

    // The arguments with the program's name first, as QCoreApplication gives them.
    explicit CommandLine(const QStringList& arguments);

    // Whether the arguments ask for the window: nothing else is asked
    // (--report, --class-results, --help, --version) and nothing is wrong, Qt's own options
    // (-platform, -style, ...) being right. Read from argv as given, before
    // any application object, so that no answer needs a display.
    static bool NeedsDisplay(int argc, char* argv[]);

    // Standard output closed when the program starts: its place is held by
    // the null device, read only, so that no file the program opens takes it
    // and an answer is refused as one to a closed output. Unix only.
    static void HoldClosedStandardOutput();

    // Whether to open the window: nothing else is asked and nothing is wrong.
    bool WantsWindow() const;
    // Whether the window to open is the teacher's.
    bool Teacher() const { return parser_.isSet(teacher_); }
    // The file to open in the window; empty for none.
    QString File() const;

    // Write what is asked for without a window (the report, the class's
    // results, the help, the version) or what is wrong with the arguments to out and err, as UTF-8;
    // the exit status.
    int Answer(QIODevice& out, QIODevice& err) const;
    // The same on standard output and standard error, byte for byte; an
    // answer that standard output does not take whole (a full disk, a closed
    // pipe) is a failure, said on standard error.
    int Answer() const;

private:
    bool AsksWithoutWindow() const;
    // What is wrong with the arguments, empty when nothing is.
    QString Mistake() const;
    int Report(QIODevice& out, QIODevice& err) const;
    int ClassResults(QIODevice& out, QIODevice& err) const;

    QCommandLineParser parser_;
    QCommandLineOption report_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption teacher_;
    QCommandLineOption class_results_;
    QCommandLineOption class_set_;  // in the help; ClassSetCommand answers it
    QStringList arguments_;         // as given, the program's name left out
    bool parsed_ = false;
};

}  // namespace plane_figures::workspace
