#include "pupilname.h"

namespace plane_figures::session {

template <typename Blank>
std::string PupilName::Collapsed(std::string_view typed, Blank blank) {
    std::string line;
    bool after_blank = false;
    for (const char c : typed) {
        if (blank(c)) {
            after_blank = !line.empty();
            continue;
        }
        if (after_blank) line += ' ';
        after_blank = false;
        line += c;
    }
    return line;
}

std::string PupilName::OneLine(std::string_view typed) {
    return Collapsed(typed,
                     [](char c) { return c == ' ' || static_cast<unsigned char>(c) < 0x20; });
}

std::string PupilName::InFileName(std::string_view typed) {
    std::string name = Collapsed(typed, [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("\\/:*?\"<>| ").find(c) != std::string_view::npos;
    });
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    return name;
}

}  // namespace plane_figures::session
