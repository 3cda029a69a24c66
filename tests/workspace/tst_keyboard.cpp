// The whole job from the keyboard: the grid cursor on the canvas, its keys,
// and what a screen reader is told; a mouse user sees nothing of it.
#include <QAccessible>
#include <algorithm>

#include "formtest.h"

using namespace formtest;

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void movement_data();
    void movement();
    void keysEnterAsClicksDo();
    void deleteKey_data();
    void deleteKey();
    void keysOnControls_data();
    void keysOnControls();
    void mouseAloneShowsNoCursor();
    void focusHidesAndShows();
    void descriptions_data();
    void descriptions();
    void spoken_data();
    void spoken();
};

namespace {

const QString kOwnDescription = QStringLiteral(
    "Платно с мрежа през 20 пиксела. Щракване въвежда точка в най-близкия възел на мрежата.");

struct Window {
    MainForm form;
    Window() {
        if (!Show(form)) qFatal("window not exposed");
        QApplication::setActiveWindow(&form);
    }
    Canvas* canvas() { return Picture1(form); }
    // The canvas gets the focus by Tab (the window opens with the focus on it).
    void TabIn() {
        QApplication::setActiveWindow(&form);
        Command1(form, 2)->setFocus(Qt::OtherFocusReason);
        canvas()->setFocus(Qt::TabFocusReason);
        if (!canvas()->hasFocus()) qFatal("the canvas took no focus");
    }
    QString Description() { return canvas()->accessibleDescription(); }
};

// Keys by letter: L R U D arrows, space, E Return, K keypad Enter, X Delete.
void Press(QWidget* widget, const QString& keys) {
    const QHash<QChar, Qt::Key> named{
        {'L', Qt::Key_Left},  {'R', Qt::Key_Right},  {'U', Qt::Key_Up},    {'D', Qt::Key_Down},
        {' ', Qt::Key_Space}, {'E', Qt::Key_Return}, {'K', Qt::Key_Enter}, {'X', Qt::Key_Delete}};
    for (const QChar c : keys) {
        QTest::keyClick(widget, named.value(c), c == 'K' ? Qt::KeypadModifier : Qt::NoModifier);
    }
}

QStringList ListTexts(const MainForm& form) {
    return Entries(List1(form, 0)) + Entries(List1(form, 1)) + Entries(List1(form, 3));
}

// Whether the composed canvas shows the cursor's 9 x 9 outline at node, and
// the image everywhere else.
bool ShowsCursorAt(Canvas* canvas, QPoint node) {
    const QImage composed = canvas->Composed();
    const QImage& image = canvas->Image();
    // a 9 x 9 square around the node, moved wholly onto the canvas at its edges
    const QPoint centre(std::clamp(node.x(), 4, image.width() - 5),
                        std::clamp(node.y(), 4, image.height() - 5));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint d = QPoint(x, y) - centre;
            const bool outline = std::max(std::abs(d.x()), std::abs(d.y())) == 4;
            if (composed.pixel(x, y) != (outline ? qRgb(255, 0, 255) : image.pixel(x, y)))
                return false;
        }
    }
    return true;
}

// The child of the canvas that holds the focus within it, if any.
QAccessibleInterface* FocusedNode(Canvas* canvas) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(canvas)->focusChild();
    if (!face || face->parent() == nullptr || face->parent()->object() != canvas) return nullptr;
    return face->state().focused ? face : nullptr;
}

}  // namespace

void TestKeyboard::movement_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QPoint>("node");
    QTest::newRow("starts in the middle") << "" << QPoint(140, 120);
    QTest::newRow("one node each key") << "RRDL" << QPoint(160, 140);
    QTest::newRow("left edge") << QString(9, 'L') << QPoint(0, 120);
    QTest::newRow("right edge") << QString(8, 'R') << QPoint(260, 120);
    QTest::newRow("top edge") << QString(8, 'U') << QPoint(140, 0);
    QTest::newRow("bottom edge") << QString(7, 'D') << QPoint(140, 220);
    QTest::newRow("out of the top left corner")
        << QString(8, 'L') + QString(7, 'U') + "RD" << QPoint(20, 20);
    QTest::newRow("bottom right corner") << QString(10, 'R') + QString(10, 'D') << QPoint(260, 220);
}

void TestKeyboard::movement() {
    QFETCH(QString, keys);
    QFETCH(QPoint, node);
    Window w;
    w.TabIn();
    Press(w.canvas(), keys);
    QCOMPARE(w.canvas()->Cursor(), std::optional<QPoint>(node));
    QVERIFY(w.Description().contains(QStringLiteral("X %1, Y %2,").arg(node.x()).arg(node.y())));
    QCOMPARE(w.form.PointCount(), 0);
}

