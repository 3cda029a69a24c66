// Entering, selecting and deleting points in the window.
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <QScrollBar>
#include <QWheelEvent>

#include "formtest.h"
#include "textbox.h"

using namespace formtest;

class TestPoints : public QObject {
    Q_OBJECT

private slots:
    void snapping_data();
    void snapping();
    void anyButtonEntersAPoint();
    void fractionalPositionIsThePixelItLiesIn();
    void numbering();
    void limitOfFifteen();
    void coincidingPoints();
    void drawButtonFollowsThePointCount();
    void deletionGuards();
    void selection_data();
    void selection();
    void keyboardSelection();
    void highlightMovesOn();
    void coincidingHighlight();
    void canvasAfterDeletion();
    void strayClicks_data();
    void strayClicks();
    void clickBesideTheEntriesKeepsTheSelection();
    void listsScrollTogether_data();
    void listsScrollTogether();
};

namespace {

constexpr QRgb kGreen = 0xff00ff00;
constexpr QRgb kBlack = 0xff000000;

struct Shown {
    std::unique_ptr<MainForm> form = std::make_unique<MainForm>();
    Shown() {
        if (!formtest::Show(*form)) qFatal("window not exposed");
    }
    MainForm& operator*() { return *form; }
    MainForm* operator->() { return form.get(); }
};

QRgb Centre(const MainForm& form, int row) {
    return Picture1(form)->Image().pixel(List1(form, 0)->List(row).toInt(),
                                         List1(form, 1)->List(row).toInt());
}

// everything a refused action must leave alone
struct Snapshot {
    QStringList x, y, numbers;
    int count;
    QImage image;
    explicit Snapshot(const MainForm& form)
        : x(Entries(List1(form, 0))),
          y(Entries(List1(form, 1))),
          numbers(Entries(List1(form, 3))),
          count(form.PointCount()),
          image(Picture1(form)->Image()) {}
    bool operator==(const Snapshot&) const = default;
};

const QList<QPoint> kFive{{20, 20}, {100, 20}, {60, 60}, {100, 100}, {20, 100}};

}  // namespace

void TestPoints::snapping_data() {
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::newRow("down and up") << QPoint(9, 31) << "0"
                                 << "40";
    QTest::newRow("halfway goes up") << QPoint(10, 29) << "20"
                                     << "20";
    QTest::newRow("on a node") << QPoint(40, 60) << "40"
                               << "60";
    QTest::newRow("top left corner") << QPoint(0, 0) << "0"
                                     << "0";
    QTest::newRow("bottom right corner") << QPoint(262, 228) << "260"
                                         << "220";
    QTest::newRow("last cells") << QPoint(250, 210) << "260"
                                << "220";
    QTest::newRow("before last cells") << QPoint(249, 209) << "240"
                                       << "200";
}

// A click goes to the nearest grid node and is listed there, marked on it.
void TestPoints::snapping() {
    QFETCH(QPoint, click);
    QFETCH(QString, x);
    QFETCH(QString, y);
    Shown form;
    ClickCanvas(*form, click.x(), click.y());
    QCOMPARE(Entries(List1(*form, 0)), QStringList{x});
    QCOMPARE(Entries(List1(*form, 1)), QStringList{y});
    QCOMPARE(Entries(List1(*form, 3)), QStringList{"0"});
    QCOMPARE(Centre(*form, 0), kBlack);
    QCOMPARE(Picture1(*form)->DrawWidth(), 5);
}

void TestPoints::anyButtonEntersAPoint() {
    Shown form;
    ClickCanvas(*form, 40, 40, Qt::RightButton);
    ClickCanvas(*form, 60, 40, Qt::MiddleButton);
    QCOMPARE(form->PointCount(), 2);
}

