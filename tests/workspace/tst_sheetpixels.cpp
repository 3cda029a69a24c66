// The sheets' pages as pixels (rendered back with pdftoppm): the canvas drawn
// at the page's resolution with its grid where the canvas has it, smooth
// outlines, every point black and numbered clear of the rest; the same
// margins printed and exported; and the sheets the window writes of 15 points.
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "figureanalysis.h"
#include "formtest.h"
#include "sheetcanvas.h"
#include "sheettest.h"

using namespace sheettest;

class TestSheetPixels : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void canvasIsDrawn_data();
    void canvasIsDrawn();
    void marginsAreTheSamePrintedAndExported();
    void numbersStandClear_data();
    void numbersStandClear();
    void latticeFromTheWindow();

private:
    QTemporaryDir dir_;
};

namespace {

constexpr int kDpi = 200;

// the points as the analysis takes them, and the outlines "Чертай" draws
SheetContent Analysed(const QList<QPoint>& points) {
    SheetContent content;
    content.canvas_size = QSize(263, 229);
    content.ruling = {20, 263, 229};
    content.points = points;
    std::vector<plane_figures::GridPoint> nodes;
    for (const QPoint& p : points) nodes.push_back({p.x(), p.y()});
    for (const plane_figures::Figure& f : plane_figures::FigureAnalysis().Run(nodes).figures) {
        if (f.IsTriangle()) continue;
        drawing::Outline outline{{}, Qt::gray};
        for (const int v : f.outline) outline.vertices << points[v];
        content.outlines << outline;
    }
    return content;
}

QList<QPoint> Lattice(QPoint corner) {
    QList<QPoint> points;
    for (int i = 0; i < 15; ++i) points << corner + QPoint(i % 5 * 20, i / 5 * 20);
    return points;
}

}  // namespace

void TestSheetPixels::initTestCase() {
    REQUIRE_POPPLER();
    QVERIFY(dir_.isValid());
}

void TestSheetPixels::canvasIsDrawn_data() {
    QTest::addColumn<bool>("answers");
    QTest::newRow("answer sheet") << true;
    QTest::newRow("worksheet") << false;
}

// The grid's 14 × 12 lines 20 canvas pixels apart, the same both ways, each
// point's dot on its node; no light green anywhere; on the answer sheet the
// diamond's side a straight line, not the steps of an enlarged picture, and
// on the worksheet no outline at all.
void TestSheetPixels::canvasIsDrawn() {
    QFETCH(bool, answers);
    const QString pdf = dir_.filePath("canvas.pdf");
    const auto sheet = answers ? Worksheet::Sheet::kAnswerSheet : Worksheet::Sheet::kWorksheet;
    QCOMPARE(Worksheet(Content(), sheet).Export(pdf), QString());
    const QImage page = Rendered(pdf, 1, kDpi);
    QVERIFY(!page.isNull());
    // the vertical lines: every one found on a line of the grid, the first and the last among them
    const QList<double> dashed = DashedColumns(page);
    QVERIFY2(dashed.size() >= 10, qPrintable(QString::number(dashed.size())));
    const double step = (dashed.last() - dashed.first()) / 13;  // page pixels for 20 canvas pixels
    QVERIFY2(step > 20, qPrintable(QString::number(step)));
    QList<double> xs;
    for (int i = 0; i < 14; ++i) xs << dashed.first() + i * step;
    for (const double x : dashed) {
        const double k = (x - xs[0]) / step;
        QVERIFY2(std::abs(k - std::round(k)) * step < 1.5, qPrintable(QString::number(x)));
    }
    // the horizontal ones: 12, the same step apart, and nothing else ruled between
    const QList<double> rows =
        RuledRows(page, qRound(xs.first()), qRound(xs.last()), qRound(step * 3 / 20));
    QVERIFY(!rows.isEmpty());
    QList<double> ys;
    for (const double y : rows) {
        const double k = (y - rows.first()) / step;
        if (std::abs(k - std::round(k)) * step < 1.5 && k < 11.5) ys << y;
    }
    QCOMPARE(ys.size(), 12);
    QCOMPARE(ys.last(), rows.last());
    const auto at = [&](QPoint p) {  // a canvas node's page pixel
        return QPoint(qRound(xs[p.x() / 20]), qRound(ys[p.y() / 20]));
    };
    for (const QPoint& p : kPoints) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) QVERIFY(Dark(page.pixel(at(p) + QPoint(dx, dy))));
    }
    QCOMPARE(Count(page, Greenish), 0);
    if (!answers) {
        QCOMPARE(Count(page, Bluish), 0);
        return;
    }
    // the side from (140, 60) to (180, 100), away from its dots: per row the
    // middle of its blue, which must keep to one straight line
    const QPoint from = at(kPoints[4]), to = at(kPoints[5]);
    QList<QPointF> middles;
    for (int y = from.y() + (to.y() - from.y()) / 5; y < to.y() - (to.y() - from.y()) / 5; ++y) {
        const int expected = from.x() + (y - from.y()) * (to.x() - from.x()) / (to.y() - from.y());
        QList<int> blue;
        for (int x = expected - int(step / 4); x <= expected + int(step / 4); ++x)
            if (Bluish(page.pixel(x, y))) blue << x;
        QVERIFY2(!blue.isEmpty(), qPrintable(QString("no outline in row %1").arg(y)));
        middles << QPointF((blue.first() + blue.last()) / 2.0, y);
    }
    double worst = 0;
    for (const QPointF& m : middles) {
        const double line =
            from.x() + (m.y() - from.y()) * (to.x() - from.x()) / (to.y() - from.y());
        worst = std::max(worst, std::abs(m.x() - line));
    }
    // an enlarged picture steps a whole canvas pixel (step / 20) at a time
    QVERIFY2(worst < std::max(1.5, step / 20 / 3), qPrintable(QString::number(worst)));
}

