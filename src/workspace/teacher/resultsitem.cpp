#include "resultsitem.h"

#include <QHeaderView>
#include <QTableWidget>
#include <utility>

namespace plane_figures::workspace {

ResultsItem::ResultsItem(const QString& text, QVariant key, bool last)
    : QTableWidgetItem(text), key_(std::move(key)), last_(last) {}

bool ResultsItem::operator<(const QTableWidgetItem& other) const {
    const auto* that = dynamic_cast<const ResultsItem*>(&other);
    if (that == nullptr) return QTableWidgetItem::operator<(other);
    if (last_ != that->last_) {
        // sorted down, the table asks "is b less than a" to put a first: the
        // row of shares is then the least, so that it still comes last
        const QTableWidget* table = tableWidget();
        const bool down = table != nullptr &&
                          table->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
        return down ? last_ : that->last_;
    }
    if (!key_.isValid() || !that->key_.isValid()) return !key_.isValid() && that->key_.isValid();
    if (key_.typeId() == QMetaType::Int && that->key_.typeId() == QMetaType::Int)
        return key_.toInt() < that->key_.toInt();
    // the letters' own order (the Bulgarian alphabet's, in Unicode), small and
    // capital alike: the same on every system, where a system's collation
    // may pass over a hyphen on one and not on another
    const QString a = key_.toString();
    const QString b = that->key_.toString();
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

}  // namespace plane_figures::workspace
