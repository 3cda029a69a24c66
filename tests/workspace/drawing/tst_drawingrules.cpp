// The drawing rules that the window, its PNG and the sheets share: the grid's
// lines, which figures are outlined and how, and where a number stands beside
// its dot.
#include <QColor>
#include <QPolygon>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "numberplace.h"
#include "outline.h"
#include "ruling.h"

using namespace plane_figures;
using namespace plane_figures::workspace::drawing;

Q_DECLARE_METATYPE(Ruling)

class TestDrawingRules : public QObject {
    Q_OBJECT

private slots:
    void gridLines_data();
    void gridLines();
    void outlines_data();
    void outlines();
    void numberPlace_data();
    void numberPlace();
    void numbersStandClear_data();
    void numbersStandClear();
};

namespace {

const QSize kCanvas(263, 229);
const Ruling kRuling{20, 263, 229};

// a line along the middle of its pixels, as the sheets draw the grid
QLineF Middle(const QLine& line) {
    const QPointF across(line.dx() == 0 ? 0.5 : 0, line.dy() == 0 ? 0.5 : 0);
    return QLineF(QPointF(line.p1()) + across, QPointF(line.p2()) + across);
}

QPointF Middle(QPoint pixel) { return QPointF(pixel) + QPointF(0.5, 0.5); }

}  // namespace

void TestDrawingRules::gridLines_data() {
    QTest::addColumn<Ruling>("ruling");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<QList<QLine>>("first_and_last");  // horizontal, then vertical
    QTest::addColumn<int>("count");
    QTest::newRow("the window's canvas")
        << kRuling << kCanvas
        << QList<QLine>{{0, 0, 263, 0}, {0, 220, 263, 220}, {0, 0, 0, 229}, {260, 0, 260, 229}}
        << 12 + 14;
    // 230 / 20 = 11.5 steps round to 12, 250 / 20 = 12.5 to 12
    QTest::newRow("half a step rounds to even")
        << Ruling{20, 250, 230} << QSize(250, 230)
        << QList<QLine>{{0, 0, 250, 0}, {0, 240, 250, 240}, {0, 0, 0, 230}, {240, 0, 240, 230}}
        << 13 + 13;
    QTest::newRow("smaller than a step: the edges' lines")
        << Ruling{20, 9, 9} << QSize(9, 9)
        << QList<QLine>{{0, 0, 9, 0}, {0, 0, 9, 0}, {0, 0, 0, 9}, {0, 0, 0, 9}} << 2;
    QTest::newRow("no step, no lines") << Ruling{0, 263, 229} << kCanvas << QList<QLine>() << 0;
}

// Rows from the top, then columns from the left, each across the whole canvas.
void TestDrawingRules::gridLines() {
    QFETCH(Ruling, ruling);
    QFETCH(QSize, canvas);
    QFETCH(QList<QLine>, first_and_last);
    QFETCH(int, count);
    const QList<QLine> lines = ruling.Lines(canvas);
    QCOMPARE(lines.size(), count);
    if (count == 0) return;
    const auto horizontal = [](const QLine& line) { return line.dy() == 0; };
    const qsizetype rows = std::count_if(lines.begin(), lines.end(), horizontal);
    QVERIFY(std::all_of(lines.begin(), lines.begin() + rows, horizontal));
    QCOMPARE(lines.first(), first_and_last[0]);
    QCOMPARE(lines[rows - 1], first_and_last[1]);
    QCOMPARE(lines[rows], first_and_last[2]);
    QCOMPARE(lines.last(), first_and_last[3]);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (i == rows) continue;
        QCOMPARE(lines[i].p1() - lines[i - 1].p1(),
                 i < rows ? QPoint(0, ruling.step) : QPoint(ruling.step, 0));
    }
}

