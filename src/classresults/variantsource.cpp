#include "variantsource.h"

#include "classsetgenerator.h"

namespace plane_figures::classresults {

const std::variant<classset::ClassSet, std::string>& VariantSource::SetOf(
    const classset::ClassSettings& settings) {
    const Key key{settings.variants, settings.points, settings.kinds, settings.code};
    auto found = made_.find(key);
    if (found == made_.end())
        found = made_.emplace(key, classset::ClassSetGenerator(settings).Make()).first;
    return found->second;
}

}  // namespace plane_figures::classresults