// A printer that came with narrow margins prints with the export's.
void TestSheetPixels::marginsAreTheSamePrintedAndExported() {
    const Worksheet sheet(Content(), Worksheet::Sheet::kAnswerSheet);
    const QString exported = dir_.filePath("exported.pdf");
    QCOMPARE(sheet.Export(exported), QString());
    const QString printed = dir_.filePath("printed.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageSize(Worksheet::DefaultPageSize());
        printer.setPageMargins(QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
        QVERIFY(sheet.Paint(printer));
    }
    const QPoint a = InkTopLeft(Rendered(exported, 1, 100));
    const QPoint b = InkTopLeft(Rendered(printed, 1, 100));
    QVERIFY2(
        (a - b).manhattanLength() <= 2,
        qPrintable(QString("%1,%2 against %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())));
    QVERIFY2(std::abs(a.x() - 15 * 100 / 25.4) < 3, qPrintable(QString::number(a.x())));
}

void TestSheetPixels::numbersStandClear_data() {
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<bool>("off_the_outlines");  // room enough to keep off every outline
    QTest::newRow("seven points") << QList<QPoint>{{20, 20}, {60, 20},  {100, 20}, {20, 60},
                                                   {60, 60}, {100, 60}, {180, 140}}
                                  << true;
    QTest::newRow("lattice at the corner") << Lattice({0, 0}) << false;
    QTest::newRow("lattice at the far corner") << Lattice({180, 180}) << false;
}

// Each number within the canvas, clear of the other numbers and of every dot.
void TestSheetPixels::numbersStandClear() {
    QFETCH(QList<QPoint>, points);
    QFETCH(bool, off_the_outlines);
    const SheetContent content = Analysed(points);
    QList<QSize> sizes;
    for (qsizetype p = 0; p < points.size(); ++p) sizes << QSize(p < 10 ? 3 : 6, 6);
    QList<QRectF> places;  // the whole pixels' boxes, their edges where the pixels end
    for (const QRect& place : sheetcanvas::NumberPlaces(content, sizes)) places << place;
    QCOMPARE(places.size(), points.size());
    const QRectF canvas(0, 0, 263, 229);
    for (qsizetype p = 0; p < places.size(); ++p) {
        QVERIFY(canvas.contains(places[p]));
        QCOMPARE(places[p].size(), QSizeF(sizes[p]));
        for (qsizetype q = 0; q < places.size(); ++q) {
            QVERIFY2(q == p || !places[p].intersects(places[q]),
                     qPrintable(QString("%1 %2").arg(p).arg(q)));
            const QPointF dot = QPointF(points[q]) + QPointF(0.5, 0.5);
            const double dx =
                std::max({places[p].left() - dot.x(), 0.0, dot.x() - places[p].right()});
            const double dy =
                std::max({places[p].top() - dot.y(), 0.0, dot.y() - places[p].bottom()});
            QVERIFY2(std::hypot(dx, dy) >= 2.5,
                     qPrintable(QString("number %1 on dot %2").arg(p).arg(q)));
        }
        if (!off_the_outlines) continue;
        for (const drawing::Outline& outline : content.outlines) {
            for (qsizetype v = 0; v < 4; ++v) {
                const QLineF side(QPointF(outline.vertices[v]) + QPointF(0.5, 0.5),
                                  QPointF(outline.vertices[(v + 1) % 4]) + QPointF(0.5, 0.5));
                for (int t = 0; t <= 100; ++t)  // the side's centre line, point by point
                    QVERIFY2(!places[p].contains(side.pointAt(t / 100.0)),
                             qPrintable(QString("number %1 on an outline").arg(p)));
            }
        }
    }
}

// 15 points in a 3 × 5 lattice from the window, a point chosen: the answer
// sheet has all 318 report lines in order, in columns, on numbered pages,
// the kinds in full and no light green; the worksheet none of the report;
// each export dialog names its sheet.
void TestSheetPixels::latticeFromTheWindow() {
    formtest::PromptedWindow window;
    const QString points = dir_.filePath("lattice.pfig");
    QFile file(points);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QPoint& p : Lattice({0, 0}))
        file.write(QString("%1 %2\n").arg(p.x()).arg(p.y()).toUtf8());
    file.close();
    QVERIFY(window.form.OpenFile(points));
    formtest::ClickButton(window.form, 0);
    formtest::ClickRow(formtest::List1(window.form, 3), 2);
    const auto result = window.form.Model().Result();
    QVERIFY(result && result->LineCount() == 319);
    window.file_to_export = dir_.filePath("answers.pdf");
    QTest::keyClick(&window.form, Qt::Key_E, Qt::ControlModifier);
    const QString answers = window.file_to_export;
    window.file_to_export = dir_.filePath("worksheet.pdf");
    QTest::keyClick(&window.form, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(window.told.isEmpty(), qPrintable(window.told.join('\n')));
    QCOMPARE(window.export_titles,
             QStringList({"Запиши листа с отговорите", "Запиши работния лист"}));
    const int pages = Pages(answers);
    QVERIFY2(pages >= 3 && pages <= 5, qPrintable(QString::number(pages)));  // 7 in one column
    const QString text = Poppler("pdftotext", {answers, "-"});
    qsizetype at = 0;
    for (int line = 0; line < result->LineCount(); ++line) {
        const QString expected = QString::fromStdString(result->ReportLine(line));
        at = text.indexOf(expected + '\n', at);
        QVERIFY2(at >= 0, qPrintable(expected + " missing or out of order"));
    }
    for (int page = 1; page <= pages; ++page)
        QVERIFY(text.contains(QString("стр. %1 от %2").arg(page).arg(pages)));
    for (const QString& kind : SheetKindNames()) QVERIFY2(text.contains(kind), qPrintable(kind));
    QVERIFY(!text.contains("http") && !text.contains("тр.\n"));
    QCOMPARE(Count(Rendered(answers, 1, 100), Greenish), 0);
    const QString worksheet = Poppler("pdftotext", {window.file_to_export, "-"});
    QVERIFY(worksheet.contains("Работен лист") && !worksheet.contains("Брой въведени"));
}

PLANE_FIGURES_TEST_MAIN(TestSheetPixels)
#include "tst_sheetpixels.moc"