// On a high-DPI screen a click can land between pixels; it counts as the
// pixel it lies in, so the stored coordinate is still a grid node.
void TestPoints::fractionalPositionIsThePixelItLiesIn() {
    Shown form;
    const QPointF origin = Picture1(*form)->contentsRect().topLeft();
    for (const QPointF inner : {QPointF(30.5, 9.75), QPointF(29.5, 10.25)}) {
        QMouseEvent press(QEvent::MouseButtonPress, origin + inner,
                          Picture1(*form)->mapToGlobal(origin + inner), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Picture1(*form), &press);
    }
    // 30.5 is pixel 30 (up to 40), 9.75 pixel 9 (down to 0); 29.5 is 29, 10.25 is 10
    QCOMPARE(Entries(List1(*form, 0)), QStringList({"40", "20"}));
    QCOMPARE(Entries(List1(*form, 1)), QStringList({"0", "20"}));
}

// Numbers count from 0 and close up after a deletion from the middle.
void TestPoints::numbering() {
    Shown form;
    Enter(*form, kFive);
    QCOMPARE(Entries(List1(*form, 3)), Numbers(5));
    ClickRow(List1(*form, 3), 2);
    ClickButton(*form, 2);
    QCOMPARE(form->PointCount(), 4);
    QCOMPARE(Entries(List1(*form, 3)), Numbers(4));
    QCOMPARE(Entries(List1(*form, 0)), QStringList({"20", "100", "100", "20"}));
    QCOMPARE(Entries(List1(*form, 1)), QStringList({"20", "20", "100", "100"}));
    // nothing is selected afterwards, so a second deletion does nothing
    QCOMPARE(List1(*form, 0)->ListIndex(), -1);
    const Snapshot before(*form);
    ClickButton(*form, 2);
    QVERIFY(Snapshot(*form) == before);
}

// The sixteenth click changes nothing; a deletion makes room for one more.
void TestPoints::limitOfFifteen() {
    Shown form;
    for (int i = 0; i < 15; ++i) ClickCanvas(*form, 20 * (i % 13), 20 + 20 * (i / 13));
    QCOMPARE(form->PointCount(), 15);
    const Snapshot full(*form);
    ClickCanvas(*form, 200, 200);
    QVERIFY(Snapshot(*form) == full);
    ClickRow(List1(*form, 0), 14);
    ClickButton(*form, 2);
    QCOMPARE(form->PointCount(), 14);
    ClickCanvas(*form, 200, 200);
    QCOMPARE(form->PointCount(), 15);
    QCOMPARE(List1(*form, 0)->List(14), QString("200"));
    ClickCanvas(*form, 220, 200);
    QCOMPARE(form->PointCount(), 15);
}

void TestPoints::coincidingPoints() {
    Shown form;
    ClickCanvas(*form, 41, 58);
    ClickCanvas(*form, 38, 62);
    QCOMPARE(Entries(List1(*form, 0)), QStringList({"40", "40"}));
    QCOMPARE(Entries(List1(*form, 1)), QStringList({"60", "60"}));
    QCOMPARE(Entries(List1(*form, 3)), QStringList({"0", "1"}));
}

void TestPoints::drawButtonFollowsThePointCount() {
    Shown form;
    QList<bool> enabled;
    for (const QPoint& p : kFive.mid(0, 3)) {
        ClickCanvas(*form, p.x(), p.y());
        enabled << Command1(*form, 0)->isEnabled();
    }
    QCOMPARE(enabled, QList<bool>({false, false, true}));
    ClickRow(List1(*form, 3), 0);
    ClickButton(*form, 2);
    QVERIFY(!Command1(*form, 0)->isEnabled());
}

// Deleting with no point chosen changes nothing, whatever rows the lists
// were set to without a click.
void TestPoints::deletionGuards() {
    Shown form;
    Enter(*form, kFive);
    const Snapshot before(*form);
    ClickButton(*form, 2);
    QVERIFY(Snapshot(*form) == before);
    List1(*form, 0)->SetListIndex(1);
    List1(*form, 1)->SetListIndex(3);
    ClickButton(*form, 2);
    QVERIFY(Snapshot(*form) == before);
    List1(*form, 1)->SetListIndex(-1);
    ClickButton(*form, 2);
    QVERIFY(Snapshot(*form) == before);
}

