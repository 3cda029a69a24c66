#include "cursordescription.h"

#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

using plane_figures::PointSet;

namespace {

// The numbers of the points on node, in entry order.
QStringList NumbersOn(QPoint node, const PointSet& points) {
    QStringList numbers;
    const plane_figures::GridPoint at{node.x(), node.y()};
    for (int p = 0; p < points.Size(); ++p) {
        if (points.At(p) == at) numbers << QString::number(p);
    }
    return numbers;
}

// "няма точка", "точка 3", "точки 3 и 5", "точки 1, 3 и 5"
QString PointsText(QStringList numbers) {
    if (numbers.isEmpty()) return QStringLiteral("няма точка");
    if (numbers.size() == 1) return QStringLiteral("точка ") + numbers.front();
    const QString last = numbers.takeLast();
    return QStringLiteral("точки %1 и %2").arg(numbers.join(QStringLiteral(", ")), last);
}

// "X 60, Y 80, точка 3"
QString NodeText(QPoint node, const PointSet& points) {
    const QString where = QStringLiteral("X %1, Y %2, ").arg(node.x()).arg(node.y());
    return where + PointsText(NumbersOn(node, points));
}

// What a change of the points says, before the node's text.
QString ChangeText(PointSet::Change change, int index, int size) {
    switch (change) {
        case PointSet::Change::Added: return QStringLiteral("Въведена е точка %1.").arg(index);
        case PointSet::Change::Removed: return QStringLiteral("Изтрита е точка %1.").arg(index);
        case PointSet::Change::Replaced: return QStringLiteral("Въведени точки: %1.").arg(size);
    }
    return {};
}

// The canvas is a canvas to a screen reader, not a frame, which it would take
// for a window and not follow the focus into.
QAccessibleInterface* CanvasRole(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String("Canvas") || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Canvas);
}

}  // namespace

CursorDescription::CursorDescription(QWidget* canvas, PointSet& points)
    : canvas_(canvas), points_(points) {
    static const bool installed = (QAccessible::installFactory(CanvasRole), true);  // once
    Q_UNUSED(installed);
    points.Subscribe([this](PointSet::Change change, int index) { PointsChanged(change, index); });
}

void CursorDescription::Follow(QPoint node) {
    if (!node_) own_text_ = canvas_->accessibleDescription();
    node_ = node;
    Say(QString());
}

void CursorDescription::Leave() {
    if (!node_) return;
    node_.reset();
    Describe(own_text_);
}

void CursorDescription::AtEdge() { Say(QStringLiteral("Край на мрежата.")); }

void CursorDescription::EntryRefused() {
    Say(QStringLiteral("Въведени са %1 точки — повече не може.").arg(PointSet::kCapacity));
}

void CursorDescription::NothingToDelete() {
    Say(QStringLiteral("Няма избрана точка за изтриване — изберете я в списъка."));
}

void CursorDescription::PointsChanged(PointSet::Change change, int index) {
    Say(ChangeText(change, index, points_.Size()));
}

void CursorDescription::Say(const QString& news) {
    if (!node_) return;
    const QString where = NodeText(*node_, points_);
    Describe(news.isEmpty() ? where : news + QLatin1Char(' ') + where);
}

// Setting the description raises QAccessible::DescriptionChanged, on which a
// screen reader speaks the new text of the focused canvas.
void CursorDescription::Describe(const QString& text) { canvas_->setAccessibleDescription(text); }
