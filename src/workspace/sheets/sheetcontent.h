// What a sheet shows, as plain data: taken from the pupil's work, or made
// by a test.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "figuredrawing.h"

namespace plane_figures::workspace {

class WorkspaceModel;

enum class Sheet {
    // Everything: canvas, points, both counts and the report, which runs
    // onto further pages when long.
    kAnswerSheet,
    // A task for the pupil: canvas, points and a count table with empty
    // boxes; no counts and no report. Give it a canvas without outlines
    // (grid and points only), since the canvas is printed as given.
    kWorksheet,
};

struct SheetContent {
    QString title;               // the window's title line
    QImage canvas;               // the canvas image as shown: grid, points, outlines
    QList<QPoint> points;        // point p at points[p], canvas pixels
    QStringList kinds;           // the kind names of the count table, in its order
    QStringList pupil_counts;    // the pupil's counts as typed, one per kind (may be empty)
    QStringList program_counts;  // the program's counts, one per kind (empty = none)
    QStringList report_lines;    // the report's lines, header first, no line ends
};

// The sheet of model's work under title: for an answer sheet the canvas as
// shown, for a worksheet the points alone drawn anew with ruling. The
// program's counts and the report only while they are those of the points.
SheetContent SheetOf(const WorkspaceModel& model, Sheet sheet, const QString& title,
                     const QImage& shown, const drawing::Ruling& ruling);

}  // namespace plane_figures::workspace
