// The worksheets of a class set: one worksheet a variant, in order, each
// headed with its variant and code and the teacher's heading line, painted
// into one PDF so that a teacher prints them all at once.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "classset.h"
#include "sheetcontent.h"

class QIODevice;

namespace plane_figures::workspace {

class ClassWorksheets {
    Q_DECLARE_TR_FUNCTIONS(ClassWorksheets)  // the set's titles, in the context "ClassWorksheets"

public:
    // plotting: the points only in their table, beside an empty grid
    ClassWorksheets(const classset::ClassSet& set, QString heading, bool plotting);

    // "6 а клас, 12.12.2026\nВариант 7 от 25, код 48213" (without a heading
    // line, its second line alone); number from 1
    QString Title(int number) const;
    // variant number's worksheet as plain data: the count table of the kinds
    // asked alone
    SheetContent Content(int number) const;
    // Every worksheet into device as a PDF; false when it could not be painted.
    bool WritePdf(QIODevice& device) const;

private:
    const classset::ClassSet& set_;
    QString heading_;
    bool plotting_;
};

}  // namespace plane_figures::workspace
