// The class set on the command line, run as the real program: what it
// writes, its statuses, and that a refused or failed run leaves nothing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "classsetfiles.h"
#include "figureanalysis.h"
#include "figurekinds.h"
#include "kindnames.h"
#include "pointfile.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run Program(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PLANE_FIGURES_BINARY), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// what a poppler tool writes to standard output
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// each page's text of pdf, read back
QStringList PageTexts(const QString& pdf) {
    return Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
        .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

int PageCount(const QString& pdf) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString Kind(int k) {
    return QString::fromUtf8(plane_figures::kKindNames[static_cast<std::size_t>(k)]);
}

void NeedPoppler() {
    for (const char* tool : {"pdftotext", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL("poppler-utils are missing");
    }
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ClassSetCliTest : public QObject {
    Q_OBJECT

private slots:
    void WritesTheSetAndTheSameAgain() {
        QTemporaryDir scratch;
        const QStringList args{QStringLiteral("--variants"), QStringLiteral("30"),
                               QStringLiteral("--points"),   QStringLiteral("12"),
                               QStringLiteral("--code"),     QStringLiteral("20261209")};
        const QString a = scratch.filePath(QStringLiteral("a"));
        const QString b = scratch.filePath(QStringLiteral("b"));
        const Run first = Program(QStringList{QStringLiteral("--class-set"), a} + args);
        QCOMPARE(first.status, 0);
        QCOMPARE(first.out.count(QLatin1Char('\n')), 1);
        QVERIFY(first.out.contains(QStringLiteral("30 варианта")));
        QCOMPARE(Program(QStringList{QStringLiteral("--class-set"), b} + args).status, 0);
        const QStringList names = QDir(a).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 33);  // no scratch folder or file left
        QCOMPARE(QDir(a).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 33);
        QVERIFY(first.out.contains(QStringLiteral("работни-листове.pdf, отговори.pdf")));
        // each variant's counts in the CSV are the analysis of its file
        const QList<QByteArray> rows =
            Bytes(QDir(a).filePath(QStringLiteral("отговори.csv"))).split('\n');
        for (int v = 1; v <= 30; ++v) {
            const QString name =
                QString::fromStdString(plane_figures::classset::VariantFileName(v));
            const QByteArray bytes = Bytes(QDir(a).filePath(name));
            QCOMPARE(bytes, Bytes(QDir(b).filePath(name)));
            const auto parsed = plane_figures::pointfile::Parse(bytes.toStdString());
            const auto& points = std::get<std::vector<plane_figures::GridPoint>>(parsed);
            const auto result = plane_figures::FigureAnalysis().Run(points);
            QByteArray row = QByteArray::number(v);
            for (int k = 0; k < 7; ++k) row += ';' + QByteArray::number(result.counts[k]);
            QCOMPARE(rows.value(v), row + ";\r");  // and no variant of the same answer
        }
        QCOMPARE(Bytes(QDir(a).filePath(QStringLiteral("отговори.csv"))),
                 Bytes(QDir(b).filePath(QStringLiteral("отговори.csv"))));
    }

    // The worksheets, a variant a page (or more), each headed with its
    // variant, code and heading line; the key's table and every variant's
    // report; drawn points or, for plotting, only their table.
    void WritesTheSheets_data() {
        QTest::addColumn<bool>("plotting");
        QTest::newRow("drawn") << false;
        QTest::newRow("plotting") << true;
    }
    void WritesTheSheets() {
        QFETCH(bool, plotting);
        for (const char* tool : {"pdftotext", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QFAIL("poppler-utils are missing");
        }
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("6a"));
        QStringList args{QStringLiteral("--class-set"), folder,
                         QStringLiteral("--variants"),  QStringLiteral("12"),
                         QStringLiteral("--code"),      QStringLiteral("48213"),
                         QStringLiteral("--heading"),   QStringLiteral("6 а клас, 12.12.2026")};
        if (plotting) args << QStringLiteral("--plotting");
        QCOMPARE(Program(args).status, 0);
        const QStringList sheets =
            PageTexts(QDir(folder).filePath(QStringLiteral("работни-листове.pdf")));
        QCOMPARE(sheets.size(), 12);
        for (int v = 1; v <= 12; ++v) {
            const QString& page = sheets[v - 1];
            QVERIFY2(page.contains(QStringLiteral("Вариант %1 от 12, код 48213").arg(v)),
                     qPrintable(page));
            QVERIFY(page.contains(QStringLiteral("6 а клас, 12.12.2026")));
            QCOMPARE(page.contains(QStringLiteral("Нанесете точките")), plotting);
            // the point table holds every point of the variant's file
            const auto parsed = plane_figures::pointfile::Parse(
                Bytes(QDir(folder).filePath(
                          QString::fromStdString(plane_figures::classset::VariantFileName(v))))
                    .toStdString());
            const auto& points = std::get<std::vector<plane_figures::GridPoint>>(parsed);
            QVERIFY(page.contains(QString::number(points.back().x)));
        }
        const QString key =
            PageTexts(QDir(folder).filePath(QStringLiteral("отговори.pdf"))).join(QChar(' '));
        QVERIFY(key.contains(QStringLiteral("12 варианта по 10 точки, код 48213")));
        for (int v = 1; v <= 12; ++v)
            QVERIFY(key.contains(QStringLiteral("Вариант %1. Брой въведени точки: 10").arg(v)));
    }

    // --kinds: the worksheets ask for those kinds alone, the key's table and
    // reports give them alone, and the CSV keeps its seven columns with the
    // others empty.
    void OnlyTheKindsAsked_data() {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<bool>("plotting");
        QTest::newRow("1,2,6") << "1,2,6" << false;
        QTest::newRow("1,2,6 plotting") << "1,2,6" << true;
        QTest::newRow("4,7") << "4,7" << false;
        QTest::newRow("3,5") << "3,5" << false;
    }
    void OnlyTheKindsAsked() {
        QFETCH(QString, kinds);
        QFETCH(bool, plotting);
        NeedPoppler();
        unsigned asked = 0;
        for (const QString& row : kinds.split(',')) asked |= 1u << (row.toInt() - 1);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("6b"));
        QStringList args{QStringLiteral("--class-set"), folder,
                         QStringLiteral("--variants"),  QStringLiteral("6"),
                         QStringLiteral("--kinds"),     kinds,
                         QStringLiteral("--code"),      QStringLiteral("48213")};
        if (plotting) args << QStringLiteral("--plotting");
        const Run run = Program(args);
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QStringList sheets =
            PageTexts(QDir(folder).filePath(QStringLiteral("работни-листове.pdf")));
        QCOMPARE(sheets.size(), 6);
        for (const QString& page : sheets) {
            const QString words = page.simplified();
            for (int k = 0; k < 7; ++k) {
                if (asked >> k & 1u) QVERIFY2(words.contains(Kind(k)), qPrintable(words));
            }
            QVERIFY2(kindnames::NamedOutside(page, asked).isEmpty(), qPrintable(words));
            QVERIFY(words.contains(QStringLiteral("Броят се само видовете от таблицата")));
        }
        // the key: the kinds asked in the table, their figures alone in the reports
        const QString key =
            PageTexts(QDir(folder).filePath(QStringLiteral("отговори.pdf"))).join(QChar(' '));
        QString key_words = key.simplified();
        // a kind not asked is named neither in the table nor by a report line
        // ("Равнобедрен 1,2,3"); the isosceles right triangles' names, which
        // hold the other two triangles', are taken out first where asked
        if (asked >> 2 & 1u) {
            QVERIFY(key_words.contains(Kind(2)));
            key_words.remove(Kind(2));
            key_words.remove(QString::fromUtf8(plane_figures::kReportLabels[2]).trimmed());
        }
        for (int k = 0; k < 7; ++k) {
            const QString label =
                QString::fromUtf8(plane_figures::kReportLabels[static_cast<std::size_t>(k)])
                    .simplified();
            const bool line = QRegularExpression(QRegularExpression::escape(label) +
                                                 QStringLiteral(" ?\\d+,\\d+,\\d+"))
                                  .match(key_words)
                                  .hasMatch();
            if (k != 2 || !(asked >> 2 & 1u))
                QCOMPARE(key_words.contains(Kind(k)), bool(asked >> k & 1u));
            if (!(asked >> k & 1u)) QVERIFY2(!line, qPrintable(label));
        }
        // the CSV: the seven columns and the shared answer's, each variant's
        // counts of the kinds asked
        const QList<QByteArray> rows =
            Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv"))).split('\n');
        QCOMPARE(rows.value(0).count(';'), 8);
        for (int v = 1; v <= 6; ++v) {
            const auto parsed = plane_figures::pointfile::Parse(
                Bytes(QDir(folder).filePath(
                          QString::fromStdString(plane_figures::classset::VariantFileName(v))))
                    .toStdString());
            const auto result = plane_figures::FigureAnalysis().Run(
                std::get<std::vector<plane_figures::GridPoint>>(parsed));
            QByteArray row = QByteArray::number(v);
            for (int k = 0; k < 7; ++k)
                row += ';' + (asked >> k & 1u ? QByteArray::number(result.counts[k]) : "");
            QVERIFY2(rows.value(v).startsWith(row + ';'), rows.value(v).constData());
        }
    }

    // --short-key: the key's table of counts alone, on far fewer pages.
    void ShortKeyIsTheTableAlone() {
        NeedPoppler();
        QTemporaryDir scratch;
        const QStringList args{QStringLiteral("--variants"), QStringLiteral("40"),
                               QStringLiteral("--points"),   QStringLiteral("15"),
                               QStringLiteral("--code"),     QStringLiteral("20261209")};
        const QString full = scratch.filePath(QStringLiteral("full"));
        const QString short_key = scratch.filePath(QStringLiteral("short"));
        QCOMPARE(Program(QStringList{QStringLiteral("--class-set"), full} + args).status, 0);
        QCOMPARE(Program(QStringList{QStringLiteral("--class-set"), short_key,
                                     QStringLiteral("--short-key")} +
                         args)
                     .status,
                 0);
        const QString full_pdf = QDir(full).filePath(QStringLiteral("отговори.pdf"));
        const QString short_pdf = QDir(short_key).filePath(QStringLiteral("отговори.pdf"));
        const int full_pages = PageCount(full_pdf);
        const int short_pages = PageCount(short_pdf);
        QVERIFY2(short_pages >= 1 && short_pages <= 2, qPrintable(QString::number(short_pages)));
        QVERIFY2(full_pages >= 20 * short_pages, qPrintable(QString::number(full_pages)));
        // the table whole: every variant's counts, and no report
        const QString text = PageTexts(short_pdf).join(QChar(' ')).simplified();
        QVERIFY(text.contains(QStringLiteral("40 варианта по 15 точки, код 20261209")));
        for (int k = 0; k < 7; ++k) QVERIFY(text.contains(Kind(k)));
        QVERIFY(!text.contains(QStringLiteral("Брой въведени точки")));
        const QList<QByteArray> rows =
            Bytes(QDir(short_key).filePath(QStringLiteral("отговори.csv"))).split('\n');
        for (int v = 1; v <= 40; ++v) {
            for (const QByteArray& count : rows.value(v).trimmed().split(';').mid(1))
                QVERIFY(text.contains(QString::fromLatin1(count)));
        }
        // the rest of the set is as without it
        QCOMPARE(Bytes(QDir(short_key).filePath(QStringLiteral("отговори.csv"))),
                 Bytes(QDir(full).filePath(QStringLiteral("отговори.csv"))));
    }

    // --help names the class set, the class's results and the teacher's
    // window, one line each.
    void HelpNamesTheTeachersOptions() {
        const Run run = Program({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        for (const QString& option :
             {QStringLiteral("--class-set"), QStringLiteral("--class-results"),
              QStringLiteral("--teacher")}) {
            const QStringList with = lines.filter(
                QRegularExpression(QStringLiteral("^\\s+") + QRegularExpression::escape(option) +
                                   QStringLiteral("\\b")));
            QVERIFY2(with.size() == 1, qPrintable(option + QLatin1Char('\n') + run.out));
            const qsizetype at = lines.indexOf(with.first());
            // its description on its line, none run onto the next
            QVERIFY2(with.first().trimmed().size() > option.size() + 12, qPrintable(with.first()));
            const QString next = lines.value(at + 1).trimmed();
            QVERIFY2(next.isEmpty() || next.startsWith(QLatin1Char('-')),
                     qPrintable(with.first() + QLatin1Char('\n') + lines.value(at + 1)));
            QVERIFY(with.first().size() <= 80);
        }
    }

    void RefusesAndWritesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("points") << QStringList{"--points", "3"} << 1 << "от 4 до 15";
        QTest::newRow("variants") << QStringList{"--variants", "41"} << 1 << "от 1 до 40";
        QTest::newRow("not_a_number") << QStringList{"--variants", "2x"} << 1 << "от 1 до 40";
        QTest::newRow("code") << QStringList{"--code", "-5"} << 1 << "Кодът";
        QTest::newRow("kinds") << QStringList{"--kinds", "1,9"} << 1 << "от 1 до 7";
        QTest::newRow("too_few_points") << QStringList{"--points", "6"} << 1 << "„Ромб“";
        QTest::newRow("unknown") << QStringList{"--colour"} << 1 << "--colour";
    }
    void RefusesAndWritesNothing() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("class"));
        const Run run = Program(QStringList{QStringLiteral("--class-set"), folder} + args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFileInfo::exists(folder));
    }

    // A folder with a class set is refused without --replace and left as it
    // was; with it, the new set leaves none of the old set's files (a
    // smaller one over a larger), and the teacher's other files stay.
    void ReplacesASetOnlyWhenAsked() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("6a"));
        const auto make = [&](const QString& variants, bool replace) {
            QStringList args{QStringLiteral("--class-set"), folder,
                             QStringLiteral("--variants"),  variants,
                             QStringLiteral("--points"),    QStringLiteral("8"),
                             QStringLiteral("--code"),      QStringLiteral("48213")};
            if (replace) args << QStringLiteral("--replace");
            return Program(args);
        };
        QCOMPARE(make(QStringLiteral("12"), false).status, 0);
        QFile notes(QDir(folder).filePath(QStringLiteral("бележки.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("6 а клас\n");
        notes.close();
        const QStringList before = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(before.size(), 16);
        const QByteArray key = Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv")));

        const Run refused = make(QStringLiteral("5"), false);
        QCOMPARE(refused.status, 4);
        QVERIFY2(refused.err.contains(QStringLiteral("вече има класен комплект")) &&
                     refused.err.contains(QStringLiteral("--replace")),
                 qPrintable(refused.err));
        QVERIFY(refused.out.isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 before);
        QCOMPARE(Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv"))), key);

        const Run replaced = make(QStringLiteral("5"), true);
        QCOMPARE(replaced.status, 0);
        QStringList after{QStringLiteral("бележки.txt"), QStringLiteral("отговори.csv"),
                          QStringLiteral("отговори.pdf"), QStringLiteral("работни-листове.pdf")};
        for (int v = 1; v <= 5; ++v)
            after << QString::fromStdString(plane_figures::classset::VariantFileName(v));
        after.sort();
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 after);
        QVERIFY(Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv"))) != key);
        QCOMPARE(Bytes(QDir(folder).filePath(QStringLiteral("бележки.txt"))),
                 QByteArray("6 а клас\n"));
        // a folder with only one file a set writes is a set's folder too
        const QString other = scratch.filePath(QStringLiteral("6b"));
        QVERIFY(QDir().mkpath(other));
        QFile(QDir(other).filePath(QStringLiteral("вариант-03.pfig"))).open(QIODevice::WriteOnly);
        QCOMPARE(Program({QStringLiteral("--class-set"), other, QStringLiteral("--variants"),
                          QStringLiteral("2")})
                     .status,
                 4);
        QCOMPARE(QDir(other).entryList(QDir::Files).size(), 1);
    }

    // Settings that give fewer different answers than variants: the number
    // is said before the line of what was written, and is the number of
    // different answers in the key, which marks the others.
    void SaysHowManyDifferentAnswers() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("few"));
        const Run run =
            Program({QStringLiteral("--class-set"), folder, QStringLiteral("--variants"),
                     QStringLiteral("40"), QStringLiteral("--points"), QStringLiteral("5"),
                     QStringLiteral("--kinds"), QStringLiteral("1"), QStringLiteral("--code"),
                     QStringLiteral("7")});
        QCOMPARE(run.status, 0);
        const QRegularExpression said(
            QStringLiteral("само (\\d+) различни отговора за 40 варианта"));
        const QRegularExpressionMatch match = said.match(run.out);
        QVERIFY2(match.hasMatch(), qPrintable(run.out));
        QCOMPARE(run.out.count(QLatin1Char('\n')), 2);
        const QList<QByteArray> rows =
            Bytes(QDir(folder).filePath(QStringLiteral("отговори.csv"))).split('\n').mid(1, 40);
        QSet<QByteArray> answers;
        int marked = 0;
        for (const QByteArray& row : rows) {
            const QList<QByteArray> fields = row.trimmed().split(';');
            QCOMPARE(fields.size(), 9);
            answers.insert(fields.mid(1, 7).join(';'));
            if (!fields.last().isEmpty()) ++marked;
        }
        QCOMPARE(answers.size(), match.captured(1).toInt());
        QCOMPARE(marked, 40 - answers.size());
        QVERIFY(PageTexts(QDir(folder).filePath(QStringLiteral("отговори.pdf")))
                    .join(QChar(' '))
                    .contains(QStringLiteral("има същия отговор като вариант")));
    }

    void AFolderThatCannotBeWrittenIsStatusTwo() {
        QTemporaryDir scratch;
        const QString file = scratch.filePath(QStringLiteral("a-file"));
        QFile(file).open(QIODevice::WriteOnly);
        const Run run = Program({QStringLiteral("--class-set"), file + QStringLiteral("/class"),
                                 QStringLiteral("--variants"), QStringLiteral("3")});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("Комплектът не е записан")));
        QCOMPARE(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    }
};

QTEST_GUILESS_MAIN(ClassSetCliTest)
#include "tst_classsetcli.moc"
