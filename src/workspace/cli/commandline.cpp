#include "commandline.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <string>
#include <variant>

#include "classresultsfolder.h"
#include "exercisefile.h"
#include "figureanalysis.h"
#include "resultscsv.h"

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace plane_figures::workspace {

namespace {

const QString kName = QStringLiteral("plane-figures");

// standard output was closed when the program started
bool output_closed = false;

// one line of text, as UTF-8 with LF
void WriteLine(QIODevice& device, const QString& line) {
    device.write((line + QLatin1Char('\n')).toUtf8());
}

// the report "Чертай" gives for these points, each on its grid node
std::string ReportOf(const exercisefile::Points& nodes) {
    return plane_figures::FigureAnalysis().Run(nodes).ReportText();
}

// the arguments of main as text, before an application object can decode them
QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The options QGuiApplication and QApplication take out of the arguments
// (Qt's documentation of their constructors; -display and -geometry on X11),
// known here so that the arguments can be judged before there is a display.
// Hidden from the help: the window passes them on to Qt.
QList<QCommandLineOption> QtOptions() {
    QList<QCommandLineOption> options;
    const auto add = [&](const char* name, bool takes_value) {
        QCommandLineOption option(QString::fromLatin1(name), QString());
        if (takes_value) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    };
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                             "session", "display", "geometry", "style", "stylesheet"}) {
        add(name, true);
    }
    for (const char* name : {"reverse", "widgetcount"}) add(name, false);
    return options;
}