// Space, Return and keypad Enter leave the lists and the image as clicks on
// the same nodes do, a second point on a node included.
void TestKeyboard::keysEnterAsClicksDo() {
    Window keys;
    keys.TabIn();
    Press(keys.canvas(), "R DDELK ");
    Window clicks;
    Enter(clicks.form, {{160, 120}, {160, 160}, {140, 160}, {140, 160}});
    QCOMPARE(keys.form.PointCount(), 4);
    QCOMPARE(ListTexts(keys.form), ListTexts(clicks.form));
    QCOMPARE(keys.canvas()->Image(), clicks.canvas()->Image());
    QCOMPARE(Command1(keys.form, 0)->isEnabled(), true);
    // hidden while the other window is active, back when this one is again
    QCOMPARE(keys.canvas()->Composed(), keys.canvas()->Image());
    QApplication::setActiveWindow(&keys.form);
    QTRY_VERIFY(ShowsCursorAt(keys.canvas(), QPoint(140, 160)));
}

void TestKeyboard::deleteKey_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("said");
    QTest::newRow("selected point") << 1 << "Изтрита е точка 1. X 140, Y 120, точки 1 и 2";
    QTest::newRow("none selected") << -1
                                   << "Няма избрана точка за изтриване — първо изберете точка в "
                                      "списъка. X 140, Y 120, точки 2 и 3";
}

// Delete on the canvas does what "Изтрий  1 т." does.
void TestKeyboard::deleteKey() {
    QFETCH(int, selected);
    QFETCH(QString, said);
    const QList<QPoint> points{{20, 20}, {40, 40}, {140, 120}, {140, 120}};
    Window keys, button;
    for (Window* w : {&keys, &button}) {
        Enter(w->form, points);
        if (selected >= 0) ClickRow(List1(w->form, 0), selected);
    }
    keys.TabIn();
    Press(keys.canvas(), "X");
    ClickButton(button.form, 2);
    QCOMPARE(keys.form.PointCount(), selected >= 0 ? 3 : 4);
    QCOMPARE(ListTexts(keys.form), ListTexts(button.form));
    QCOMPARE(keys.canvas()->Image(), button.canvas()->Image());
    QCOMPARE(keys.Description(), said);
}

void TestKeyboard::keysOnControls_data() {
    QTest::addColumn<QString>("control");  // the object name of the focused control
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("button");  // the button whose click does the same
    QTest::newRow("Return on Чертай") << "Command1_0"
                                      << "E" << 0;
    QTest::newRow("keypad Enter on Изчисти") << "Command1_1"
                                             << "K" << 1;
    QTest::newRow("Return on Изтрий") << "Command1_2"
                                      << "E" << 2;
    QTest::newRow("Delete in the X list") << "List1_0"
                                          << "X" << 2;
    QTest::newRow("Delete in the N list") << "List1_3"
                                          << "X" << 2;
}

// Enter on a focused button presses it; Delete in a point list deletes the
// selected point: each as the mouse does it.
void TestKeyboard::keysOnControls() {
    QFETCH(QString, control);
    QFETCH(QString, keys);
    QFETCH(int, button);
    Window by_key, by_mouse;
    for (Window* w : {&by_key, &by_mouse}) {
        Enter(w->form, {{20, 20}, {40, 40}, {140, 120}, {20, 40}});
        ClickRow(List1(w->form, 0), 1);
    }
    const QStringList before = ListTexts(by_key.form) << Text1(by_key.form, 0)->Text();
    QApplication::setActiveWindow(&by_key.form);
    auto* focused = by_key.form.findChild<QWidget*>(control);
    focused->setFocus(Qt::TabFocusReason);
    Press(focused, keys);
    ClickButton(by_mouse.form, button);
    QCOMPARE(ListTexts(by_key.form), ListTexts(by_mouse.form));
    QCOMPARE(Text1(by_key.form, 0)->Text(), Text1(by_mouse.form, 0)->Text());
    QCOMPARE(by_key.canvas()->Image(), by_mouse.canvas()->Image());
    QVERIFY(ListTexts(by_key.form) << Text1(by_key.form, 0)->Text() != before);
}

// Clicks on the canvas and the lists leave no trace of the cursor, but take
// it to the clicked node; a key while it is hidden only shows it there.
void TestKeyboard::mouseAloneShowsNoCursor() {
    Window w;
    Enter(w.form, {{20, 20}, {60, 20}, {20, 60}});
    ClickRow(List1(w.form, 0), 1);
    ClickCanvas(w.form, 100, 100);
    QVERIFY(w.canvas()->hasFocus());
    QCOMPARE(w.canvas()->Cursor(), std::nullopt);
    QCOMPARE(w.canvas()->Composed(), w.canvas()->Image());
    QCOMPARE(w.Description(), kOwnDescription);
    Press(w.canvas(), " ");
    QCOMPARE(w.form.PointCount(), 4);
    QVERIFY(ShowsCursorAt(w.canvas(), QPoint(100, 100)));
    ClickCanvas(w.form, 251, 228);
    QVERIFY(ShowsCursorAt(w.canvas(), QPoint(260, 220)));
    QCOMPARE(w.Description(), QStringLiteral("Въведена е точка 4. X 260, Y 220, точка 4"));
}

