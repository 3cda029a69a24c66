// The class's results: the pupils' saved tasks of a folder, a row each, each
// kind judged anew from the file's own points, never from what the file
// says of them, and the share of right answers of each kind.
//
// A file is judged against the variant its first line names, made again from
// the set's settings and code. A file whose points are not that variant's
// (a point moved, added, taken away or written twice) is marked changed and
// wrong in every kind. A file that is no variant of a class set is a row too,
// with a note that says why it is left out of the shares.
//
// The folder's own set is the one most of its files belong to (the same code
// and settings); a file of another set is judged but counts in no share.
// Only the kinds a file's set asked are judged; a pupil who saw the answers
// counts as wrong in the shares, though his row says which he had right; two
// files that name the same pupil both say so.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "classsettings.h"
#include "figurekinds.h"

namespace plane_figures::classresults {

// A file of the folder: its name and bytes (the first
// pointfile::kMaxFileBytes + 1 at most), nothing when it could not be read.
struct FolderFile {
    std::string name;
    std::optional<std::string> bytes;
};

// The notes of the rows, short, for the table's last column.
inline constexpr std::string_view kUnreadable = "файлът не може да се прочете";
inline constexpr std::string_view kNotPoints = "не е файл с точки";
inline constexpr std::string_view kNotVariant = "не е вариант от класен комплект";
inline constexpr std::string_view kNotMadeAgain = "вариантът не може да се състави отново";
inline constexpr std::string_view kChangedPoints = "променени точки";
inline constexpr std::string_view kNoPupilLines = "без име и отговор на ученика";
inline constexpr std::string_view kOtherSet = "друг комплект";
// followed by the other files' names: "същото име като „b.pfig“"
inline constexpr std::string_view kSameName = "същото име като";
// the rows after the shares of what the folder holds but was not read
inline constexpr std::string_view kNotPfig = "не е прочетен: не е .pfig";
inline constexpr std::string_view kSubfolder = "не е прочетена: папка";

struct PupilRow {
    std::string file_name;
    std::string pupil;  // as the file gives it; empty when it names no pupil
    int variant = 0;    // its number in its set; 0 for a file left out
    // the settings of its set; nothing for a file left out
    std::optional<classset::ClassSettings> set;
    // each kind its set asked right: the pupil's count is the analysis's
    // count of the file's points; an empty box, a changed file or no answer
    // is wrong; a kind not asked is never right
    std::array<bool, kKindCount> right{};
    // nothing when the file holds no pupil's lines
    std::optional<int> checks;
    std::optional<int> hints;
    std::optional<bool> answers_shown;
    bool counted = false;  // in the shares; false for a file left out or of another set
    bool changed = false;  // its points are not its variant's
    std::string note;      // why it is left out, or what is amiss; empty when nothing

    // The name the table shows: the pupil's, or the file's where the file
    // names no pupil (no pupil's lines, an empty name, a file left out).
    std::string Name() const { return pupil.empty() ? file_name : pupil; }
    // no variant of a set that could be made again: only its name and note
    bool LeftOut() const { return variant == 0; }
    // a kind its set asked for (row 0..6 of the count frame)
    bool Asked(std::size_t kind) const { return set && ((set->kinds >> kind) & 1u) != 0; }
    bool SawAnswers() const { return answers_shown.value_or(false); }
};

// What a folder holds: its point files, and the names of the rest, which are
// not read (other files; subfolders with '/' after the name).
struct Folder {
    std::vector<FolderFile> files;
    std::vector<std::string> not_read;
};

struct ClassResults {
    std::vector<PupilRow> rows;  // one per file, in the files' order
    int counted = 0;             // the rows that count in the shares
    // the folder's own set: the one most of its files belong to, the first
    // file's of those sets on a tie; nothing when no file is of a set
    std::optional<classset::ClassSettings> set;
    // each kind's share of right answers over the rows that count, in whole
    // percent, a pupil who saw the answers wrong; nothing when no row counts
    // and for a kind the set did not ask
    std::array<std::optional<int>, kKindCount> shares{};
    std::vector<std::string> not_read;  // as the folder gives them
};

// The rows of these files, one each and in their order (the caller gives
// them sorted by name), and the shares.
ClassResults Judge(std::span<const FolderFile> files, std::span<const std::string> not_read = {});
ClassResults Judge(const Folder& folder);

// A name as two files are told to name the same pupil by: its letters in
// small case, its spaces one each, none at its ends.
std::string NameKey(std::string_view name);

// right of counted in whole percent, halves rounded up; counted > 0.
int SharePercent(int right, int counted);

}  // namespace plane_figures::classresults
