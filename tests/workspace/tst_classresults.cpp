// The class's results in the teacher's window: a folder read into the table,
// right and wrong in colour and in words, each row's file, sorted by a
// header's click and opened with a double-click, what was not read, the CSV
// saved as the command line prints it, the PDF's numbered pages, and a
// folder that cannot be read.
#include <QDir>
#include <QFile>
#include <QHeaderView>
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
std::string Answered(int variant, const std::string& name, int wrong_kind, bool shown = false,
                     int checks = 2) {
    const auto& points = Set().variants.at(static_cast<std::size_t>(variant - 1)).points;
    const AnalysisResult result = FigureAnalysis().Run(points);
    task::Answer answer;
    for (int k = 0; k < 7; ++k) answer[k] = result.counts[k] + (k == wrong_kind ? 1 : 0);
    return task::FileText({{variant, kSettings}, task::PupilLines{name, answer, checks, 1, shown}},
                          points);
}

// a class in folder: two pupils (the first saw the answers), the set's own
// variant, a foreign file
void WriteClass(const QString& folder) {
    Write(QDir(folder).filePath(QStringLiteral("1-ana.pfig")), Answered(1, "=Ана; 6 а", -1, true));
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
        QCOMPARE(table.columnCount(), 14);  // the printed table's and the files'
        const auto text = [&](int r, int c) { return table.item(r, c)->text(); };
        // the name as written, not as guarded for a spreadsheet
        QCOMPARE(text(0, 0), QStringLiteral("=Ана; 6 а"));
        QCOMPARE(text(1, 0), QStringLiteral("Борис"));
        QCOMPARE(text(2, 0), QStringLiteral("3-variant.pfig"));
        QCOMPARE(text(3, 0), QStringLiteral("4-foreign.pfig"));
        QCOMPARE(text(3, 13), QStringLiteral("не е файл с точки"));
        const QColor green = table.item(0, 3)->background().color();
        const QColor red = table.item(1, 8)->background().color();
        QVERIFY(green.green() > green.red() && red.red() > red.green());
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(text(0, 3 + k), QStringLiteral("вярно"));
            QCOMPARE(table.item(0, 3 + k)->background().color(), green);
            // Борис is wrong in the square alone; the set's own variant in all
            QCOMPARE(text(1, 3 + k), k == 5 ? QStringLiteral("грешно") : QStringLiteral("вярно"));
            QCOMPARE(table.item(1, 3 + k)->background().color(), k == 5 ? red : green);
            QCOMPARE(text(2, 3 + k), QStringLiteral("грешно"));
            QCOMPARE(text(3, 3 + k), QString());
            QCOMPARE(table.item(3, 3 + k)->background().style(), Qt::NoBrush);
            // Борис alone of three right, in the square none: Ана saw the answers
            QCOMPARE(text(4, 3 + k), k == 5 ? QStringLiteral("0%") : QStringLiteral("33%"));
        }
        QCOMPARE(text(0, 10), QStringLiteral("2"));
        QCOMPARE(text(0, 12), QStringLiteral("да"));
        QCOMPARE(text(4, 0), QStringLiteral("Общо"));
        // every row's file in a column of its own beside the name, named or not
        QCOMPARE(table.horizontalHeaderItem(1)->text(), QStringLiteral("Файл"));
        const QStringList files{"1-ana.pfig", "2-boris.pfig", "3-variant.pfig", "4-foreign.pfig",
                                ""};
        for (int r = 0; r < 5; ++r) QCOMPARE(text(r, 1), files[r]);
        QVERIFY(view.NotRead()->isHidden());
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
        // the set the files are of, under the heading
        QVERIFY2(
            pages[0].contains(QStringLiteral("Комплект от 3 варианта, код 917, по 8 точки, видове "
                                             "1,2,3,4,5,6,7")),
            qPrintable(pages[0]));
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY(pages[p].contains(QStringLiteral("Ученик")));
            QVERIFY2(
                pages[p].contains(QStringLiteral("Страница %1 от %2").arg(p + 1).arg(pages.size())),
                qPrintable(pages[p]));
        }
        const QString all = pages.join(QString());
        for (int p = 10; p < 50; ++p)
            QVERIFY2(all.contains(QStringLiteral("Ученик %1").arg(p)), qPrintable(all));
        QVERIFY(pages.last().contains(QStringLiteral("Общо")));
        QVERIFY(all.contains(QStringLiteral("грешно")));
    }

    // A header's click sorts by its column, up and then down; the shares
    // stay last.
    void SortsByAHeaderClick_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("up");    // the files, sorted up
        QTest::addColumn<QStringList>("down");  // clicked again
        QTest::newRow("name") << 0 << QStringList{"p10.pfig", "p9.pfig", "p-ivo.pfig", "p-ana.pfig"}
                              << QStringList{"p-ana.pfig", "p-ivo.pfig", "p9.pfig", "p10.pfig"};
        // equal values keep the order they had
        QTest::newRow("variant") << 2
                                 << QStringList{"p-ana.pfig", "p10.pfig", "p9.pfig", "p-ivo.pfig"}
                                 << QStringList{"p-ivo.pfig", "p10.pfig", "p9.pfig", "p-ana.pfig"};
        // as numbers: 9 before 10
        QTest::newRow("checks") << 10
                                << QStringList{"p-ivo.pfig", "p-ana.pfig", "p9.pfig", "p10.pfig"}
                                << QStringList{"p10.pfig", "p9.pfig", "p-ana.pfig", "p-ivo.pfig"};
        QTest::newRow("square") << 8
                                << QStringList{"p-ana.pfig", "p10.pfig", "p-ivo.pfig", "p9.pfig"}
                                << QStringList{"p-ivo.pfig", "p9.pfig", "p-ana.pfig", "p10.pfig"};
        QTest::newRow("file") << 1 << QStringList{"p-ana.pfig", "p-ivo.pfig", "p10.pfig", "p9.pfig"}
                              << QStringList{"p9.pfig", "p10.pfig", "p-ivo.pfig", "p-ana.pfig"};
    }
    void SortsByAHeaderClick() {
        QFETCH(int, column);
        QFETCH(QStringList, up);
        QFETCH(QStringList, down);
        QTemporaryDir scratch;
        const auto write = [&](const char* file, const std::string& bytes) {
            Write(QDir(scratch.path()).filePath(QString::fromUtf8(file)), bytes);
        };
        write("p-ana.pfig", Answered(1, "Яна", -1, false, 3));
        write("p-ivo.pfig", Answered(3, "Иво", 5, false, 1));
        write("p9.pfig", Answered(2, "Ана", 5, false, 9));
        write("p10.pfig", Answered(2, "", -1, false, 10));  // named by its file
        ClassResultsView view;
        view.resize(1200, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.Load(scratch.path()));
        QTableWidget& table = *view.Table();
        QHeaderView& header = *table.horizontalHeader();
        const auto click = [&] {
            QTest::mouseClick(
                header.viewport(), Qt::LeftButton, {},
                QPoint(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                       header.height() / 2));
        };
        const auto files = [&] {
            QStringList order;
            for (int r = 0; r < 4; ++r) order << table.item(r, 1)->text();
            return order;
        };
        click();
        QCOMPARE(files(), up);
        QCOMPARE(table.item(4, 0)->text(), QStringLiteral("Общо"));
        click();
        QCOMPARE(files(), down);
        QCOMPARE(table.item(4, 0)->text(), QStringLiteral("Общо"));
        // read again, the rows keep the teacher's order
        QVERIFY(view.Load(scratch.path()));
        QCOMPARE(files(), down);
    }

    // A double-click opens the row's file in the pupil's window, sorted or
    // not; the shares open nothing; a file that could not be opened is told.
    void OpensARowsFileWithADoubleClick() {
        QTemporaryDir scratch;
        WriteClass(scratch.path());
        ClassResultsView view;
        QStringList opened;
        bool opens = true;
        view.SetOpener([&](const QString& path) {
            opened << path;
            return opens;
        });
        view.resize(1200, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.Load(scratch.path()));
        QTableWidget& table = *view.Table();
        table.sortByColumn(ClassResultsView::kFileColumn, Qt::DescendingOrder);
        const auto double_click = [&](int row, int column) {
            const QPoint at = table.visualItemRect(table.item(row, column)).center();
            // a double-click's second press, as the window system sends it
            QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
        };
        double_click(0, 3);
        double_click(3, 0);
        double_click(4, 0);  // the shares
        QCOMPARE(opened, (QStringList{QDir(scratch.path()).filePath("4-foreign.pfig"),
                                      QDir(scratch.path()).filePath("1-ana.pfig")}));
        opens = false;
        double_click(1, 1);
        QCOMPARE(opened.last(), QDir(scratch.path()).filePath("3-variant.pfig"));
        QCOMPARE(view.Message()->text(), QStringLiteral("Файлът „%1“ не можа да се отвори.")
                                             .arg(QDir::toNativeSeparators(opened.last())));
    }

    // What the folder holds beside the .pfig files is named under the table
    // and in the CSV after the shares.
    void ListsWhatItDidNotRead() {
        QTemporaryDir scratch;
        WriteClass(scratch.path());
        Write(scratch.filePath(QStringLiteral("Ани.pfig.txt")), Answered(1, "Ани", -1));
        Write(scratch.filePath(QStringLiteral("notes.txt")), "");
        QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("снимки")));
        ClassResultsView view;
        QVERIFY(view.Load(scratch.path()));
        QCOMPARE(view.Table()->rowCount(), 5);
        QVERIFY(!view.NotRead()->isHidden());
        QCOMPARE(view.NotRead()->text(),
                 QStringLiteral("Не са прочетени: notes.txt, Ани.pfig.txt, снимки/ – четат се "
                                "само файловете .pfig."));
        const QString csv = scratch.filePath(QStringLiteral("out.csv"));
        QCOMPARE(view.SaveCsv(csv), QString());
        QVERIFY(
            Bytes(csv).endsWith("\r\nОбщо;;33%;33%;33%;33%;33%;0%;33%;;;;\r\n"
                                "notes.txt;;;;;;;;;;;;не е прочетен: не е .pfig\r\n"
                                "Ани.pfig.txt;;;;;;;;;;;;не е прочетен: не е .pfig\r\n"
                                "снимки/;;;;;;;;;;;;не е прочетена: папка\r\n"));
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
