// An exercise: a .pfig file of points (see pointfile.h), read and written
// whole by the window and the command line, with messages that name the file
// (Bulgarian, or their translation where one is installed).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "exercisetext.h"
#include "gridpoint.h"

namespace plane_figures::workspace {

namespace exercisefile {

using Points = std::vector<GridPoint>;

// A file's points, and what its comment lines say when its first line names
// a class set's variant: then it is a pupil's task.
using Exercise = task::Exercise;

// The bytes of the file at path, the first pointfile::kMaxFileBytes + 1 at
// most (as much as a reader needs); nothing when it cannot be read.
std::optional<QByteArray> ReadBytes(const QString& path);

// The one way a file's points come in, for the window, a dropped file, a
// file named on the command line and --report: the points of the file at
// path in file order, each on its nearest grid node as a click there puts
// it; or why it cannot be opened, a message naming the file, and the line
// at fault and what is wrong with it. Only a regular file (or a link to one)
// is read: a named pipe, a device or a socket is refused before it is
// opened, since reading one may wait for ever.
std::variant<Points, QString> Read(const QString& path);
// The same, with the task its comment lines name, read from the same bytes.
std::variant<Exercise, QString> ReadExercise(const QString& path);

// Write the points to path whole or not at all: a failure leaves a file
// already there as it was. Empty on success, else why it was not written.
[[nodiscard]] QString Write(const QString& path, std::span<const GridPoint> points);
// The same for a pupil's task: the variant's line and his lines before the points.
[[nodiscard]] QString WriteTask(const QString& path, const task::HandedIn& handed_in,
                                std::span<const GridPoint> points);

// path with ".pfig" added when its name has no suffix.
QString WithSuffix(const QString& path);

// Why the file at path was not written, as every message of the program
// says it: "Файлът „…“ не е записан: reason."
QString NotWritten(const QString& path, const QString& reason);

}  // namespace exercisefile

}  // namespace plane_figures::workspace
