#include "listbox.h"

#include <algorithm>

#include "analysis.h"

namespace {

// Run change() on list without announcing selection changes as clicks.
template <typename Change>
void Quietly(bool& changing, Change change) {
    const bool was = changing;
    changing = true;
    change();
    changing = was;
}

}  // namespace

ListBox::ListBox(bool sorted, QWidget* parent) : QListWidget(parent), sorted_(sorted) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!changing_) emit Click();
    });
}

void ListBox::AddItem(const QString& text) {
    int row = count();
    if (sorted_) {
        const std::string key = text.toStdString();
        row = 0;
        while (row < count() && !plane_figures::SorterLess(key, item(row)->text().toStdString())) {
            ++row;
        }
    }
    Quietly(changing_, [&] { insertItem(row, text); });
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= count()) return;
    const bool was_selected = ListIndex() == index;
    Quietly(changing_, [&] { delete takeItem(index); });
    // removing the selected entry leaves nothing selected
    if (was_selected) SetListIndex(-1);
}

void ListBox::Clear() {
    Quietly(changing_, [&] { clear(); });
}

QString ListBox::List(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

int ListBox::ListIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ListBox::SetListIndex(int index) {
    Quietly(changing_, [&] {
        if (index < 0 || index >= count()) {
            clearSelection();
            setCurrentRow(-1);
        } else {
            setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        }
    });
}
