#include "windowcommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <variant>
#include <vector>

#include "classsetfiles.h"
#include "exercisefile.h"
#include "guidewindow.h"
#include "helptext.h"
#include "pointset.h"
#include "pupiltext.h"
#include "translatedlines.h"
#include "utf8.h"
#include "worksheet.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

// The window's messages and the export dialog's title and suggested name (the
// commands' captions and tooltips are listed where they are made, below).
struct WindowCommands::Texts {
    static QString DroppedSeveral(qsizetype count) {
        return tr("Пуснахте %1 файла, а може да се отвори само един.").arg(count);
    }
    static QString OpenedOne(const QString& name) {
        return tr("Отворен е файлът „%1“. ").arg(name);
    }
    static QString OthersNotOpened() { return tr(" Останалите не бяха отворени."); }
    static QString SaveBeforeClosing(const QString& name) {
        return tr("Точките се различават от записаните във файла „%1“. Да се запишат ли?")
            .arg(name);
    }
    static QString TaskBeforeLeaving(const QString& name) {
        return tr("Работата по задачата (броевете, проверките и подсказките) не е записана във "
                  "файла „%1“. Да се запише ли?")
            .arg(name);
    }
    static QString ExportTitle(bool answers) {
        return answers ? tr("Запиши листа с отговорите") : tr("Запиши работния лист");
    }
    static QString ExportName(bool answers) {
        return answers ? tr("отговори.pdf") : tr("работен-лист.pdf");
    }
};

WindowCommands::WindowCommands(QWidget* window, WorkspaceModel& model, SheetMaker sheet_of)
    : QObject(window),
      window_(window),
      model_(model),
      sheet_of_(std::move(sheet_of)),
      prompts_(Prompts::Dialogs(window)),
      save_folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    const auto sheet = [this](void (WindowCommands::*run)(Sheet), Sheet which) {
        return [this, run, which] { (this->*run)(which); };
    };
    AddCommand(QT_TR_NOOP("Отвори…"), "open", QT_TR_NOOP("Отвори файл с точки (Ctrl+O)"),
               {Qt::CTRL | Qt::Key_O}, [this] { ChooseAndOpen(); });
    AddCommand(QT_TR_NOOP("Запиши…"), "save", QT_TR_NOOP("Запиши точките във файл (Ctrl+S)"),
               {Qt::CTRL | Qt::Key_S}, [this] { ChooseAndSave(); });
    // named and enabled by the session's steps, which take them back and bring them back
    QAction* undo = new QAction(window);
    connect(undo, &QAction::triggered, &model, &WorkspaceModel::Undo);
    AddCommand(undo, "undo", QT_TR_NOOP("Отмени последната стъпка (Ctrl+Z)"),
               {Qt::CTRL | Qt::Key_Z});
    QAction* redo = new QAction(window);
    connect(redo, &QAction::triggered, &model, &WorkspaceModel::Redo);
    const auto name_steps = [this, undo, redo] {
        // "Отмени" alone with nothing to take back, else with the step's name
        const auto named = [](const QString& verb, const QString& step) {
            return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
        };
        undo->setText(named(tr("Отмени"), model_.UndoText()));
        undo->setEnabled(model_.CanUndo());
        redo->setText(named(tr("Върни"), model_.RedoText()));
        redo->setEnabled(model_.CanRedo());
    };
    name_steps();
    connect(&model, &WorkspaceModel::StepsChanged, this, name_steps);
    AddCommand(redo, "redo", QT_TR_NOOP("Върни отменената стъпка (Ctrl+Y, Ctrl+Shift+Z)"),
               {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    AddCommand(
        QT_TR_NOOP("Отпечатай лист с отговорите…"), "print-answers",
        QT_TR_NOOP(
            "Отпечатай листа с отговорите: платното, точките, броевете и резултата (Ctrl+P)"),
        {Qt::CTRL | Qt::Key_P}, sheet(&WindowCommands::PrintSheet, Sheet::kAnswerSheet));
    AddCommand(
        QT_TR_NOOP("Отпечатай работен лист…"), "print-worksheet",
        QT_TR_NOOP("Отпечатай работен лист: платното и точките, без отговорите (Ctrl+Shift+P)"),
        {Qt::CTRL | Qt::SHIFT | Qt::Key_P}, sheet(&WindowCommands::PrintSheet, Sheet::kWorksheet));
    AddCommand(
        QT_TR_NOOP("Запиши лист с отговорите във файл…"), "export-answers",
        QT_TR_NOOP(
            "Запиши листа с отговорите като PDF или само платното като картина PNG (Ctrl+E)"),
        {Qt::CTRL | Qt::Key_E}, sheet(&WindowCommands::ExportSheet, Sheet::kAnswerSheet));
    AddCommand(
        QT_TR_NOOP("Запиши работен лист във файл…"), "export-worksheet",
        QT_TR_NOOP("Запиши работния лист като PDF или само платното без фигурите като картина PNG "
                   "(Ctrl+Shift+E)"),
        {Qt::CTRL | Qt::SHIFT | Qt::Key_E}, sheet(&WindowCommands::ExportSheet, Sheet::kWorksheet));
    AddCommand(QT_TR_NOOP("Помощ"), "help",
               QT_TR_NOOP("Мишката, клавишите и файловете с точки (F1)"), {Qt::Key_F1},
               [this] { ShowHelp(); });
    AddCommand(QT_TR_NOOP("Ръководство за учителя…"), "guide",
               QT_TR_NOOP("Ръководството за учителя: урок с програмата, листове, комплект за "
                          "класа, задачите и резултатите на класа (Shift+F1)"),
               {Qt::SHIFT | Qt::Key_F1}, [] { GuideWindow::Open(); });
    // a task's answer sheet only once the pupil may see the answers
    connect(&model, &WorkspaceModel::TaskChanged, this, [this] {
        for (QAction* action : actions_) {
            if (action->objectName().endsWith(QLatin1String("-answers")))
                action->setEnabled(model_.DrawAllowed());
        }
    });
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) box->installEventFilter(this);
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
        box->installEventFilter(this);
}

