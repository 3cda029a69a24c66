#include "exercisetext.h"

#include "grid.h"

namespace plane_figures::task {

std::variant<Exercise, pointfile::Error> ReadExercise(std::string_view bytes) {
    pointfile::ParseResult parsed = pointfile::ParseFile(bytes);
    if (auto* error = std::get_if<pointfile::Error>(&parsed)) return std::move(*error);
    Exercise exercise;
    for (const GridPoint p : std::get<std::vector<GridPoint>>(parsed))
        exercise.points.push_back(SnapToNode(p));
    exercise.task = Read(bytes);
    return exercise;
}

}  // namespace plane_figures::task
