// A file's bytes as the program takes them in: its points, each on its
// nearest grid node as a click there puts it, and what its comment lines say
// when its first line names a class set's variant (then it is a pupil's
// task); or why the bytes are no file of points. The window's files and the
// class's results both read files through it.
#pragma once

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "gridpoint.h"
#include "handedin.h"
#include "pointfile.h"

namespace plane_figures::task {

struct Exercise {
    std::vector<GridPoint> points;  // in file order, on grid nodes
    std::optional<HandedIn> task;
};

// The bytes read from a file, the first pointfile::kMaxFileBytes + 1 at most.
std::variant<Exercise, pointfile::Error> ReadExercise(std::string_view bytes);

}  // namespace plane_figures::task