void TestPoints::selection_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::newRow("numbers row 2") << 3 << 2;
    QTest::newRow("X row 4") << 0 << 4;
    QTest::newRow("Y row 0") << 1 << 0;
}

// Choosing a row in any list selects it in all three and shows that point light
// green, the others black; the pen is left 5 wide.
void TestPoints::selection() {
    QFETCH(int, list);
    QFETCH(int, row);
    Shown form;
    Enter(*form, kFive);
    Picture1(*form)->SetDrawWidth(1);
    ClickRow(List1(*form, list), row);
    for (int i : {0, 1, 3}) QCOMPARE(List1(*form, i)->ListIndex(), row);
    for (int p = 0; p < 5; ++p) QCOMPARE(Centre(*form, p), p == row ? kGreen : kBlack);
    QCOMPARE(Picture1(*form)->DrawWidth(), 5);
    ClickButton(*form, 2);  // the common selection is what gets deleted
    QCOMPARE(form->PointCount(), 4);
    QVERIFY(!Entries(List1(*form, 0)).join(',').isEmpty());
    for (int p = 0; p < 4; ++p) QCOMPARE(Centre(*form, p), kBlack);
}

// Arrow keys, Home and End move the selection, and all three lists follow.
void TestPoints::keyboardSelection() {
    Shown form;
    Enter(*form, kFive);
    for (int list : {0, 1, 3}) {
        ListBox* box = List1(*form, list);
        ClickRow(box, 1);
        const QList<QPair<Qt::Key, int>> keys{
            {Qt::Key_Down, 2}, {Qt::Key_End, 4}, {Qt::Key_Up, 3}, {Qt::Key_Home, 0}};
        for (const auto& [key, row] : keys) {
            QTest::keyClick(box, key);
            for (int i : {0, 1, 3}) QCOMPARE(List1(*form, i)->ListIndex(), row);
            for (int p = 0; p < 5; ++p) QCOMPARE(Centre(*form, p), p == row ? kGreen : kBlack);
        }
    }
}

void TestPoints::highlightMovesOn() {
    Shown form;
    Enter(*form, kFive);
    ClickRow(List1(*form, 3), 1);
    QCOMPARE(Centre(*form, 1), kGreen);
    ClickRow(List1(*form, 0), 3);
    QCOMPARE(Centre(*form, 1), kBlack);
    QCOMPARE(Centre(*form, 3), kGreen);
    // a point entered later is black and leaves the highlight as it is
    ClickCanvas(*form, 140, 140);
    QCOMPARE(Centre(*form, 5), kBlack);
    QCOMPARE(Centre(*form, 3), kGreen);
}

// Of two points on one node, the later one is drawn last and decides the colour.
void TestPoints::coincidingHighlight() {
    Shown form;
    Enter(*form, {{40, 40}, {40, 40}});
    ClickRow(List1(*form, 3), 0);
    QCOMPARE(Centre(*form, 0), kBlack);
    ClickRow(List1(*form, 3), 1);
    QCOMPARE(Centre(*form, 0), kGreen);
}

// After a deletion the canvas holds the grid and the remaining points only;
// the report and the counts stay.
void TestPoints::canvasAfterDeletion() {
    Shown form;
    Enter(*form, kFive);
    ClickButton(*form, 0);
    const QString report = Text1(*form, 0)->Text();
    QVERIFY(report.contains(QStringLiteral("Квадрат с равни страни: 0,1,3,4")));
    QCOMPARE(Text3(*form, 5)->text(), QString("1"));
    ClickRow(List1(*form, 3), 2);
    ClickButton(*form, 2);

    Shown expected;
    Enter(*expected, {kFive[0], kFive[1], kFive[3], kFive[4]});
    QCOMPARE(Picture1(*form)->Image(), Picture1(*expected)->Image());
    QCOMPARE(Text1(*form, 0)->Text(), report);
    QCOMPARE(Text3(*form, 5)->text(), QString("1"));
}

