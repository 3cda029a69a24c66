// The class's results in the teacher's window: a folder read into the table,
// right and wrong in colour and in words, the CSV saved as the command line
// prints it, the PDF's pages, and a folder that cannot be read.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <variant>

#include "classresultsview.h"
#include "classsetfiles.h"
#include "classsetgenerator.h"
#include "figureanalysis.h"
#include "handedin.h"
#include "pointfile.h"
#include "sheettest.h"
#include "teacherwindow.h"

using namespace plane_figures;
using namespace plane_figures::workspace;

namespace {

const classset::ClassSettings kSettings{3, 8, classset::kAllKinds, 917};

const classset::ClassSet& Set() {
    static const classset::ClassSet set =
        std::get<classset::ClassSet>(classset::ClassSetGenerator(kSettings).Make());
    return set;
}

void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

// variant's analysis as the pupil's answer, wrong in kind when kind >= 0
std::string Answered(int variant, const std::string& name, int wrong_kind) {
    const auto& points = Set().variants.at(static_cast<std::size_t>(variant - 1)).points;
    const AnalysisResult result = FigureAnalysis().Run(points);
    task::Answer answer;
    for (int k = 0; k < 7; ++k) answer[k] = result.counts[k] + (k == wrong_kind ? 1 : 0);
    return task::FileText({{variant, kSettings}, task::PupilLines{name, answer, 2, 1, true}},
                          points);
}

// a class in folder: two pupils, the set's own variant, a foreign file
void WriteClass(const QString& folder) {
    Write(QDir(folder).filePath(QStringLiteral("1-ana.pfig")), Answered(1, "=Ана; 6 а", -1));
    Write(QDir(folder).filePath(QStringLiteral("2-boris.pfig")), Answered(2, "Борис", 5));
    Write(QDir(folder).filePath(QStringLiteral("3-variant.pfig")),
          classset::VariantFileText(Set(), 3));
    Write(QDir(folder).filePath(QStringLiteral("4-foreign.pfig")), "some text\n");
}

}  // namespace

class ClassResultsViewTest : public QObject {
    Q_OBJECT

private slots:
    void IsTheTeachersSecondTab() {
        TeacherWindow window;
        QCOMPARE(window.Tabs()->count(), 2);
        QCOMPARE(window.Tabs()->tabText(0), QStringLiteral("Класен комплект"));
        QCOMPARE(window.Tabs()->tabText(1), QStringLiteral("Резултати на класа"));
        QCOMPARE(window.Tabs()->widget(1), window.Results());
    }

