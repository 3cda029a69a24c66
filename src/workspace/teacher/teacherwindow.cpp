#include "teacherwindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "classsetform.h"

namespace plane_figures::workspace {

TeacherWindow::TeacherWindow(QWidget* parent) : QWidget(parent), form_(new ClassSetForm(this)) {
    setWindowTitle(tr("Равнинни фигури — за учителя"));
    auto* intro = new QLabel(
        tr("Всеки ученик получава свой вариант: различни точки, еднакво трудна задача. "
           "Програмата записва в папката файл с точките на всеки вариант, работните листове и "
           "отговорите."),
        this);
    intro->setWordWrap(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(form_, 1);
}

}  // namespace plane_figures::workspace