// Hidden while the focus is elsewhere, back at its node when it returns by
// Tab, Shift+Tab or to the window as a whole.
void TestKeyboard::focusHidesAndShows() {
    Window w;
    Command1(w.form, 2)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(w.canvas()->hasFocus());
    Press(w.canvas(), "R");
    QTest::keyClick(w.canvas(), Qt::Key_Tab);
    QCOMPARE(w.canvas()->Cursor(), std::nullopt);
    QCOMPARE(w.canvas()->Composed(), w.canvas()->Image());
    QCOMPARE(w.Description(), kOwnDescription);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(w.canvas()->Cursor(), std::optional<QPoint>(QPoint(160, 120)));
    QApplication::setActiveWindow(nullptr);
    QCOMPARE(w.canvas()->Cursor(), std::nullopt);
    QApplication::setActiveWindow(&w.form);
    QTRY_COMPARE(w.canvas()->Cursor(), std::optional<QPoint>(QPoint(160, 120)));
}

void TestKeyboard::descriptions_data() {
    QTest::addColumn<QList<QPoint>>("clicks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("said");
    // the cursor starts where the last click left it
    using Points = QList<QPoint>;
    const QPoint here(140, 120);
    const QPoint away(20, 20);
    QTest::newRow("no point") << Points{} << ""
                              << "X 140, Y 120, няма точка";
    QTest::newRow("one point") << Points{away, here} << ""
                               << "X 140, Y 120, точка 1";
    QTest::newRow("two points") << Points{here, away, here} << ""
                                << "X 140, Y 120, точки 0 и 2";
    QTest::newRow("more points") << Points{here, here, away, here} << ""
                                 << "X 140, Y 120, точки 0, 1 и 3";
    QTest::newRow("moved off") << Points{here} << "RD"
                               << "X 160, Y 140, няма точка";
    QTest::newRow("moved onto") << Points{{160, 140}, here} << "RD"
                                << "X 160, Y 140, точка 0";
    QTest::newRow("edge") << Points{} << QString(7, 'U')
                          << "Край на мрежата. X 140, Y 0, няма точка";
    QTest::newRow("entered") << Points{here} << "L "
                             << "Въведена е точка 1. X 120, Y 120, точка 1";
    // refused as a click is, which the point tests check changes nothing
    QTest::newRow("refused") << Points{} << QString(15, ' ') + "R "
                             << "Може да въведете най-много 15 точки. X 160, Y 120, няма точка";
}

void TestKeyboard::descriptions() {
    QFETCH(QList<QPoint>, clicks);
    QFETCH(QString, keys);
    QFETCH(QString, said);
    Window w;
    Enter(w.form, clicks);
    QCOMPARE(w.Description(), kOwnDescription);
    w.TabIn();
    Press(w.canvas(), keys);
    QCOMPARE(w.Description(), said);
}

void TestKeyboard::spoken_data() {
    QTest::addColumn<QList<QPoint>>("clicks");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("spoken");
    using Points = QList<QPoint>;
    const QPoint here(140, 120);
    QTest::newRow("Tab") << Points{} << -1 << "" << QStringList{};
    QTest::newRow("moved") << Points{} << -1 << "RD"
                           << QStringList{"X 160, Y 120, няма точка", "X 160, Y 140, няма точка"};
    QTest::newRow("entered twice") << Points{} << -1 << " E"
                                   << QStringList{"Въведена е точка 0. X 140, Y 120, точка 0",
                                                  "Въведена е точка 1. X 140, Y 120, точки 0 и 1"};
    QTest::newRow("refused") << Points(15, {20, 20}) << -1 << "R "
                             << QStringList{
                                    "X 40, Y 20, няма точка",
                                    "Може да въведете най-много 15 точки. X 40, Y 20, няма точка"};
    QTest::newRow("deleted") << Points{here, here} << 0 << "X"
                             << QStringList{"Изтрита е точка 0. X 140, Y 120, точка 0"};
}

// Each change moves the focus onto a child of the canvas named with the new
// text, another one than the last, which a screen reader speaks as it comes.
void TestKeyboard::spoken() {
    QFETCH(QList<QPoint>, clicks);
    QFETCH(int, selected);
    QFETCH(QString, keys);
    QFETCH(QStringList, spoken);
    Window w;
    Enter(w.form, clicks);
    if (selected >= 0) ClickRow(List1(w.form, 0), selected);
    w.TabIn();
    QTRY_VERIFY(FocusedNode(w.canvas()) != nullptr);
    const QAccessibleInterface* last = FocusedNode(w.canvas());
    QCOMPARE(last->text(QAccessible::Name), w.Description());
    QStringList heard;
    for (const QChar key : keys) {
        Press(w.canvas(), key);
        QTRY_VERIFY(FocusedNode(w.canvas()) != last);
        last = FocusedNode(w.canvas());
        heard << last->text(QAccessible::Name);
    }
    QCOMPARE(heard, spoken);
    QTest::keyClick(w.canvas(), Qt::Key_Tab);
    QCOMPARE(FocusedNode(w.canvas()), nullptr);
}

PLANE_FIGURES_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
