// The head of a sheet's first page: the sheet's own title, the task's title,
// a line for the pupil's name, class and date, and on a worksheet what to do.
#pragma once

#include <QString>

#include "askedkinds.h"
#include "sheetcontent.h"

class QPainter;

namespace plane_figures::workspace::sheetheading {

// "Отговори" or "Работен лист"
QString SheetTitle(Sheet sheet);

// How the kinds are counted (the core's kOneKindEach), as the sheets print it.
QString OneKindEach();
// How the kinds asked are counted, naming no other kind; empty (the sentence
// of all seven) when all are asked.
QString KindsNote(classset::KindMask asked);

// The head across the top of the page; returns its height. With draw false
// only measured. A worksheet for plotting asks first to plot the points; a
// worksheet says how the kinds are counted with kinds_note (OneKindEach()
// when empty).
int Draw(QPainter& painter, Sheet sheet, const QString& task_title, bool draw = true,
         bool plotting = false, const QString& kinds_note = QString());

}  // namespace plane_figures::workspace::sheetheading
