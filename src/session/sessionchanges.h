// What one call on the pupil's session changed, for a front-end to show: it
// reads the session anew where a member says so, in the members' order (the
// points first, the choice after the points it is a row of).
#pragma once

namespace plane_figures::session {

struct SessionChanges {
    // The call did what it asks: the step taken, the file's points taken,
    // the check made, and so on; false when it was refused or had nothing to do.
    bool done = false;
    int added = -1;        // the row of a point just entered, or -1
    int removed = -1;      // the row of a point just deleted, or -1
    bool points = false;   // all the points anew: cleared, opened, undone or redone
    bool choice = false;   // another point is chosen, or none
    bool report = false;   // the report's text
    bool result = false;   // the result went or came: the report's lines name other figures
    bool counts = false;   // both columns of counts, as a whole
    int pupil_count = -1;  // the one box of the pupil's count that changed, or -1
    bool task = false;     // a task opened or left, or its checks, hints or answers changed
    bool locked = false;   // a step on the open task's points was refused
    bool steps = false;    // the steps to take back or bring back, or the saved place
    bool overlay = false;  // the figure drawn over the canvas, and why, or none

    // Both changes, as if one call made them.
    SessionChanges& operator+=(const SessionChanges& later) {
        done = done || later.done;
        if (later.added >= 0) added = later.added;
        if (later.removed >= 0) removed = later.removed;
        points = points || later.points;
        choice = choice || later.choice;
        report = report || later.report;
        result = result || later.result;
        counts = counts || later.counts;
        if (later.pupil_count >= 0) pupil_count = later.pupil_count;
        task = task || later.task;
        locked = locked || later.locked;
        steps = steps || later.steps;
        overlay = overlay || later.overlay;
        return *this;
    }
};

}  // namespace plane_figures::session
