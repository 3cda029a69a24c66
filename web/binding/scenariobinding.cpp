// The session's scenario files run in the browser: the same runner the
// desktop's tests use, on the session compiled for the page.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "scenariorunner.h"

EMSCRIPTEN_BINDINGS(plane_figures_scenarios) {
    emscripten::register_vector<std::string>("Faults");
    emscripten::function("runScenario", &plane_figures::session::RunScenario);
}
