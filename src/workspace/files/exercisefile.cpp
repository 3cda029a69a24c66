#include "exercisefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <string_view>
#include <utility>

#include "pointfile.h"

namespace plane_figures::workspace::exercisefile {

namespace {

// The files' messages, translated in the context "ExerciseFile"; what is
// wrong inside a file is the point-file reader's and stays as it says it.
struct Texts {
    static QString NotOpened() {
        return QCoreApplication::translate("ExerciseFile",
                                           "Файлът „%1“ не може да бъде отворен. %2.");
    }
    static QString NotWritten() {
        return QCoreApplication::translate("ExerciseFile", "Файлът „%1“ не е записан: %2.");
    }
    static QString NoSuchFile() {
        return QCoreApplication::translate("ExerciseFile", "няма такъв файл");
    }
    static QString AFolder() {
        return QCoreApplication::translate("ExerciseFile", "това е папка, а не файл");
    }
    static QString NotRegular() {
        return QCoreApplication::translate("ExerciseFile", "това не е обикновен файл");
    }
    static QString Unreadable() {
        return QCoreApplication::translate("ExerciseFile", "съдържанието му не може да се прочете");
    }
    static QString NoFolder() {
        return QCoreApplication::translate("ExerciseFile", "папката му не съществува");
    }
    static QString NoPoints() {
        return QCoreApplication::translate("ExerciseFile", "няма точки за записване");
    }
    static QString NoRight() {
        return QCoreApplication::translate("ExerciseFile", "нямате право да записвате там");
    }
    static QString Interrupted() {
        return QCoreApplication::translate("ExerciseFile",
                                           "дискът е пълен или записът беше прекъснат");
    }
};

// the file's name as the messages give it
QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString NotOpened(const QString& path, const QString& reason) {
    // two sentences, so that a message has one colon at most ("Ред 3: …")
    const QString sentence = reason.left(1).toUpper() + reason.mid(1);
    return Texts::NotOpened().arg(Shown(path), sentence);
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// why the file at path cannot be read before reading it; empty when it can
QString ReadFault(const QFileInfo& file) {
    if (!file.exists()) return Texts::NoSuchFile();
    if (file.isDir()) return Texts::AFolder();
    // a named pipe, a device or a socket may never end, or never begin
    if (!file.isFile()) return Texts::NotRegular();
    return QString();
}

// why a file cannot be written at path before trying; empty when it may be
QString WriteFault(const QFileInfo& file) {
    if (file.isDir()) return Texts::AFolder();
    if (!file.absoluteDir().exists()) return Texts::NoFolder();
    return QString();
}

}  // namespace

std::optional<QByteArray> ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(static_cast<qint64>(pointfile::kMaxFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

std::variant<Exercise, QString> ReadExercise(const QString& path) {
    if (const QString fault = ReadFault(QFileInfo(path)); !fault.isEmpty()) {
        return NotOpened(path, fault);
    }
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes) return NotOpened(path, Texts::Unreadable());
    auto read = task::ReadExercise(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
    if (const auto* error = std::get_if<pointfile::Error>(&read)) {
        return NotOpened(path, FromUtf8(error->message));
    }
    return std::move(std::get<Exercise>(read));
}

std::variant<Points, QString> Read(const QString& path) {
    auto read = ReadExercise(path);
    if (auto* message = std::get_if<QString>(&read)) return std::move(*message);
    return std::move(std::get<Exercise>(read).points);
}

namespace {

// text written to path whole or not at all
QString WriteText(const QString& path, std::span<const GridPoint> points, const std::string& text) {
    // a file without points would not open again
    if (points.empty()) return NotWritten(path, Texts::NoPoints());
    if (const QString fault = WriteFault(QFileInfo(path)); !fault.isEmpty()) {
        return NotWritten(path, fault);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return NotWritten(path, Texts::NoRight());
    }
    file.write(text.data(), static_cast<qint64>(text.size()));
    if (!file.commit()) {
        return NotWritten(path, Texts::Interrupted());
    }
    return QString();
}

}  // namespace

QString Write(const QString& path, std::span<const GridPoint> points) {
    return WriteText(path, points, pointfile::Format(points));
}

QString WriteTask(const QString& path, const task::HandedIn& handed_in,
                  std::span<const GridPoint> points) {
    return WriteText(path, points, task::FileText(handed_in, points));
}

QString WithSuffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pfig") : path;
}

QString NotWritten(const QString& path, const QString& reason) {
    return Texts::NotWritten().arg(Shown(path), reason);
}

}  // namespace plane_figures::workspace::exercisefile
