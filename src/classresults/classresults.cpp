#include "classresults.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <variant>

#include "countcheck.h"
#include "exercisetext.h"
#include "figureanalysis.h"
#include "pointfile.h"
#include "variantsource.h"

namespace plane_figures::classresults {

namespace {

// the points in ascending order: two lists of the same points compare equal
std::vector<GridPoint> Sorted(std::vector<GridPoint> points) {
    std::sort(points.begin(), points.end(),
              [](GridPoint a, GridPoint b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    return points;
}

PupilRow LeftOut(const FolderFile& file, std::string_view note) {
    PupilRow row;
    row.file_name = file.name;
    row.note = std::string(note);
    return row;
}

void AddNote(PupilRow& row, std::string_view note) {
    if (!row.note.empty()) row.note += ", ";
    row.note += note;
}

PupilRow Row(const FolderFile& file, VariantSource& sets) {
    if (!file.bytes) return LeftOut(file, kUnreadable);
    const std::string_view bytes = *file.bytes;
    // read as the window reads a file: its points on their grid nodes
    const auto read = task::ReadExercise(bytes);
    if (const auto* error = std::get_if<pointfile::Error>(&read)) {
        // a file past the size read is said so; any other fault is no file of points
        return LeftOut(file, bytes.size() > pointfile::kMaxFileBytes && !pointfile::CheckKind(bytes)
                                 ? std::string_view(error->message)
                                 : kNotPoints);
    }
    const task::Exercise& exercise = std::get<task::Exercise>(read);
    if (!exercise.task) return LeftOut(file, kNotVariant);
    const task::HandedIn& handed_in = *exercise.task;
    const auto& made = sets.SetOf(handed_in.variant.settings);
    if (!std::holds_alternative<classset::ClassSet>(made)) return LeftOut(file, kNotMadeAgain);
    const classset::Variant& variant = std::get<classset::ClassSet>(made).variants.at(
        static_cast<std::size_t>(handed_in.variant.number - 1));

    PupilRow row;
    row.file_name = file.name;
    row.variant = handed_in.variant.number;
    row.set = handed_in.variant.settings;
    row.counted = true;
    row.changed = Sorted(exercise.points) != Sorted(variant.points);
    if (row.changed) AddNote(row, kChangedPoints);
    if (!handed_in.pupil) {
        AddNote(row, kNoPupilLines);
        return row;
    }
    const task::PupilLines& pupil = *handed_in.pupil;
    row.pupil = pupil.pupil;
    row.checks = pupil.checks;
    row.hints = pupil.hints;
    row.answers_shown = pupil.answers_shown;
    if (row.changed) return row;
    const AnalysisResult result = FigureAnalysis().Run(exercise.points);
    // judged as "Провери" judges: an empty box is right only where there is no figure
    const task::Verdicts verdicts = task::Check(pupil.answer, result.counts);
    for (std::size_t k = 0; k < row.right.size(); ++k)
        row.right[k] = row.Asked(k) && verdicts[k] == task::Verdict::kRight;
    return row;
}

// the set most rows are of, the first row's of those on a tie
std::optional<classset::ClassSettings> MainSet(const std::vector<PupilRow>& rows) {
    std::vector<std::pair<classset::ClassSettings, int>> sets;
    for (const PupilRow& row : rows) {
        if (!row.set) continue;
        const auto found = std::find_if(sets.begin(), sets.end(),
                                        [&](const auto& set) { return set.first == *row.set; });
        if (found == sets.end())
            sets.emplace_back(*row.set, 1);
        else
            ++found->second;
    }
    if (sets.empty()) return std::nullopt;
    return std::max_element(sets.begin(), sets.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// "„a.pfig“", "„a.pfig“ и „b.pfig“", "„a.pfig“, „b.pfig“ и „c.pfig“"
std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t n = 0; n < names.size(); ++n) {
        if (n > 0) text += n + 1 == names.size() ? " и " : ", ";
        text += "„" + names[n] + "“";
    }
    return text;
}

// each row whose pupil another row names too says which files those are
void NoteSameNames(std::vector<PupilRow>& rows) {
    std::map<std::string, std::vector<std::size_t>> named;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (const std::string key = NameKey(rows[r].pupil); !key.empty()) named[key].push_back(r);
    }
    for (const auto& [key, same] : named) {
        if (same.size() < 2) continue;
        for (const std::size_t r : same) {
            std::vector<std::string> others;
            for (const std::size_t o : same) {
                if (o != r) others.push_back(rows[o].file_name);
            }
            AddNote(rows[r], std::string(kSameName) + " " + Listed(others));
        }
    }
}

}  // namespace

int SharePercent(int right, int counted) {
    // right / counted * 100 rounded half up: floor((200 right + counted) / (2 counted))
    return (200 * right + counted) / (2 * counted);
}

std::string NameKey(std::string_view name) {
    std::string key;
    bool space = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = !key.empty();
            continue;
        }
        if (space) key += ' ';
        space = false;
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0u;
        if (c >= 'A' && c <= 'Z') {
            key += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xD0 && next >= 0x80 && next <= 0xAF) {
            // the Cyrillic capitals U+0400..U+042F, two bytes each, to their small letters
            const unsigned small = 0x400u + (next - 0x80u) + (next < 0x90 ? 0x50u : 0x20u);
            key += static_cast<char>(0xC0u | small >> 6);
            key += static_cast<char>(0x80u | (small & 0x3Fu));
            ++i;
        } else {
            key += static_cast<char>(c);
        }
    }
    return key;
}

ClassResults Judge(std::span<const FolderFile> files, std::span<const std::string> not_read) {
    VariantSource sets;
    ClassResults results;
    for (const FolderFile& file : files) results.rows.push_back(Row(file, sets));
    results.set = MainSet(results.rows);
    for (PupilRow& row : results.rows) {
        if (row.set && row.set != results.set) {
            row.counted = false;
            AddNote(row, kOtherSet);
        }
    }
    NoteSameNames(results.rows);
    // a pupil who saw the answers is not right in the shares
    std::array<int, kKindCount> right{};
    for (const PupilRow& row : results.rows) {
        if (!row.counted) continue;
        ++results.counted;
        for (std::size_t k = 0; k < right.size(); ++k)
            right[k] += row.right[k] && !row.SawAnswers() ? 1 : 0;
    }
    if (results.counted > 0) {
        for (std::size_t k = 0; k < right.size(); ++k) {
            if (((results.set->kinds >> k) & 1u) != 0)
                results.shares[k] = SharePercent(right[k], results.counted);
        }
    }
    results.not_read.assign(not_read.begin(), not_read.end());
    return results;
}

ClassResults Judge(const Folder& folder) { return Judge(folder.files, folder.not_read); }

}  // namespace plane_figures::classresults
