#include "wizard/partnumber/OptionList.h"

#include <algorithm>

namespace veritom {

int OptionEntries::IndexOfLink(const std::string& link) const {
    if (links.empty()) {
        return -1;
    }
    const auto found = std::find(links.begin(), links.end(), link);
    return link.empty() || found == links.end() ? 0 : static_cast<int>(found - links.begin());
}

OptionEntries COptionList::Build(std::vector<OptionTriple> triples,
                                 const std::string& undecidedLink,
                                 const std::string& undecidedText) {
    std::stable_sort(
        triples.begin(), triples.end(),
        [](const OptionTriple& a, const OptionTriple& b) { return a.order < b.order; });
    std::vector<const OptionTriple*> kept;
    for (const OptionTriple& triple : triples) {
        if (kept.empty() || triple.order != kept.back()->order) {
            kept.push_back(&triple);
        }
    }
    OptionEntries entries;
    if (kept.size() > 1) {
        entries.links.push_back(undecidedLink);
        entries.texts.push_back(undecidedText);
    }
    for (const OptionTriple* triple : kept) {
        entries.links.push_back(triple->link);
        entries.texts.push_back(triple->text);
    }
    return entries;
}

}  // namespace veritom