    void ShowsARowPerFileAndTheShares() {
        QTemporaryDir scratch;
        WriteClass(scratch.path());
        ClassResultsView view;
        QVERIFY(!view.CsvButton()->isEnabled());
        QVERIFY(view.Load(scratch.path()));
        const QTableWidget& table = *view.Table();
        QCOMPARE(table.rowCount(), 5);
        QCOMPARE(table.columnCount(), 13);
        const auto text = [&](int r, int c) { return table.item(r, c)->text(); };
        // the name as written, not as guarded for a spreadsheet
        QCOMPARE(text(0, 0), QStringLiteral("=Ана; 6 а"));
        QCOMPARE(text(1, 0), QStringLiteral("Борис"));
        QCOMPARE(text(2, 0), QStringLiteral("3-variant.pfig"));
        QCOMPARE(text(3, 0), QStringLiteral("4-foreign.pfig"));
        QCOMPARE(text(3, 12), QStringLiteral("не е файл с точки"));
        const QColor green = table.item(0, 2)->background().color();
        const QColor red = table.item(1, 7)->background().color();
        QVERIFY(green.green() > green.red() && red.red() > red.green());
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(text(0, 2 + k), QStringLiteral("вярно"));
            QCOMPARE(table.item(0, 2 + k)->background().color(), green);
            // Борис is wrong in the square alone; the set's own variant in all
            QCOMPARE(text(1, 2 + k), k == 5 ? QStringLiteral("грешно") : QStringLiteral("вярно"));
            QCOMPARE(table.item(1, 2 + k)->background().color(), k == 5 ? red : green);
            QCOMPARE(text(2, 2 + k), QStringLiteral("грешно"));
            QCOMPARE(text(3, 2 + k), QString());
            QCOMPARE(table.item(3, 2 + k)->background().style(), Qt::NoBrush);
            // two of three right, the square one of three
            QCOMPARE(text(4, 2 + k), k == 5 ? QStringLiteral("33%") : QStringLiteral("67%"));
        }
        QCOMPARE(text(0, 9), QStringLiteral("2"));
        QCOMPARE(text(0, 11), QStringLiteral("да"));
        QCOMPARE(text(4, 0), QStringLiteral("Общо"));
        QVERIFY(view.CsvButton()->isEnabled() && view.PdfButton()->isEnabled());
    }

    // The saved table is the command line's, byte for byte.
    void SavesTheCsvAsTheCommandLinePrintsIt() {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("class"));
        QVERIFY(QDir().mkdir(folder));
        WriteClass(folder);
        ClassResultsView view;
        QVERIFY(view.Load(folder));
        const QString csv = scratch.filePath(QStringLiteral("резултати.csv"));
        QCOMPARE(view.SaveCsv(csv), QString());
        const QByteArray printed = Output(QStringLiteral(PLANE_FIGURES_BINARY),
                                          {QStringLiteral("--class-results"), folder});
        QVERIFY(printed.startsWith("\xEF\xBB\xBFУченик;"));
        QCOMPARE(Bytes(csv), printed);
        QVERIFY(printed.contains("\r\n\"'=Ана; 6 а\";1;1;1;1;1;1;1;1;2;1;да;\r\n"));
        // a folder that cannot be written leaves nothing and says so
        const QString nowhere = scratch.filePath(QStringLiteral("missing/резултати.csv"));
        QVERIFY(view.SaveCsv(nowhere).contains(QStringLiteral("не е записан")));
    }

    // The PDF: landscape pages, the table's header on each, every pupil.
    void WritesThePdf() {
        REQUIRE_POPPLER();
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("6a"));
        QVERIFY(QDir().mkdir(folder));
        WriteClass(folder);
        for (int p = 10; p < 50; ++p) {  // a class too long for one page
            Write(QDir(folder).filePath(QStringLiteral("pupil-%1.pfig").arg(p)),
                  Answered(1 + p % 3, "Ученик " + std::to_string(p), p % 7));
        }
        ClassResultsView view;
        QVERIFY(view.Load(folder));
        const QString pdf = scratch.filePath(QStringLiteral("резултати.pdf"));
        QCOMPARE(view.SavePdf(pdf), QString());
        const QString info = QString::fromUtf8(Output(QStringLiteral("pdfinfo"), {pdf}));
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
        const QStringList pages =
            QString::fromUtf8(Output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}))
                .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(info));
        QVERIFY(pages[0].contains(QStringLiteral("Резултати на класа")));
        QVERIFY(pages[0].contains(QStringLiteral("„6a“")));
        for (const QString& page : pages) QVERIFY(page.contains(QStringLiteral("Ученик")));
        const QString all = pages.join(QString());
        for (int p = 10; p < 50; ++p)
            QVERIFY2(all.contains(QStringLiteral("Ученик %1").arg(p)), qPrintable(all));
        QVERIFY(pages.last().contains(QStringLiteral("Общо")));
        QVERIFY(all.contains(QStringLiteral("грешно")));
    }

    void SaysWhyAFolderCannotBeRead() {
        QTemporaryDir scratch;
        WriteClass(scratch.path());
        ClassResultsView view;
        QVERIFY(view.Load(scratch.path()));
        const QString missing = scratch.filePath(QStringLiteral("missing"));
        QVERIFY(!view.Load(missing));
        QCOMPARE(view.Message()->text(),
                 QStringLiteral("Папката „%1“ не може да се прочете: няма такава папка.")
                     .arg(QDir::toNativeSeparators(missing)));
        // the old class's rows go: nothing is shown or saved for the wrong folder
        QCOMPARE(view.Table()->rowCount(), 0);
        QVERIFY(!view.CsvButton()->isEnabled() && !view.PrintButton()->isEnabled());
    }
};

QTEST_MAIN(ClassResultsViewTest)
#include "tst_classresults.moc"
