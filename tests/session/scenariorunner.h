// A scenario: a pupil's actions on the session, each followed by what must
// hold, one per line of a text file that every front-end runs.
//
//   # a comment; blank lines are skipped
//   click 33 47        enter the node nearest a canvas pixel
//   choose 2           choose row 2 (or "none")
//   delete 1           delete row 1 (or "chosen": "Изтрий  1 т.")
//   clear | undo | redo | draw | check | answers | save | leave
//   type 6 12          the pupil's count of the kind in row 6 (1 to 7), the
//                      rest of the line as typed (nothing: an empty box)
//   hint               "Подсказка" (F6) for the hint's kind
//   hint-kind 3        the kind in row 3 chosen in the hint's list
//   line 2             report line 2 chosen (0: the header; -1: none)
//   pupil Иван, 6 а    his name and class
//   open               a file's lines follow, up to a line ".", LF ends
//   new                a new session, as when the program starts
//
//   expect done yes|no             the last action was done
//   expect changed NAME...         exactly what it changed: added removed
//                                  points choice report result counts
//                                  pupil-count task locked steps overlay
//                                  (or "nothing")
//   expect points X,Y ...          the points in entry order (none: nothing)
//   expect chosen N|none
//   expect pupil C...              the pupil's seven boxes, "-" for empty
//   expect program C...            the program's seven counts, "-" for empty
//   expect result yes|no           a result of these very points
//   expect report                  its text's lines follow, up to "."
//   expect undo TEXT|none          the step "Отмени" takes back; redo alike
//   expect unsaved yes|no
//   expect task yes|no
//   expect draw allowed|held       "Чертай" may run
//   expect verdicts V...           the last check, seven of right more
//                                  fewer empty no-number not-asked
//   expect tally CHECKS HINTS      the checks and hints used
//   expect hint sentence|figure|nothing-left|none   what the last hint showed
//   expect hint-kind K|none        the row of the kind a hint is for
//   expect said TEXT               what the task last said (nothing: empty)
//   expect shown N,N,N line L      the figure over the canvas: its vertices'
//                                  numbers, and the line chosen, or "hint"; or none
//   expect reason                  why it is its kind: lines up to "."
//   expect refusal TEXT            why the last file was not opened
//   expect own-file NAME           the file a task's work is offered as
//   expect from-variant yes|no     the task is still the teacher's variant
//   expect file                    what a save writes: lines up to "."
#pragma once

#include <string>
#include <vector>

namespace plane_figures::session {

// Runs the scenario's text; the faults found, each with its line number
// (none when every expectation held).
std::vector<std::string> RunScenario(const std::string& text);

}  // namespace plane_figures::session