bool WindowCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : actions_) {
        if (!action->shortcuts().contains(pressed)) continue;
        if (const auto* box = qobject_cast<QLineEdit*>(watched)) {
            if (action->objectName() == QLatin1String("undo") && box->isUndoAvailable())
                return false;
            if (action->objectName() == QLatin1String("redo") && box->isRedoAvailable())
                return false;
        }
        event->ignore();  // not the box's key: the window's command takes it
        return true;
    }
    return false;
}

QAction* WindowCommands::AddCommand(const char* text, const char* name, const char* tip,
                                    const QList<QKeySequence>& keys, std::function<void()> run) {
    auto* action = new QAction(tr(text), window_);
    connect(action, &QAction::triggered, this, std::move(run));
    return AddCommand(action, name, tip, keys);
}

// action made a command of the window: named, with a tooltip, its keys
// working anywhere in the window
QAction* WindowCommands::AddCommand(QAction* action, const char* name, const char* tip,
                                    const QList<QKeySequence>& keys) {
    action->setObjectName(QLatin1String(name));
    action->setToolTip(tr(tip));
    action->setShortcuts(keys);
    window_->addAction(action);
    actions_ << action;
    return action;
}

bool WindowCommands::OpenFile(const QString& path) {
    if (!MayLeaveTask()) return false;
    const QString refused = Opened(path);
    if (!refused.isEmpty()) prompts_.tell(QMessageBox::Warning, refused);
    return refused.isEmpty();
}

QString WindowCommands::Opened(const QString& path) {
    const auto read = exercisefile::ReadExercise(path);
    if (const auto* message = std::get_if<QString>(&read)) return *message;
    const auto& exercise = std::get<exercisefile::Exercise>(read);
    if (exercise.task) {
        model_.OpenTask(exercise.points, *exercise.task);
    } else {
        model_.ReplacePoints(exercise.points);
    }
    last_file_ = path;
    variant_file_ = exercise.task && !exercise.task->pupil ? path : QString();
    return QString();
}

// A task's counts, checks and hints are no step to undo: another file opened
// over them asks first, as closing the window does.
bool WindowCommands::MayLeaveTask() { return model_.Task() == nullptr || MayClose(); }

void WindowCommands::OpenDropped(const QStringList& paths) {
    if (paths.size() < 2) {
        if (!paths.isEmpty()) OpenFile(paths.first());
        return;
    }
    if (!MayLeaveTask()) return;
    const QString refused = Opened(paths.first());
    const QString name = QDir::toNativeSeparators(paths.first());
    const QString several = Texts::DroppedSeveral(paths.size());
    if (refused.isEmpty()) {
        prompts_.tell(QMessageBox::Information, Texts::OpenedOne(name) + several);
    } else {
        prompts_.tell(QMessageBox::Warning,
                      refused + QStringLiteral("\n\n") + several + Texts::OthersNotOpened());
    }
}