// Presses that are not a new click on the drawing area enter nothing more: the
// second press of a double-click, and the first pixel of the right or bottom
// border.
void TestPoints::strayClicks_data() {
    QTest::addColumn<QPoint>("at");  // inner pixel; the border starts at 263, 229
    QTest::addColumn<bool>("double_click");
    QTest::addColumn<int>("entered");
    QTest::newRow("double-click") << QPoint(40, 40) << true << 1;
    QTest::newRow("right border") << QPoint(263, 100) << false << 0;
    QTest::newRow("bottom border") << QPoint(100, 229) << false << 0;
    QTest::newRow("last inner pixel") << QPoint(262, 228) << false << 1;
}

void TestPoints::strayClicks() {
    QFETCH(QPoint, at);
    QFETCH(bool, double_click);
    QFETCH(int, entered);
    Shown form;
    const QPoint origin = Picture1(*form)->contentsRect().topLeft();
    QTest::mouseClick(Picture1(*form), Qt::LeftButton, {}, origin + at);
    if (double_click) {  // the second press arrives as a double-click, then its release
        const QPointF local = origin + at;
        for (const QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, local, Picture1(*form)->mapToGlobal(local), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              {});
            QApplication::sendEvent(Picture1(*form), &event);
        }
    }
    QCOMPARE(form->PointCount(), entered);
}

// A click on the empty space below the entries, or a Ctrl+click on the
// selected entry, changes no selection, so "Изтрий  1 т." still deletes the
// chosen point.
void TestPoints::clickBesideTheEntriesKeepsTheSelection() {
    Shown form;
    Enter(*form, {kFive[0], kFive[1]});
    ClickRow(List1(*form, 3), 1);
    for (const std::size_t list : {0u, 1u, 3u}) {
        ListBox* box = List1(*form, list);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          QPoint(5, box->viewport()->height() - 3));
        QCOMPARE(box->ListIndex(), 1);
        const QPoint entry = box->visualItemRect(box->item(1)).center();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::ControlModifier, entry);
        QCOMPARE(box->ListIndex(), 1);
    }
    QCOMPARE(Centre(*form, 1), kGreen);
    ClickButton(*form, 2);
    QCOMPARE(Entries(List1(*form, 0)), QStringList{"20"});
}

void TestPoints::listsScrollTogether_data() {
    QTest::addColumn<int>("list");  // 0 X, 1 Y, 3 N
    QTest::addColumn<QString>("way");
    for (const int list : {0, 1, 3}) {
        for (const char* way : {"wheel", "keys", "scroll bar"})
            QTest::newRow(qPrintable(QString("%1 %2").arg(list).arg(way))) << list << QString(way);
    }
}

// A row of the three lists is one point however one of them is scrolled:
// their first visible rows stay together.
void TestPoints::listsScrollTogether() {
    QFETCH(int, list);
    QFETCH(QString, way);
    Shown form;
    for (int p = 0; p < 15; ++p) ClickCanvas(*form, 20 * p, 20 * (p % 3));
    ListBox* scrolled = List1(*form, static_cast<std::size_t>(list));
    QCoreApplication::processEvents();  // the lists lay out their rows
    if (way == "wheel") {
        const QPoint at = scrolled->viewport()->rect().center();
        QWheelEvent wheel(at, scrolled->viewport()->mapToGlobal(at), {}, QPoint(0, -240),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(scrolled->viewport(), &wheel);
    } else if (way == "keys") {
        scrolled->setFocus();
        QTest::keyClick(scrolled, Qt::Key_PageDown);
        QTest::keyClick(scrolled, Qt::Key_PageDown);
    } else {
        scrolled->verticalScrollBar()->setValue(6);
    }
    const auto first_row = [&](int l) {
        return List1(*form, static_cast<std::size_t>(l))->indexAt(QPoint(2, 2)).row();
    };
    QVERIFY2(first_row(list) > 0, "the list did not scroll");
    for (const int other : {0, 1, 3}) QCOMPARE(first_row(other), first_row(list));
}

PLANE_FIGURES_TEST_MAIN(TestPoints)
#include "tst_points.moc"
