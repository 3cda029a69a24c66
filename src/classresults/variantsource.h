// The class sets that the files of a folder name, each made again once from
// its settings and code and kept while the folder is read: a class of 25
// files of one set makes it once.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <variant>

#include "classset.h"

namespace plane_figures::classresults {

class VariantSource {
public:
    // The set of settings, or why it could not be made again.
    const std::variant<classset::ClassSet, std::string>& SetOf(
        const classset::ClassSettings& settings);

private:
    using Key = std::tuple<int, int, classset::KindMask, std::uint64_t>;
    std::map<Key, std::variant<classset::ClassSet, std::string>> made_;
};

}  // namespace plane_figures::classresults