bool WindowCommands::PupilNamed() {
    if (!model_.Session().NeedsPupil()) return true;
    const QString pupil = prompts_.line(Shown(PupilText().NameQuestion()));
    model_.SetPupil(pupil);
    if (model_.Session().NeedsPupil()) {  // nothing but blanks
        prompts_.tell(QMessageBox::Warning, Shown(PupilText().NameNeeded()));
        return false;
    }
    return true;
}

QString WindowCommands::OwnFileName() const {
    if (model_.Task() == nullptr) return last_file_;
    return QDir(save_folder_).filePath(QString::fromStdString(model_.Session().OwnFileName()));
}

bool WindowCommands::SaveAsOwnFile() {
    if (!PupilNamed()) return false;
    const QString path = prompts_.file_to_save(OwnFileName());
    return !path.isEmpty() && SaveFile(exercisefile::WithSuffix(path));
}

bool WindowCommands::SaveFile(const QString& path) {
    const auto points = model_.Points().Points();
    if (model_.Session().FromVariant() &&
        QFileInfo(path).canonicalFilePath() == QFileInfo(variant_file_).canonicalFilePath()) {
        prompts_.tell(QMessageBox::Warning,
                      Shown(PupilText().NotIntoTheVariant(
                          QDir::toNativeSeparators(variant_file_).toStdString())));
        return false;
    }
    // a task names its pupil, asked the first time it is saved
    if (!PupilNamed()) return false;
    const auto handed_in = model_.HandedIn();
    const QString error = handed_in ? exercisefile::WriteTask(path, *handed_in, points)
                                    : exercisefile::Write(path, points);
    if (!error.isEmpty()) {
        prompts_.tell(QMessageBox::Warning, error);
        return false;
    }
    last_file_ = path;
    if (handed_in) {
        save_folder_ = QFileInfo(path).absolutePath();
    }
    model_.MarkSaved();
    return true;
}

bool WindowCommands::MayClose() {
    if (!model_.Unsaved()) return true;
    const QString name = QDir::toNativeSeparators(last_file_);
    const bool points_changed = !model_.StepsAtSaved();
    const QString question =
        points_changed ? Texts::SaveBeforeClosing(name) : Texts::TaskBeforeLeaving(name);
    switch (prompts_.save_before_closing(question)) {
        case QMessageBox::Save:
            return model_.Session().FromVariant() ? SaveAsOwnFile() : SaveFile(last_file_);
        case QMessageBox::Discard: return true;
        default: return false;
    }
}

QStringList WindowCommands::DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) files << url.toLocalFile();
    }
    return files;
}

void WindowCommands::ChooseAndOpen() {
    const QString path = prompts_.file_to_open(last_file_);
    if (!path.isEmpty()) OpenFile(path);
}

void WindowCommands::ChooseAndSave() {
    if (model_.PointCount() == 0) {
        prompts_.tell(QMessageBox::Information, Shown(PupilText().NothingToSave()));
        return;
    }
    if (model_.Session().FromVariant()) {
        SaveAsOwnFile();
        return;
    }
    const QString path = prompts_.file_to_save(last_file_);
    if (!path.isEmpty()) SaveFile(exercisefile::WithSuffix(path));
}

void WindowCommands::ShowHelp() {
    QStringList lines = TranslatedLines("HelpText", kHelpLines);
    for (QString& line : lines) {
        if (line.contains(QLatin1String("%1"))) line = line.arg(PointSet::kCapacity);
    }
    prompts_.help(lines.join(QLatin1Char('\n')));
}

void WindowCommands::PrintSheet(Sheet sheet) {
    const QString error = Worksheet(sheet_of_(sheet), sheet).Print(window_);
    if (!error.isEmpty()) prompts_.tell(QMessageBox::Warning, error);
}

void WindowCommands::ExportSheet(Sheet sheet) {
    const bool answers = sheet == Sheet::kAnswerSheet;
    const QString folder =
        last_file_.isEmpty() ? QString() : QFileInfo(last_file_).path() + QLatin1Char('/');
    const QString path =
        prompts_.file_to_export(Texts::ExportTitle(answers), folder + Texts::ExportName(answers));
    if (path.isEmpty()) return;
    const QString error = Worksheet(sheet_of_(sheet), sheet).Export(path);
    if (!error.isEmpty()) prompts_.tell(QMessageBox::Warning, error);
}

}  // namespace plane_figures::workspace
