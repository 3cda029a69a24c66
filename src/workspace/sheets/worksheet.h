// Worksheets and answer sheets: the canvas, its points, the count table and
// the report laid out on pages, painted the same way for a printer and for a
// PDF file.
#pragma once

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
public:
    using Sheet = workspace::Sheet;

    Worksheet(SheetContent content, Sheet sheet);

    // Paint every page onto device, its page size and margins as they are set.
    // False when painting could not start.
    bool Paint(QPagedPaintDevice& device) const;

    // Write file_name: a name ending in .pdf (any case) gets the pages, one
    // ending in .png the canvas alone, pixel for pixel. The file appears
    // complete or not at all. Returns a message for the pupil, empty on success.
    [[nodiscard]] QString Export(const QString& file_name) const;

    // Ask for a printer and print. Returns a message for the pupil when
    // printing failed, empty when it was done or cancelled.
    [[nodiscard]] QString Print(QWidget* parent) const;

    // The page size of exported PDFs: the default printer's, or A4.
    static QPageSize DefaultPageSize();

private:
    bool WritePdf(QIODevice& file) const;
    // Title, canvas and tables, the tables on the next page when the canvas
    // would be much smaller with them; returns the y below them. page counts
    // the pages begun after the first.
    int PaintHead(QPainter& painter, QPagedPaintDevice& device, int footer, int& page) const;
    // The report lines from top on, running onto further pages.
    void PaintReport(QPainter& painter, QPagedPaintDevice& device, int top, int footer,
                     int& page) const;
    QList<QStringList> CountTable() const;

    SheetContent content_;
    Sheet sheet_;
};

}  // namespace plane_figures::workspace
