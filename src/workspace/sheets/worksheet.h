// Worksheets and answer sheets: the canvas, its points, the count table and
// the report laid out on pages, painted the same way for a printer and for a
// PDF file.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "sheetcontent.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPageSize;
class QWidget;

namespace plane_figures::workspace {

class Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)  // the sheets' texts, in the context "Worksheet"

public:
    using Sheet = workspace::Sheet;

    Worksheet(SheetContent content, Sheet sheet);

    // Paint every page onto device, its page size and margins as they are set.
    // False when painting could not start.
    bool Paint(QPagedPaintDevice& device) const;
    // The same with painter already begun on device, which ends on this
    // sheet's last page (several sheets go into one file this way).
    void PaintPages(QPainter& painter, QPagedPaintDevice& device) const;
    // The sheets' margins on device, set before painting begins.
    static void SetMargins(QPagedPaintDevice& device);

    // Write file_name: a name ending in .pdf (any case) gets the pages, one
    // ending in .png the canvas alone, pixel for pixel. The file appears
    // complete or not at all. Returns a message for the pupil, empty on success.
    [[nodiscard]] QString Export(const QString& file_name) const;

    // Ask for a printer and print. Returns a message for the pupil when
    // printing failed, empty when it was done or cancelled.
    [[nodiscard]] QString Print(QWidget* parent) const;

    // The page size of exported PDFs: the default printer's, or A4.
    static QPageSize DefaultPageSize();

    // The document's title, for a PDF and a print job: "Отговори — " and
    // the task's title, or "Работен лист — " and it.
    QString DocumentTitle() const;

private:
    struct Plan;
    bool WritePdf(QIODevice& file) const;
    // Head, canvas and tables, then the report in columns, onto further pages
    // when it must; the canvas shrinks to save a page. Each page's room ends
    // at bottom.
    Plan LayOut(QPainter& painter, int bottom) const;
    QStringList ReportLines() const;  // none on a worksheet
    QList<QStringList> CountTable() const;

    SheetContent content_;
    Sheet sheet_;
};

}  // namespace plane_figures::workspace
