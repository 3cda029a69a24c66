#include "cursordescription.h"

#include "canvasaccessible.h"

#include <QMetaObject>
#include <QStringList>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "numtext.h"
#include "pointset.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

namespace {

// What the canvas's description says, in the context of CursorDescription.
struct Texts {
    static QString NoPoint() { return CursorDescription::tr("няма точка"); }
    static QString OnePoint() { return CursorDescription::tr("точка "); }
    static QString Points() { return CursorDescription::tr("точки "); }
    static QString Node(QPoint node) {
        return CursorDescription::tr("X %1, Y %2, ").arg(node.x()).arg(node.y());
    }
    static QString Entered(int row) {
        return CursorDescription::tr("Въведена е точка %1.").arg(row);
    }
    static QString Deleted(int row) {
        return CursorDescription::tr("Изтрита е точка %1.").arg(row);
    }
    static QString Replaced(int count) {
        return CursorDescription::tr("Въведени точки: %1.").arg(count);
    }
    static QString AtEdge() { return CursorDescription::tr("Край на мрежата."); }
    static QString Refused(int most) {
        return CursorDescription::tr("Може да въведете най-много %1 точки.").arg(most);
    }
    static QString NothingChosen() {
        return CursorDescription::tr(
            "Няма избрана точка за изтриване — първо изберете точка в списъка.");
    }
};

// The numbers of the points on node, in entry order.
std::vector<std::string> NumbersOn(QPoint node, const PointSet& points) {
    std::vector<std::string> numbers;
    const plane_figures::GridPoint at{node.x(), node.y()};
    for (int p = 0; p < points.Size(); ++p) {
        if (points.At(p) == at) numbers.push_back(std::to_string(p));
    }
    return numbers;
}

// "няма точка", "точка 3", "точки 3 и 5", "точки 1, 3 и 5"
QString PointsText(const std::vector<std::string>& numbers) {
    if (numbers.empty()) return Texts::NoPoint();
    const QString listed = QString::fromStdString(plane_figures::Listed(numbers));
    return (numbers.size() == 1 ? Texts::OnePoint() : Texts::Points()) + listed;
}

// "X 60, Y 80, точка 3"
QString NodeText(QPoint node, const PointSet& points) {
    return Texts::Node(node) + PointsText(NumbersOn(node, points));
}

}  // namespace

CursorDescription::CursorDescription(QWidget* canvas, const WorkspaceModel& model)
    : QObject(canvas), canvas_(canvas), model_(model) {
    CanvasAccessible::Install();
    connect(&model, &WorkspaceModel::PointAdded, this,
            [this](int row) { Say(Texts::Entered(row)); });
    connect(&model, &WorkspaceModel::PointRemoved, this,
            [this](int row) { Say(Texts::Deleted(row)); });
    connect(&model, &WorkspaceModel::PointsReplaced, this,
            [this] { Say(Texts::Replaced(model_.PointCount())); });
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
    if (CanvasAccessible* canvas = CanvasAccessible::Of(canvas_)) canvas->Quiet();
}

void CursorDescription::AtEdge() { Say(Texts::AtEdge()); }

void CursorDescription::EntryRefused() { Say(Texts::Refused(PointSet::kCapacity)); }

void CursorDescription::NothingToDelete() { Say(Texts::NothingChosen()); }

void CursorDescription::Say(const QString& news) {
    if (!node_) return;
    const QString where = NodeText(*node_, model_.Points());
    const QString text = news.isEmpty() ? where : news + QLatin1Char(' ') + where;
    Describe(text);
    if (!to_speak_)
        QMetaObject::invokeMethod(this, &CursorDescription::Speak, Qt::QueuedConnection);
    to_speak_ = text;
}

// Said once the key's work is done, after the focus events the lists raise as
// they follow the points, so that the node's text is the last one heard.
void CursorDescription::Speak() {
    const std::optional<QString> text = std::exchange(to_speak_, std::nullopt);
    if (!text || !node_ || !canvas_->hasFocus()) return;
    if (CanvasAccessible* canvas = CanvasAccessible::Of(canvas_)) canvas->Speak(*text);
}

// Setting the description raises QAccessible::DescriptionChanged; a screen
// reader that takes the text from the event speaks it, others hear Speak().
void CursorDescription::Describe(const QString& text) { canvas_->setAccessibleDescription(text); }

}  // namespace plane_figures::workspace
