// The answer key of a class set: a table with a row per variant and the
// counts of the kinds asked, then each variant's report of those kinds in
// small print; a short key is the table alone.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "classset.h"

class QIODevice;
class QPainter;
class QPagedPaintDevice;

namespace plane_figures::workspace {

class AnswerKey {
    Q_DECLARE_TR_FUNCTIONS(AnswerKey)  // the key's own texts, in the context "AnswerKey"

public:
    AnswerKey(const classset::ClassSet& set, QString heading, bool short_key = false);

    // The key into device as a PDF; false when it could not be painted.
    bool WritePdf(QIODevice& device) const;

    // Variant number's report lines, the first naming the variant; the
    // figures of the kinds asked alone.
    QStringList ReportLines(int number) const;

private:
    // the title and the table of counts from the page's top; the height taken
    int PaintTable(QPainter& painter, QPagedPaintDevice& device, int bottom) const;

    const classset::ClassSet& set_;
    QString heading_;
    bool short_key_ = false;
};

}  // namespace plane_figures::workspace