// standard output and error write bytes as given: no CR before LF on Windows
void BinaryStandardStreams() {
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace

CommandLine::CommandLine(const QStringList& arguments)
    : report_(QStringLiteral("report"),
              tr("Извежда резултата, който „Чертай“ дава за точките от ФАЙЛ, и спира."),
              tr("ФАЙЛ")),
      help_({QStringLiteral("h"), QStringLiteral("help")}, tr("Показва тази помощ и спира.")),
      version_(QStringLiteral("version"), tr("Показва версията и спира.")),
      // one line each in the help: the manual page tells the rest
      teacher_(QStringLiteral("teacher"), tr("Отваря прозореца за учителя.")),
      class_results_(QStringLiteral("class-results"),
                     tr("Извежда резултатите на класа в ПАПКА като CSV."), tr("ПАПКА")),
      class_set_(QStringLiteral("class-set"), tr("Записва варианти за класа в ПАПКА."),
                 tr("ПАПКА")) {
    QCoreApplication::setApplicationName(kName);
    QCoreApplication::setApplicationVersion(QStringLiteral(PLANE_FIGURES_VERSION));
    parser_.setApplicationDescription(
        tr("Равнинни фигури: триъгълници и четириъгълници с върхове в точки от мрежа."));
    parser_.addPositionalArgument(
        tr("ФАЙЛ"), tr("Файл с точки (.pfig), който да се отвори в прозореца."), tr("[ФАЙЛ]"));
    parser_.addOptions({report_, class_set_, class_results_, help_, version_, teacher_});
    // Qt's options are words after one dash, as Qt reads them
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOptions(QtOptions());
    arguments_ = arguments.mid(1);
    parsed_ = parser_.parse(arguments);
}

void CommandLine::HoldClosedStandardOutput() {
#ifdef Q_OS_UNIX
    if (::fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF) return;
    output_closed = true;
    const int null = ::open("/dev/null", O_RDONLY);  // the lowest free descriptor
    if (null >= 0 && null != STDOUT_FILENO) {
        ::dup2(null, STDOUT_FILENO);
        if (null > STDERR_FILENO) ::close(null);  // else standard input was closed too
    }
#endif
}

bool CommandLine::NeedsDisplay(int argc, char* argv[]) {
    return CommandLine(Arguments(argc, argv)).WantsWindow();
}

bool CommandLine::AsksWithoutWindow() const {
    return parser_.isSet(report_) || parser_.isSet(class_results_) || parser_.isSet(help_) ||
           parser_.isSet(version_);
}

bool CommandLine::WantsWindow() const { return !AsksWithoutWindow() && Mistake().isEmpty(); }

QString CommandLine::File() const { return parser_.positionalArguments().value(0); }

QString CommandLine::Mistake() const {
    if (!parsed_) {
        // the option as it was typed, its dashes and all
        const QStringList unknown = parser_.unknownOptionNames();
        for (const QString& argument : arguments_) {
            const QString name = argument.section(QLatin1Char('='), 0, 0);
            QString bare = name;
            while (bare.startsWith(QLatin1Char('-'))) bare.remove(0, 1);
            if (name.startsWith(QLatin1Char('-')) && !unknown.isEmpty() && unknown.contains(bare))
                return tr("Непозната опция „%1“.").arg(name);
        }
        const QString error = parser_.errorText().replace(QLatin1Char(':'), QString());
        return error.endsWith(QLatin1Char('.')) ? error : error + QLatin1Char('.');
    }
    if (parser_.values(report_).size() > 1) return tr("След --report напишете точно един файл.");
    const qsizetype files = parser_.positionalArguments().size();
    if (parser_.isSet(class_results_) &&
        (parser_.values(class_results_).size() > 1 || files > 0 || parser_.isSet(report_))) {
        return tr("След --class-results напишете точно една папка.");
    }
    if (files > 1) return tr("В прозореца се отваря най-много един файл.");
    if (files == 1 && parser_.isSet(teacher_))
        return tr("Прозорецът за учителя не отваря файл с точки.");
    if (files == 1 && parser_.isSet(report_)) return tr("След --report напишете точно един файл.");
    return QString();
}

int CommandLine::Answer(QIODevice& out, QIODevice& err) const {
    if (const QString mistake = Mistake(); !mistake.isEmpty()) {
        WriteLine(err, kName + QStringLiteral(": ") + mistake);
        return kWrongArguments;
    }
    if (parser_.isSet(help_)) {
        out.write(parser_.helpText().toUtf8());
    } else if (parser_.isSet(version_)) {
        WriteLine(out, kName + QLatin1Char(' ') + QStringLiteral(PLANE_FIGURES_VERSION));
        WriteLine(out, QStringLiteral(PLANE_FIGURES_WEBSITE));
    } else if (parser_.isSet(report_)) {
        return Report(out, err);
    } else if (parser_.isSet(class_results_)) {
        return ClassResults(out, err);
    }
    return kSuccess;
}

int CommandLine::Report(QIODevice& out, QIODevice& err) const {
    const auto read = exercisefile::Read(parser_.value(report_));
    if (const auto* message = std::get_if<QString>(&read)) {
        WriteLine(err, *message);
        return kUnreadableFile;
    }
    const std::string report = ReportOf(std::get<exercisefile::Points>(read));
    out.write(report.data(), static_cast<qint64>(report.size()));
    return kSuccess;
}

int CommandLine::ClassResults(QIODevice& out, QIODevice& err) const {
    const auto read = classresultsfolder::Read(parser_.value(class_results_));
    if (const auto* message = std::get_if<QString>(&read)) {
        WriteLine(err, *message);
        return kUnreadableFile;
    }
    const std::string csv =
        classresults::ResultsCsv(classresults::Judge(std::get<classresults::Folder>(read)));
    out.write(csv.data(), static_cast<qint64>(csv.size()));
    return kSuccess;
}

int CommandLine::Answer() const {
    BinaryStandardStreams();
    QFile out, err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    const int status = Answer(out, err);
    if (out.flush() && out.error() == QFileDevice::NoError) return status;
    WriteLine(err, kName + QStringLiteral(": ") + tr("целият резултат не можа да се изведе: ") +
                       (output_closed ? tr("стандартният изход е затворен.")
                                      : tr("стандартният изход не го прие целия (може би "
                                           "дискът е пълен).")));
    return kUnwritableOutput;
}

}  // namespace plane_figures::workspace
