#include "teacherwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "classresultsview.h"
#include "classsetform.h"
#include "guidewindow.h"

namespace plane_figures::workspace {

TeacherWindow::TeacherWindow(QWidget* parent)
    : QWidget(parent),
      form_(new ClassSetForm(this)),
      results_(new ClassResultsView(this)),
      tabs_(new QTabWidget(this)) {
    setWindowTitle(tr("Равнинни фигури — за учителя"));
    auto* intro = new QLabel(
        tr("Всеки ученик получава свой вариант: различни точки, равностойна задача. "
           "Програмата записва в папката файл с точките на всеки вариант, работните листове и "
           "отговорите."),
        this);
    intro->setWordWrap(true);
    auto* class_set = new QWidget(tabs_);
    auto* column = new QVBoxLayout(class_set);
    column->addWidget(intro);
    column->addWidget(form_, 1);
    tabs_->addTab(class_set, tr("Класен комплект"));
    tabs_->addTab(results_, tr("Резултати на класа"));
    // the teacher's guide, by its button above the tabs or by F1
    auto* guide = new QPushButton(tr("Ръководство за учителя (F1)"), this);
    guide->setToolTip(
        tr("Как се прави урок, комплект за класа, задача и как се четат резултатите"));
    connect(guide, &QPushButton::clicked, this, [] { GuideWindow::Open(); });
    new QShortcut(QKeySequence(Qt::Key_F1), this, [] { GuideWindow::Open(); });
    auto* top = new QHBoxLayout();
    top->addStretch();
    top->addWidget(guide);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(tabs_);
    // the first size shows every column of the results and every check box
    // whole, within the screen
    QSize size = sizeHint();
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

}  // namespace plane_figures::workspace
