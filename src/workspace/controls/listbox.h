// A list box of texts: entries in the order they were added, and a selection
// of one row or none.
#pragma once

#include <QListWidget>

namespace plane_figures::workspace {

class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    void AddItem(const QString& text);
    void RemoveItem(int index);
    void Clear();
    // Replace every entry.
    void SetItems(const QStringList& texts);
    QString List(int index) const;
    int ListCount() const { return count(); }

    // The selected row, -1 when none is selected.
    int ListIndex() const;
    // Select a row (-1: none). A selection set here raises no Click.
    void SetListIndex(int index);

signals:
    // The user changed the selection, with the mouse or the keyboard.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    // Run change() without announcing selection changes as clicks.
    template <typename Change>
    void Quietly(Change change);

    bool changing_ = false;  // true while code changes entries or selection
};

}  // namespace plane_figures::workspace
