// The teacher's window, a window of its own beside the pupil's: the form
// that makes a class set of balanced variants.
#pragma once

#include <QWidget>

namespace plane_figures::workspace {

class ClassSetForm;

class TeacherWindow : public QWidget {
    Q_OBJECT

public:
    explicit TeacherWindow(QWidget* parent = nullptr);

    ClassSetForm* Form() const { return form_; }

private:
    ClassSetForm* form_;
};

}  // namespace plane_figures::workspace
