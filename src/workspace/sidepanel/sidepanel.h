// A small window of its own beside the program's window, for notes the pupil
// reads while he works: it covers none of the window's controls and takes
// neither the focus nor a click from it. It holds sections, one below the
// other, each shown while it has text; the panel shows while any section
// has text and the window shows, and it follows the window as it moves. It
// may host a panel of the window's, such as the pupil's task, above the
// sections: while it does, it takes clicks for it (never the focus).
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;

namespace plane_figures::workspace {

class SidePanel : public QWidget {
    Q_OBJECT

public:
    // The panel beside window; a child of it, so it goes with it.
    explicit SidePanel(QWidget* window);

    // A new, empty section below those added before; its number.
    int AddSection(const QString& name);
    void SetText(int section, const QString& text);
    QString Text(int section) const;

    // Show widget above the sections and take clicks for it; null: no
    // widget, and no click taken. The caller keeps widget.
    void Host(QWidget* widget);
    // Place the panel anew, after the hosted widget changed its size.
    void Follow();

    // Where the panel goes, in screen coordinates: beside the window's frame
    // on the side with room, its lines wrapped to fit if neither side has
    // room for them whole; below or above the window when no side has room
    // for a readable width. Measured with the panel's frame.
    QRect Place() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HasText() const;
    // widest line of the sections unwrapped, with the panel's margins
    int NaturalWidth() const;
    int HeightFor(int width) const;

    QWidget* window_;
    QList<QLabel*> sections_;
    QWidget* hosted_ = nullptr;
};

}  // namespace plane_figures::workspace
