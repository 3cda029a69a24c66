// The teacher's window, a window of its own beside the pupil's: the form
// that makes a class set of balanced variants, and the class's results of
// the pupils' saved tasks, each on a tab of its own.
#pragma once

#include <QWidget>

class QTabWidget;

namespace plane_figures::workspace {

class ClassResultsView;
class ClassSetForm;

class TeacherWindow : public QWidget {
    Q_OBJECT

public:
    explicit TeacherWindow(QWidget* parent = nullptr);

    ClassSetForm* Form() const { return form_; }
    ClassResultsView* Results() const { return results_; }
    QTabWidget* Tabs() const { return tabs_; }

private:
    ClassSetForm* form_;
    ClassResultsView* results_;
    QTabWidget* tabs_;
};

}  // namespace plane_figures::workspace
