// Helpers for the tests of the window.
#pragma once

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "canvas.h"
#include "countframe.h"
#include "listbox.h"
#include "mainform.h"
#include "textbox.h"

// Run a Qt Test class on the offscreen platform unless another one is asked for.
#define PLANE_FIGURES_TEST_MAIN(TestClass) PLANE_FIGURES_TEST_MAIN_SCALED(TestClass, "")

// The same with the screen scaled by a factor ("2" for a high-DPI screen).
#define PLANE_FIGURES_TEST_MAIN_SCALED(TestClass, scale)    \
    int main(int argc, char* argv[]) {                      \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen");        \
        if (*scale) qputenv("QT_SCALE_FACTOR", scale);      \
        QApplication app(argc, argv);                       \
        TestClass test;                                     \
        return QTest::qExec(&test, argc, argv);             \
    }

using namespace plane_figures::workspace;

namespace formtest {

// The window's controls, found by the names of their roles ("List1_0").
template <typename Control>
Control* Named(const MainForm& form, const char* role, std::size_t index) {
    return form.findChild<Control*>(QStringLiteral("%1_%2").arg(QLatin1String(role)).arg(index));
}
inline Canvas* Picture1(const MainForm& form) { return form.findChild<Canvas*>("Picture1"); }
inline ListBox* List1(const MainForm& form, std::size_t i) {
    return Named<ListBox>(form, "List1", i);
}
inline TextBox* Text1(const MainForm& form, std::size_t i) {
    return Named<TextBox>(form, "Text1", i);
}
inline QLineEdit* Text2(const MainForm& form, std::size_t k) {
    return Named<QLineEdit>(form, "Text2", k);
}
inline QLineEdit* Text3(const MainForm& form, std::size_t k) {
    return Named<QLineEdit>(form, "Text3", k);
}
inline QPushButton* Command1(const MainForm& form, std::size_t i) {
    return Named<QPushButton>(form, "Command1", i);
}

// Click the canvas at inner pixel (x, y).
inline void ClickCanvas(MainForm& form, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint origin = Picture1(form)->contentsRect().topLeft();
    QTest::mouseClick(Picture1(form), button, {}, origin + QPoint(x, y));
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
    QTest::mouseClick(Command1(form, static_cast<std::size_t>(index)), Qt::LeftButton);
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
    return QColor(Picture1(form)->Image().pixel(x, y));
}

// the canvas of a new window after a click on each point: white, grid, black
// dots; and then the chosen row's point light green, as a click in a list makes it
inline QImage DrawnByHand(const QList<QPoint>& points, int chosen = -1) {
    MainForm form;
    for (const QPoint& p : points) form.Picture1_MouseDown(Qt::LeftButton, {}, p);
    if (chosen >= 0) {
        List1(form, 0)->SetListIndex(chosen);
        form.List1_Click(0);
    }
    return Picture1(form)->Image();
}

// What the pupil sees of the points and their analysis.
struct Seen {
    QStringList x, y, numbers, pupil_counts, program_counts;
    int selected;
    QString report;
    QImage canvas;
    explicit Seen(const MainForm& form)
        : x(Entries(List1(form, 0))),
          y(Entries(List1(form, 1))),
          numbers(Entries(List1(form, 3))),
          selected(List1(form, 0)->ListIndex()),
          report(Text1(form, 0)->Text()),
          canvas(Picture1(form)->Image()) {
        for (std::size_t k = 0; k < CountFrame::kRows; ++k) {
            pupil_counts << Text2(form, k)->text();
            program_counts << Text3(form, k)->text();
        }
    }
    // the parts that differ from other, by name; empty when none
    QString Differences(const Seen& other) const {
        QStringList parts;
        if (x != other.x || y != other.y || numbers != other.numbers) parts << "points";
        if (selected != other.selected) parts << "selection";
        if (report != other.report) parts << "report";
        if (pupil_counts != other.pupil_counts) parts << "pupil's counts";
        if (program_counts != other.program_counts) parts << "program's counts";
        if (canvas != other.canvas) parts << "canvas";
        return parts.join(", ");
    }
};

// A shown, active window whose messages and file dialogs the test catches.
struct PromptedWindow {
    MainForm form;
    QStringList told;                                          // the messages it showed
    QString file_to_open, file_to_save, file_to_export;        // what its file dialogs answer
    QStringList offered;                                       // the names its file dialogs offered
    QStringList export_titles;                                 // the titles of its export dialogs
    QStringList asked;                                         // what it asked before closing
    QMessageBox::StandardButton answer = QMessageBox::Cancel;  // and the pupil's answer
    PromptedWindow() {
        Prompts prompts;
        prompts.tell = [this](QMessageBox::Icon, const QString& text) { told << text; };
        prompts.help = [this](const QString& text) { told << text; };
        prompts.file_to_open = [this](const QString& name) {
            offered << name;
            return file_to_open;
        };
        prompts.file_to_save = [this](const QString& name) {
            offered << name;
            return file_to_save;
        };
        prompts.file_to_export = [this](const QString& title, const QString& name) {
            export_titles << title;
            offered << name;
            return file_to_export;
        };
        prompts.save_before_closing = [this](const QString& text) {
            asked << text;
            return answer;
        };
        prompts.confirm = [this](const QString& text) {
            asked << text;
            return answer == QMessageBox::Yes;
        };
        prompts.line = [this](const QString& text) {
            asked << text;
            return QString();
        };
        form.SetPrompts(prompts);
        if (!Show(form) || !QTest::qWaitForWindowActive(&form)) qFatal("window not active");
    }
};

}  // namespace formtest
