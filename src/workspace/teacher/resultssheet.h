// The class's results on paper: a heading and the line of the folder's set,
// then the table with a row per file and the row of shares, on landscape
// pages, the table's heading again on each further page and each page's
// number under it ("Страница 2 от 3"). Painted the same way for a printer
// and a PDF file.
#pragma once

#include <QString>
#include <QStringList>

#include "classresults.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace plane_figures::workspace {

class ResultsSheet {
public:
    ResultsSheet(const classresults::ClassResults& results, QString heading);

    // Every page onto device, its page layout as it is set; false when
    // painting could not start.
    bool Paint(QPagedPaintDevice& device) const;
    // The table as a PDF into device, on landscape pages.
    bool WritePdf(QIODevice& device) const;

    // The table's cells as printed: the header, a row per file, the shares.
    QList<QStringList> Cells() const;

private:
    void PaintPages(QPainter& painter, QPagedPaintDevice& device) const;
    // The pages laid out, and painted numbered "of pages" when pages > 0;
    // how many pages they take.
    int Lay(QPainter& painter, QPagedPaintDevice& device, int pages) const;

    const classresults::ClassResults& results_;
    QString heading_;
};

}  // namespace plane_figures::workspace
