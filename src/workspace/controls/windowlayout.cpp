#include "windowlayout.h"

#include <QLabel>
#include <QPalette>

namespace plane_figures::workspace {

namespace windowlayout {

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QRect& place, const QColor& colour,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignTop);
    SetBackground(label, colour);
    return label;
}

}  // namespace windowlayout

}  // namespace plane_figures::workspace
