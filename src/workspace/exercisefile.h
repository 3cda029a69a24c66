// An exercise: a .pfig file of points (see pointfile.h), read and written
// whole by the window and the command line, with Bulgarian messages that name
// the file.
#pragma once

#include <QString>
#include <span>
#include <variant>
#include <vector>

#include "gridpoint.h"

class ExerciseFile {
public:
    using Points = std::vector<plane_figures::GridPoint>;

    // The points of the file at path in file order, as written (not snapped);
    // or why it cannot be opened, a message naming the file.
    static std::variant<Points, QString> Read(const QString& path);

    // Write the points to path whole or not at all: a failure leaves a file
    // already there as it was. Empty on success, else why it was not written.
    [[nodiscard]] static QString Write(const QString& path,
                                       std::span<const plane_figures::GridPoint> points);

    // path with ".pfig" added when its name has no suffix.
    static QString WithSuffix(const QString& path);
};