void TestDrawingRules::outlines_data() {
    // each figure: kind, vertex count, its outline's four point numbers
    QTest::addColumn<QList<QList<int>>>("figures");
    QTest::addColumn<QList<QPolygon>>("vertices");
    QTest::addColumn<QList<QColor>>("colours");
    const QList<int> square{kSquare, 4, 0, 1, 3, 2};
    QTest::newRow("a square, in its drawing order, olive")
        << QList<QList<int>>{square}
        << QList<QPolygon>{QPolygon({{0, 0}, {20, 0}, {20, 20}, {0, 20}})}
        << QList<QColor>{QColor(128, 128, 0)};
    QTest::newRow("each quadrilateral kind in its colour")
        << QList<QList<int>>{{kParallelogram, 4, 0, 1, 2, 3},
                             {kRectangle, 4, 0, 1, 2, 3},
                             {kRhombus, 4, 0, 1, 2, 3}}
        << QList<QPolygon>(3, QPolygon({{0, 0}, {20, 0}, {0, 20}, {20, 20}}))
        << QList<QColor>{QColor(128, 128, 128), QColor(192, 192, 192), QColor(0, 0, 255)};
    QTest::newRow("triangles are not outlined")
        << QList<QList<int>>{{kIsosceles, 3, 0, 1, 2, 0},
                             {kRight, 3, 0, 1, 2, 0},
                             {kIsoscelesRight, 3, 0, 1, 2, 0}}
        << QList<QPolygon>() << QList<QColor>();
    QTest::newRow("in the result's order, between triangles")
        << QList<QList<int>>{{kRhombus, 4, 3, 2, 1, 0}, {kRight, 3, 0, 1, 2, 0}, square}
        << QList<QPolygon>{QPolygon({{20, 20}, {0, 20}, {20, 0}, {0, 0}}),
                           QPolygon({{0, 0}, {20, 0}, {20, 20}, {0, 20}})}
        << QList<QColor>{QColor(0, 0, 255), QColor(128, 128, 0)};
}

void TestDrawingRules::outlines() {
    QFETCH(QList<QList<int>>, figures);
    QFETCH(QList<QPolygon>, vertices);
    QFETCH(QList<QColor>, colours);
    const std::vector<GridPoint> points{{0, 0}, {20, 0}, {0, 20}, {20, 20}};
    AnalysisResult result;
    for (const QList<int>& f : figures) {
        Figure figure;
        figure.kind = static_cast<FigureKind>(f[0]);
        figure.vertex_count = f[1];
        figure.outline = {f[2], f[3], f[4], f[5]};
        result.figures.push_back(figure);
    }
    const QList<Outline> outlines = Outlines(result, points);
    QCOMPARE(outlines.size(), vertices.size());
    for (qsizetype i = 0; i < outlines.size(); ++i) {
        QCOMPARE(QPolygon(outlines[i].vertices), vertices[i]);
        QCOMPARE(outlines[i].colour, colours[i]);
    }
}

