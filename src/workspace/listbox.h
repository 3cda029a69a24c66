// A list box of texts. A sorted one keeps its entries in ascending order of
// their values; an unsorted one appends. Selection is one row or none.
#pragma once

#include <QListWidget>

class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(bool sorted, QWidget* parent = nullptr);

    void AddItem(const QString& text);
    void RemoveItem(int index);
    void Clear();
    QString List(int index) const;
    int ListCount() const { return count(); }

    // The selected row, -1 when none is selected.
    int ListIndex() const;
    // Select a row (-1: none). A selection set here raises no Click.
    void SetListIndex(int index);

signals:
    // The user changed the selection, with the mouse or the keyboard.
    void Click();

private:
    bool sorted_;
    bool changing_ = false;  // true while code changes entries or selection
};
