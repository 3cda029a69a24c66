#include "windowcommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <variant>
#include <vector>

#include "exercisefile.h"
#include "grid.h"
#include "helptext.h"
#include "utf8.h"
#include "worksheet.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

WindowCommands::WindowCommands(QWidget* window, WorkspaceModel& model, SheetMaker sheet_of)
    : QObject(window),
      window_(window),
      model_(model),
      sheet_of_(std::move(sheet_of)),
      prompts_(Prompts::Dialogs(window)) {
    const auto sheet = [this](void (WindowCommands::*run)(Sheet), Sheet which) {
        return [this, run, which] { (this->*run)(which); };
    };
    AddCommand("Отвори…", "open", "Отвори файл с точки (Ctrl+O)", {Qt::CTRL | Qt::Key_O},
               [this] { ChooseAndOpen(); });
    AddCommand("Запиши…", "save", "Запиши точките във файл (Ctrl+S)", {Qt::CTRL | Qt::Key_S},
               [this] { ChooseAndSave(); });
    AddCommand(model.UndoStack().createUndoAction(window, QStringLiteral("Отмени")), "undo",
               "Отмени последната стъпка (Ctrl+Z)", {Qt::CTRL | Qt::Key_Z});
    AddCommand(model.UndoStack().createRedoAction(window, QStringLiteral("Върни")), "redo",
               "Върни отменената стъпка (Ctrl+Y, Ctrl+Shift+Z)",
               {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
    AddCommand("Отпечатай отговорите…", "print-answers",
               "Лист с отговорите: платното, точките, броевете и резултата (Ctrl+P)",
               {Qt::CTRL | Qt::Key_P}, sheet(&WindowCommands::PrintSheet, Sheet::kAnswerSheet));
    AddCommand("Отпечатай работен лист…", "print-worksheet",
               "Работен лист: платното и точките, без отговорите (Ctrl+Shift+P)",
               {Qt::CTRL | Qt::SHIFT | Qt::Key_P},
               sheet(&WindowCommands::PrintSheet, Sheet::kWorksheet));
    AddCommand("Запиши отговорите като PDF…", "export-answers",
               "Листа с отговорите в PDF, или платното в PNG (Ctrl+E)", {Qt::CTRL | Qt::Key_E},
               sheet(&WindowCommands::ExportSheet, Sheet::kAnswerSheet));
    AddCommand("Запиши работен лист като PDF…", "export-worksheet",
               "Работния лист в PDF, или платното без отговорите в PNG (Ctrl+Shift+E)",
               {Qt::CTRL | Qt::SHIFT | Qt::Key_E},
               sheet(&WindowCommands::ExportSheet, Sheet::kWorksheet));
    AddCommand("Помощ", "help", "Клавиши и файлове с точки (F1)", {Qt::Key_F1},
               [this] { ShowHelp(); });
}

QAction* WindowCommands::AddCommand(const char* text, const char* name, const char* tip,
                                    const QList<QKeySequence>& keys, std::function<void()> run) {
    auto* action = new QAction(QString::fromUtf8(text), window_);
    connect(action, &QAction::triggered, this, std::move(run));
    return AddCommand(action, name, tip, keys);
}

// action made a command of the window: named, with a tooltip, its keys
// working anywhere in the window
QAction* WindowCommands::AddCommand(QAction* action, const char* name, const char* tip,
                                    const QList<QKeySequence>& keys) {
    action->setObjectName(QLatin1String(name));
    action->setToolTip(QString::fromUtf8(tip));
    action->setShortcuts(keys);
    window_->addAction(action);
    actions_ << action;
    return action;
}

bool WindowCommands::OpenFile(const QString& path) {
    const auto read = exercisefile::Read(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        prompts_.tell(QMessageBox::Warning, *message);
        return false;
    }
    // each point goes to its nearest grid node, as a click there would
    std::vector<GridPoint> nodes;
    for (const GridPoint p : std::get<exercisefile::Points>(read)) nodes.push_back(SnapToNode(p));
    model_.ReplacePoints(nodes);
    last_file_ = path;
    return true;
}

bool WindowCommands::SaveFile(const QString& path) {
    if (const QString error = exercisefile::Write(path, model_.Points().Points());
        !error.isEmpty()) {
        prompts_.tell(QMessageBox::Warning, error);
        return false;
    }
    last_file_ = path;
    return true;
}

QString WindowCommands::DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return QString();
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return QString();
}

void WindowCommands::ChooseAndOpen() {
    const QString path = prompts_.file_to_open(last_file_);
    if (!path.isEmpty()) OpenFile(path);
}

void WindowCommands::ChooseAndSave() {
    if (model_.PointCount() == 0) {
        prompts_.tell(QMessageBox::Information, QStringLiteral("Няма точки за записване."));
        return;
    }
    const QString path = prompts_.file_to_save(last_file_);
    if (!path.isEmpty()) SaveFile(exercisefile::WithSuffix(path));
}

void WindowCommands::ShowHelp() {
    QStringList lines;
    for (const std::string_view line : kHelpLines) lines << Utf8(line);
    prompts_.tell(QMessageBox::Information, lines.join(QLatin1Char('\n')));
}

void WindowCommands::PrintSheet(Sheet sheet) {
    const QString error = Worksheet(sheet_of_(sheet), sheet).Print(window_);
    if (!error.isEmpty()) prompts_.tell(QMessageBox::Warning, error);
}

void WindowCommands::ExportSheet(Sheet sheet) {
    const bool answers = sheet == Sheet::kAnswerSheet;
    const QString folder =
        last_file_.isEmpty() ? QString() : QFileInfo(last_file_).path() + QLatin1Char('/');
    const QString path = prompts_.file_to_export(
        answers ? QStringLiteral("Запиши листа с отговорите")
                : QStringLiteral("Запиши работния лист"),
        folder + (answers ? QStringLiteral("отговори.pdf") : QStringLiteral("работен-лист.pdf")));
    if (path.isEmpty()) return;
    const QString error = Worksheet(sheet_of_(sheet), sheet).Export(path);
    if (!error.isEmpty()) prompts_.tell(QMessageBox::Warning, error);
}

}  // namespace plane_figures::workspace
