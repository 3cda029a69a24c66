#include "listbox.h"

#include <QMouseEvent>

namespace plane_figures::workspace {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!changing_) emit Click();
    });
}

template <typename Change>
void ListBox::Quietly(Change change) {
    const bool was = changing_;
    changing_ = true;
    change();
    changing_ = was;
}

void ListBox::AddItem(const QString& text) {
    Quietly([&] { addItem(text); });
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= count()) return;
    const bool was_selected = ListIndex() == index;
    Quietly([&] { delete takeItem(index); });
    // removing the selected entry leaves nothing selected
    if (was_selected) SetListIndex(-1);
}

void ListBox::Clear() {
    Quietly([&] { clear(); });
}

void ListBox::SetItems(const QStringList& texts) {
    Quietly([&] {
        clear();
        addItems(texts);
    });
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
    Quietly([&] {
        if (index < 0 || index >= count()) {
            clearSelection();
            setCurrentRow(-1);
        } else {
            setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        }
    });
}

// A click beside the entries selects nothing and clears nothing.
void ListBox::mousePressEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

// A Ctrl+click or Ctrl+Space on the selected entry keeps it selected: a
// point stays chosen until another is.
QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (!command.testFlag(QItemSelectionModel::Deselect)) return command;
    return QItemSelectionModel::NoUpdate;
}

}  // namespace plane_figures::workspace
