// What a sheet shows, as plain data: taken from the pupil's work, or made
// by a test.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include "figuredrawing.h"

namespace plane_figures::workspace {

class WorkspaceModel;

enum class Sheet {
    // Everything: canvas with the outlines, points, both counts and the
    // report, which runs onto further pages when long.
    kAnswerSheet,
    // A task for the pupil: canvas with grid and points, the points and a
    // count table with empty boxes; no outlines, no counts and no report.
    kWorksheet,
};

struct SheetContent {
    QString title;                     // the task's title, printed under the sheet's own
    QImage canvas;                     // the canvas's own picture, which a PNG export writes
    QSize canvas_size;                 // the canvas drawn on paper, in canvas pixels
    drawing::Ruling ruling;            // its grid
    QList<QPoint> points;              // point p at points[p], canvas pixels
    QList<drawing::Outline> outlines;  // drawn in order over the grid, under the points
    QStringList kinds;                 // the kind names of the count table, in its order
    QStringList pupil_counts;          // the pupil's counts as typed, one per kind (may be empty)
    QStringList program_counts;        // the program's counts, one per kind (empty = none)
    QStringList report_lines;          // the report's lines, header first, no line ends
    bool plotting = false;             // a worksheet's points only in their table, to be plotted
    // How the kinds are counted, printed on the sheet; the sentence for all
    // seven kinds (sheetheading::OneKindEach) when empty. A sheet that asks
    // some kinds only (a class set's) says it for them.
    QString kinds_note;
    QString KindsNote() const;
};

// The kinds' names in full, as the count table of a sheet writes them.
QStringList SheetKindNames();

// The sheet of model's work under the task's title. The canvas on paper is
// drawn anew from the points (all black) with ruling over a canvas the size
// of shown; its PNG is shown for an answer sheet, the points alone for a
// worksheet. The outlines, the program's counts and the report only on an
// answer sheet and only while they are those of the points.
SheetContent SheetOf(const WorkspaceModel& model, Sheet sheet, const QString& title,
                     const QImage& shown, const drawing::Ruling& ruling);

}  // namespace plane_figures::workspace
