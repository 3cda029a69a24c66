#include "reportexplorer.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <algorithm>

#include "canvas.h"
#include "qtpoint.h"
#include "sidepanel.h"
#include "textbox.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

using plane_figures::Figure;

ReportExplorer::ReportExplorer(TextBox* report, Canvas* canvas, WorkspaceModel& model,
                               SidePanel* panel)
    : QObject(report),
      report_(report),
      viewport_(report->viewport()),
      canvas_(canvas),
      model_(model),
      panel_(panel),
      reason_section_(panel->AddSection(tr("Защо фигурата е от този вид"))) {
    report_->installEventFilter(this);
    viewport_->installEventFilter(this);
    // the session's figure over the canvas: a chosen line's or a hint's
    connect(&model, &WorkspaceModel::OverlayChanged, this, &ReportExplorer::ShowChoice);
}

void ReportExplorer::Choose(int line) {
    const bool had_choice = model_.ChosenLine() >= 0;
    model_.ChooseLine(line);
    // the report box scrolls only when the pupil moves through it
    if (line >= 0 || had_choice) MoveCursor(line, model_.ChosenLine() >= 0);
}

// Put the report box's cursor at the start of the line, the whole line
// selected when it names a figure; line -1 only drops the selection.
void ReportExplorer::MoveCursor(int line, bool select) {
    QTextCursor cursor = report_->textCursor();
    cursor.clearSelection();
    const QTextBlock block = report_->document()->findBlockByNumber(line);
    if (block.isValid()) {
        cursor.setPosition(block.position());
        if (select)
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    report_->setTextCursor(cursor);
    if (block.isValid()) report_->ensureCursorVisible();
}

// The session's figure over the canvas, its reason in the side panel and as
// the report box's accessible description; or none of them.
void ReportExplorer::ShowChoice() {
    const Figure* figure = model_.ShownFigure();
    if (figure) {
        QList<QPoint> vertices;
        QList<int> numbers;
        for (int v = 0; v < figure->vertex_count; ++v) {
            const int number = figure->outline[static_cast<std::size_t>(v)];
            vertices << ToQPoint(model_.Points().At(number));
            numbers << number;
        }
        canvas_->ShowFigure(vertices, numbers);
    } else {
        canvas_->HideFigure();
    }
    const QString reason = model_.ShownReason();
    if (reason == reason_) return;
    reason_ = reason;
    Announce();
}

// Show the reason in the side panel and let screen readers speak it.
void ReportExplorer::Announce() {
    report_->setAccessibleDescription(reason_);
    QAccessibleEvent changed(report_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    panel_->SetText(reason_section_, reason_);
}

// A drag from the press on: the text between is selected, as a text box
// does, and no figure is chosen; a shake shorter than a drag is still a click.
void ReportExplorer::SelectTo(QPoint at) {
    const bool chosen = model_.ChosenLine() >= 0;
    if (chosen && (at - pressed_at_).manhattanLength() < QApplication::startDragDistance()) return;
    if (chosen) model_.ChooseLine(-1);
    QTextCursor cursor = report_->cursorForPosition(pressed_at_);
    cursor.setPosition(report_->cursorForPosition(at).position(), QTextCursor::KeepAnchor);
    report_->setTextCursor(cursor);
}

int ReportExplorer::CurrentLine() const {
    return model_.ChosenLine() >= 0 ? model_.ChosenLine() : report_->textCursor().blockNumber();
}

// how many lines the report box shows at once, less one
int ReportExplorer::PageLines() const {
    const int line_height = std::max(1, report_->fontMetrics().lineSpacing());
    return std::max(1, report_->viewport()->height() / line_height - 1);
}

bool ReportExplorer::KeyPressed(int key) {
    const int last = model_.Result()->LineCount() - 1;
    int line = CurrentLine();
    switch (key) {
        case Qt::Key_Up: line -= 1; break;
        case Qt::Key_Down: line += 1; break;
        case Qt::Key_PageUp: line -= PageLines(); break;
        case Qt::Key_PageDown: line += PageLines(); break;
        case Qt::Key_Home: line = 1; break;
        case Qt::Key_End: line = last; break;
        case Qt::Key_Escape: line = -1; break;
        default: return false;
    }
    Choose(key == Qt::Key_Escape ? -1 : std::clamp(line, 0, last));
    return true;
}

// While the box shows a report of the points as they are, its keys choose
// lines and a click on a figure's line chooses it; otherwise (the task
// statement, an old report) the box reads and selects as any text does.
bool ReportExplorer::eventFilter(QObject* watched, QEvent* event) {
    if (!model_.Result()) return false;
    if (watched == report_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->modifiers() == Qt::NoModifier && KeyPressed(key->key());
    }
    if (watched != viewport_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            pressed_at_ = mouse->position().toPoint();
            Choose(report_->cursorForPosition(pressed_at_).blockNumber());
            // a press on a figure's line is the explorer's: a click chooses
            // it, a drag from it selects text
            selecting_from_press_ = model_.ChosenLine() >= 0;
            return selecting_from_press_;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton) || !selecting_from_press_) return false;
            SelectTo(mouse->position().toPoint());
            return true;
        }
        case QEvent::MouseButtonDblClick:
            // a chosen line stays whole: no word selection
            return model_.ChosenLine() >= 0 &&
                   static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton;
        default: return false;
    }
}

}  // namespace plane_figures::workspace
