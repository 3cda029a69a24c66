// Choosing a line of the report box shows its figure on the canvas, and the
// reason for its kind beside the line and to screen readers.
#pragma once

#include <QObject>
#include <memory>

#include "analysisresult.h"
#include "pointset.h"

class Canvas;
class TextBox;

class ReportExplorer : public QObject {
    Q_OBJECT

public:
    ReportExplorer(TextBox* report, Canvas* canvas, plane_figures::PointSet& points);

    // The report box now shows the report of this result.
    void ShowResult(std::shared_ptr<const plane_figures::AnalysisResult> result);
    // The result whose report the box shows, while it is that of the points.
    std::shared_ptr<const plane_figures::AnalysisResult> Result() const { return result_; }
    // Its lines name no figures any more: the points changed, or the report
    // was replaced by other text.
    void Forget();

    // Choose report line n (the header is line 0); a line that names no
    // figure, or -1, chooses none.
    void Choose(int line);
    // The chosen line, -1 when none is.
    int ChosenLine() const { return chosen_; }
    // Whether the report box shows the report of the points as they are.
    bool HasResult() const { return result_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(int key);
    // The line the keys move from: the chosen one, else the cursor's.
    int CurrentLine() const;
    int PageLines() const;
    void MoveCursor(int line, bool select);
    void ShowChoice(const plane_figures::Figure* figure);
    void Announce();

    TextBox* report_;
    QObject* viewport_;  // compared only: it may be on its way out
    Canvas* canvas_;
    const plane_figures::PointSet& points_;
    std::shared_ptr<const plane_figures::AnalysisResult> result_;
    int chosen_ = -1;
    QString reason_;
};
