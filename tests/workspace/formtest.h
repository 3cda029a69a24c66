// Helpers for the tests of the window.
#pragma once

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QListWidget>
#include <QStringList>
#include <QTest>

#include "canvas.h"
#include "listbox.h"
#include "mainform.h"

// Run a Qt Test class on the offscreen platform unless another one is asked for.
#define PLANE_FIGURES_TEST_MAIN(TestClass) PLANE_FIGURES_TEST_MAIN_SCALED(TestClass, "")

// The same with the screen scaled by a factor ("2" for a high-DPI screen).
#define PLANE_FIGURES_TEST_MAIN_SCALED(TestClass, scale)                            \
    int main(int argc, char* argv[]) {                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                         \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                \
        if (*scale) qputenv("QT_SCALE_FACTOR", scale);                              \
        QApplication app(argc, argv);                                               \
        TestClass test;                                                             \
        return QTest::qExec(&test, argc, argv);                                     \
    }

namespace formtest {

// Click the canvas at inner pixel (x, y).
inline void ClickCanvas(MainForm& form, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint origin = form.Picture1->contentsRect().topLeft();
    QTest::mouseClick(form.Picture1, button, {}, origin + QPoint(x, y));
}

// Click each point on the canvas in turn.
inline void Enter(MainForm& form, const QList<QPoint>& points) {
    for (const QPoint& p : points) ClickCanvas(form, p.x(), p.y());
}

// Show the window and wait until it is on the (offscreen) screen.
[[nodiscard]] inline bool Show(MainForm& form) {
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}

// Click "Чертай" (0), "Изчисти" (1) or "Изтрий  1 т." (2).
inline void ClickButton(MainForm& form, int index) {
    QTest::mouseClick(form.Command1[static_cast<std::size_t>(index)], Qt::LeftButton);
}

// Click row of a visible list with the mouse.
inline void ClickRow(ListBox* list, int row) {
    const QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

inline QStringList Entries(const ListBox* list) {
    QStringList entries;
    for (int i = 0; i < list->ListCount(); ++i) entries << list->List(i);
    return entries;
}

inline QStringList Numbers(int count) {
    QStringList numbers;
    for (int i = 0; i < count; ++i) numbers << QString::number(i);
    return numbers;
}

inline QColor Pixel(const MainForm& form, int x, int y) {
    return QColor(form.Picture1->Image().pixel(x, y));
}

}  // namespace formtest
