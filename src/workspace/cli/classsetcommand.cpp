#include "classsetcommand.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <variant>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

#include "classsetfiles.h"
#include "classsetfolder.h"
#include "classsetgenerator.h"

namespace plane_figures::workspace {

namespace {

const QString kName = QStringLiteral("plane-figures");

void WriteLine(QIODevice& device, const QString& line) {
    device.write((line + QLatin1Char('\n')).toUtf8());
}

// a whole number of digits only, or -1
qint64 WholeNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 10) return -1;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
    }
    return text.toLongLong();
}

}  // namespace

bool ClassSetCommand::Asked(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--class-set") ||
            argument.startsWith(QStringLiteral("--class-set=")))
            return true;
    }
    return false;
}

ClassSetCommand::ClassSetCommand(const QStringList& arguments) {
    const QCommandLineOption class_set(QStringLiteral("class-set"), QString(),
                                       QStringLiteral("DIR"));
    const QCommandLineOption variants(QStringLiteral("variants"), QString(), QStringLiteral("N"));
    const QCommandLineOption points(QStringLiteral("points"), QString(), QStringLiteral("P"));
    const QCommandLineOption kinds(QStringLiteral("kinds"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption code(QStringLiteral("code"), QString(), QStringLiteral("C"));
    const QCommandLineOption heading(QStringLiteral("heading"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption plotting(QStringLiteral("plotting"), QString());
    const QCommandLineOption short_key(QStringLiteral("short-key"), QString());
    const QCommandLineOption replace(QStringLiteral("replace"), QString());
    QCommandLineParser parser;
    parser.addOptions(
        {class_set, variants, points, kinds, code, heading, plotting, short_key, replace});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        mistake_ = unknown.isEmpty() ? tr("След --class-set, --variants, --points, --kinds, --code "
                                          "и --heading напишете стойност.")
                                     : tr("Непозната опция „%1%2“ за класен комплект.")
                                           .arg(unknown.first().size() > 1 ? QStringLiteral("--")
                                                                           : QStringLiteral("-"),
                                                unknown.first());
        return;
    }
    if (!parser.positionalArguments().isEmpty()) {
        mistake_ = tr("Излишен аргумент „%1“: папката се пише след --class-set.")
                       .arg(parser.positionalArguments().first());
        return;
    }
    folder_ = parser.value(class_set);
    heading_ = parser.value(heading);
    plotting_ = parser.isSet(plotting);
    short_key_ = parser.isSet(short_key);
    replace_ = parser.isSet(replace);
    if (folder_.isEmpty()) {
        mistake_ = tr("След --class-set напишете папката, в която да се запише класният комплект.");
        return;
    }
    const auto number = [&](const QCommandLineOption& option, qint64 fallback) {
        return parser.isSet(option) ? WholeNumber(parser.value(option)) : fallback;
    };
    const qint64 n = number(variants, settings_.variants);
    const qint64 p = number(points, settings_.points);
    const qint64 c = number(code, -2);
    if (n < 0 || n > 1000) {
        mistake_ = tr("Броят на вариантите трябва да е цяло число от %1 до %2.")
                       .arg(classset::ClassSettings::kMinVariants)
                       .arg(classset::ClassSettings::kMaxVariants);
    } else if (p < 0 || p > 1000) {
        mistake_ = tr("Броят на точките във вариант трябва да е цяло число от %1 до %2.")
                       .arg(classset::ClassSettings::kMinPoints)
                       .arg(classset::ClassSettings::kMaxPoints);
    } else if (c == -1) {
        mistake_ =
            tr("Кодът трябва да е цяло число от 0 до %1.").arg(classset::ClassSettings::kMaxCode);
    }
    if (!mistake_.isEmpty()) return;
    settings_.variants = static_cast<int>(n);
    settings_.points = static_cast<int>(p);
    // without a code, one from the clock's nanoseconds; the line written names it
    settings_.code = c >= 0 ? static_cast<std::uint64_t>(c)
                            : static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) %
                                  (classset::ClassSettings::kMaxCode + 1);
    if (parser.isSet(kinds)) {
        const auto mask = classset::ParseKindList(parser.value(kinds).toStdString());
        if (!mask) {
            mistake_ =
                tr("Видовете се пишат с номерата на редовете си от 1 до 7, разделени със запетаи, "
                   "например 1,2,6.");
            return;
        }
        settings_.kinds = *mask;
    }
    if (const auto refusal = classset::Refusal(settings_))
        mistake_ = QString::fromStdString(*refusal);
}

QString ClassSetCommand::SharedAnswers(int answers, int variants) {
    return tr("С тези настройки вариантите имат само %1 различни отговора за %2 варианта: някои "
              "ученици ще имат еднакви отговори (в отговорите е отбелязано кои).")
        .arg(answers)
        .arg(variants);
}

int ClassSetCommand::Answer(QIODevice& out, QIODevice& err, const Sheets& sheets) const {
    if (!mistake_.isEmpty()) {
        WriteLine(err, kName + QStringLiteral(": ") + mistake_);
        return kWrongValue;
    }
    // a class set there is replaced only when asked
    if (const QStringList there = classsetfolder::SetFiles(folder_);
        !there.isEmpty() && !replace_) {
        WriteLine(err, kName + QStringLiteral(": ") +
                           tr("В папката „%1“ вече има класен комплект (файлове като „%2“). Нищо "
                              "не е записано: "
                              "изберете друга папка или добавете --replace, за да го замените.")
                               .arg(QDir::toNativeSeparators(folder_), there.first()));
        return kOccupied;
    }
    auto made = classset::ClassSetGenerator(settings_).Make();
    if (const auto* message = std::get_if<std::string>(&made)) {
        WriteLine(err, kName + QStringLiteral(": ") + QString::fromStdString(*message));
        return kWrongValue;
    }
    const auto& set = std::get<classset::ClassSet>(made);
    if (const int answers = classset::DifferentAnswers(set); answers < settings_.variants) {
        WriteLine(out, SharedAnswers(answers, settings_.variants));
    }
    const auto pdfs = sheets(set, heading_, plotting_, short_key_);
    if (!pdfs) {
        WriteLine(err,
                  kName + QStringLiteral(": ") +
                      tr("Листовете на комплекта не можаха да се съставят; нищо не е записано."));
        return kNotWritten;
    }
    if (const QString failed = classsetfolder::Write(set, folder_, *pdfs); !failed.isEmpty()) {
        WriteLine(err, kName + QStringLiteral(": ") + failed);
        return kNotWritten;
    }
    //: the files' names stay as they are: the class set's files are named so
    const QString folder = QDir::toNativeSeparators(folder_);
    //: the files' names stay as they are: the class set's files are named so
    WriteLine(out, settings_.variants == 1
                       ? tr("Записан е 1 вариант с %1 точки (код %2), работни-листове.pdf, "
                            "отговори.pdf и отговори.csv в папката „%3“.")
                             .arg(settings_.points)
                             .arg(settings_.code)
                             .arg(folder)
                       : tr("Записани са %1 варианта с по %2 точки (код %3), "
                            "работни-листове.pdf, отговори.pdf и отговори.csv в папката „%4“.")
                             .arg(settings_.variants)
                             .arg(settings_.points)
                             .arg(settings_.code)
                             .arg(folder));
    return kSuccess;
}

int ClassSetCommand::Answer(const Sheets& sheets) const {
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    QFile out, err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return Answer(out, err, sheets);
}

}  // namespace plane_figures::workspace