void TestDrawingRules::numberPlace_data() {
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<QPoint>("dot");
    QTest::addColumn<QPoint>("toward");
    QTest::addColumn<QList<QRect>>("numbers");
    QTest::addColumn<QList<QPointF>>("dots");
    QTest::addColumn<QList<QLineF>>("sides");
    QTest::addColumn<QList<QLineF>>("grid");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> no_numbers;
    const QList<QPointF> no_dots;
    const QList<QLineF> no_lines;
    // a number 10 × 15: at a corner 5 (odd widths 4) pixels beside the dot and
    // 3 above or below it (even heights 4), as the window's vertex numbers stand
    QTest::newRow("free: the corner wanted")
        << kCanvas << QPoint(100, 100) << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(105, 83, 10, 15);
    QTest::newRow("free: down and to the left")
        << kCanvas << QPoint(100, 100) << QPoint(-1, 1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(87, 103, 10, 15);
    QTest::newRow("top left corner: turned both ways")
        << kCanvas << QPoint(0, 0) << QPoint(-1, -1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(5, 3, 10, 15);
    QTest::newRow("bottom right corner: turned both ways")
        << kCanvas << QPoint(260, 220) << QPoint(1, 1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(247, 203, 10, 15);
    QTest::newRow("right edge: turned sideways")
        << kCanvas << QPoint(260, 100) << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(247, 83, 10, 15);
    QTest::newRow("top edge: turned down")
        << kCanvas << QPoint(100, 0) << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(105, 3, 10, 15);
    QTest::newRow("bottom edge, toward the left: turned up")
        << kCanvas << QPoint(100, 220) << QPoint(-1, 1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(87, 203, 10, 15);
    QTest::newRow("a line through both upper corners: below")
        << kCanvas << QPoint(100, 100) << QPoint(1, -1) << no_numbers << no_dots
        << QList<QLineF>{QLineF(0, 90.5, 263, 90.5)} << no_lines << QRect(105, 103, 10, 15);
    QTest::newRow("too low for a corner: the right side")
        << QSize(263, 15) << QPoint(100, 7) << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(106, 0, 10, 15);
    QTest::newRow("too low for a corner, at the right edge: the left side")
        << QSize(263, 15) << QPoint(258, 7) << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(244, 0, 10, 15);
    QTest::newRow("larger than the canvas: at its top left")
        << QSize(12, 12) << QPoint(5, 5) << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << no_lines << QRect(0, 0, 10, 15);
    // a strip where only the upper corners fit, (105, 0) and (87, 0): what
    // lies in them weighs a number 1000, a dot 100 (as a number just beside,
    // within the white around it), an outline 10, a grid line 1
    const QSize strip(263, 20);
    const QPoint low(100, 17);
    const QLineF right_line(110.5, 0, 110.5, 20), left_line(92.5, 0, 92.5, 20);
    const QPointF right_dot(110.5, 5.5), left_dot(92.5, 5.5);
    const QRect right_number(108, 5, 2, 2), left_number(90, 5, 2, 2);
    const QRect right(105, 0, 10, 15), left(87, 0, 10, 15);
    QTest::newRow("both free: the one wanted")
        << strip << low << QPoint(1, -1) << no_numbers << no_dots << no_lines << no_lines << right;
    QTest::newRow("the same cost: the one wanted")
        << strip << low << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << QList<QLineF>{right_line, left_line} << right;
    QTest::newRow("a grid line before an outline")
        << strip << low << QPoint(1, -1) << no_numbers << no_dots << QList<QLineF>{left_line}
        << QList<QLineF>{right_line} << right;
    QTest::newRow("an outline before a dot")
        << strip << low << QPoint(1, -1) << no_numbers << QList<QPointF>{left_dot}
        << QList<QLineF>{right_line} << no_lines << right;
    QTest::newRow("a dot before a number")
        << strip << low << QPoint(1, -1) << QList<QRect>{left_number} << QList<QPointF>{right_dot}
        << no_lines << no_lines << right;
    QTest::newRow("touching a number before lying on one")
        << strip << low << QPoint(-1, -1) << QList<QRect>{QRect(115, 5, 2, 2), left_number}
        << no_dots << no_lines << no_lines << right;
    QTest::newRow("a number: the other corner")
        << strip << low << QPoint(1, -1) << QList<QRect>{right_number} << no_dots << no_lines
        << no_lines << left;
    QTest::newRow("a grid line: the other corner")
        << strip << low << QPoint(1, -1) << no_numbers << no_dots << no_lines
        << QList<QLineF>{right_line} << left;
}

void TestDrawingRules::numberPlace() {
    QFETCH(QSize, canvas);
    QFETCH(QPoint, dot);
    QFETCH(QPoint, toward);
    QFETCH(QList<QRect>, numbers);
    QFETCH(QList<QPointF>, dots);
    QFETCH(QList<QLineF>, sides);
    QFETCH(QList<QLineF>, grid);
    QFETCH(QRect, expected);
    NumberSurroundings around;
    around.canvas = canvas;
    around.numbers = numbers;
    around.dots = dots;
    around.dot_radius = 2.5;
    around.sides = sides;
    around.side_width = 2;
    around.grid = grid;
    around.margin = 0.6;
    QCOMPARE(PlaceNumber(dot, QSize(10, 15), toward, around), expected);
}

void TestDrawingRules::numbersStandClear_data() {
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QList<int>>>("squares");  // outlined, by point numbers
    QTest::addColumn<bool>("off_the_outlines");      // room enough to keep off every outline
    QTest::newRow("the four corners and their neighbours")
        << QList<QPoint>{{0, 0},     {20, 0},    {0, 20},    {20, 20},  {260, 0},
                         {240, 0},   {260, 20},  {0, 220},   {0, 200},  {20, 220},
                         {260, 220}, {240, 220}, {260, 200}, {240, 200}}
        << QList<QList<int>>{{0, 1, 3, 2}, {10, 11, 13, 12}} << false;
    QList<QPoint> top, left;
    for (int i = 0; i < 14; ++i) top << QPoint(i * 20, 0);
    for (int i = 0; i < 12; ++i) left << QPoint(0, i * 20);
    QTest::newRow("the top edge") << top << QList<QList<int>>() << true;
    QTest::newRow("the left edge") << left << QList<QList<int>>() << true;
    QList<QPoint> right_column = left;
    for (QPoint& p : right_column) p.rx() = 260;
    QTest::newRow("the right edge") << right_column << QList<QList<int>>() << true;
    QList<QPoint> corner;  // 3 × 5 in the far corner
    for (int i = 0; i < 15; ++i) corner << QPoint(180 + i % 5 * 20, 180 + i / 5 * 20);
    QTest::newRow("a lattice in the bottom right corner")
        << corner << QList<QList<int>>{{0, 1, 6, 5}, {8, 9, 14, 13}} << false;
    QTest::newRow("spread, a square and a diamond")
        << QList<QPoint>{{20, 20},  {60, 20},   {60, 60},   {20, 60},
                         {140, 60}, {180, 100}, {140, 140}, {100, 100}}
        << QList<QList<int>>{{0, 1, 2, 3}, {4, 5, 6, 7}} << true;
}

// Numbers as the sheets have them (one digit 3 pixels wide, two 6, all 6
// tall) with the sheets' surroundings: each on the canvas, clear of the other
// numbers and of every dot, and of the outlines where there is room.
void TestDrawingRules::numbersStandClear() {
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QList<int>>, squares);
    QFETCH(bool, off_the_outlines);
    NumberSurroundings around;
    around.canvas = kCanvas;
    for (const QPoint& p : points) around.dots << Middle(p);
    around.dot_radius = 2.5;
    for (const QList<int>& square : squares) {
        for (qsizetype v = 0; v < 4; ++v)
            around.sides << QLineF(Middle(points[square[v]]), Middle(points[square[(v + 1) % 4]]));
    }
    around.side_width = 2;
    for (const QLine& line : kRuling.Lines(kCanvas)) around.grid << Middle(line);
    around.margin = 0.6;
    QList<QSize> sizes;
    for (qsizetype p = 0; p < points.size(); ++p) sizes << QSize(p < 10 ? 3 : 6, 6);
    const QList<QRect> places = PlaceNumbers(points, sizes, QPoint(1, -1), around);
    QCOMPARE(places.size(), points.size());
    for (qsizetype p = 0; p < places.size(); ++p) {
        const QRectF place(places[p]);
        QVERIFY2(QRect(QPoint(0, 0), kCanvas).contains(places[p]), qPrintable(QString::number(p)));
        QCOMPARE(places[p].size(), sizes[p]);
        for (qsizetype q = 0; q < places.size(); ++q) {
            QVERIFY2(q == p || !place.adjusted(-0.6, -0.6, 0.6, 0.6).intersects(places[q]),
                     qPrintable(QString("numbers %1 and %2").arg(p).arg(q)));
            const QPointF dot = Middle(points[q]);
            const double dx = std::max({place.left() - dot.x(), 0.0, dot.x() - place.right()});
            const double dy = std::max({place.top() - dot.y(), 0.0, dot.y() - place.bottom()});
            QVERIFY2(std::hypot(dx, dy) >= 2.5,
                     qPrintable(QString("number %1 on dot %2").arg(p).arg(q)));
        }
        if (!off_the_outlines) continue;
        for (const QLineF& side : around.sides) {
            for (int t = 0; t <= 100; ++t)  // the side's middle, point by point
                QVERIFY2(!place.contains(side.pointAt(t / 100.0)),
                         qPrintable(QString("number %1 on an outline").arg(p)));
        }
    }
}

QTEST_APPLESS_MAIN(TestDrawingRules)
#include "tst_drawingrules.moc"
