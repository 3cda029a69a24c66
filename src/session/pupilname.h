// A pupil's name and class as he types them, made fit for where they go: a
// line of his saved task, and the name of his own file.
#pragma once

#include <string>
#include <string_view>

namespace plane_figures::session {

class PupilName {
public:
    // On one line: line ends, tabs and runs of blanks come to one blank, none
    // at the ends.
    static std::string OneLine(std::string_view typed);
    // In a file name: also no character Windows forbids there, nor a
    // folder's separator, and no dot or blank at the end.
    static std::string InFileName(std::string_view typed);

private:
    // typed with the characters blank() tells made blanks, and blanks made one
    template <typename Blank>
    static std::string Collapsed(std::string_view typed, Blank blank);
};

}  // namespace plane_figures::session
