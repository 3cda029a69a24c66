// A cell of the class's results table that sorts as a teacher means it:
// numbers as numbers, words in the order of the alphabet, empty cells first,
// and the row of shares last whichever way a column is sorted.
#pragma once

#include <QTableWidgetItem>
#include <QVariant>

namespace plane_figures::workspace {

class ResultsItem : public QTableWidgetItem {
public:
    // key: what the column sorts by, a number or a text; none for an empty
    // cell; last: a cell of the row of shares
    ResultsItem(const QString& text, QVariant key, bool last = false);

    bool operator<(const QTableWidgetItem& other) const override;

private:
    QVariant key_;
    bool last_;
};

}  // namespace plane_figures::workspace
