#pragma once

#include <string>
#include <vector>

namespace veritom {

// One option of a filter as the option query gives it.
struct OptionTriple {
    std::string link;
    std::string text;
    float order = 0;
};

// The entries of one filter combo: entry i shows texts[i] and passes links[i].
struct OptionEntries {
    std::vector<std::string> links;
    std::vector<std::string> texts;

    bool Empty() const { return links.empty(); }
    int Size() const { return static_cast<int>(links.size()); }
    // The entry of the first option with link; entry 0 for an empty or unknown link; -1
    // without entries.
    int IndexOfLink(const std::string& link) const;
};

// Builds a filter combo from the option rows: the options sorted by order, one kept per
// order value (the first of equal orders in row order), and, when more than one is kept,
// the undecided option first.
class COptionList {
public:
    static OptionEntries Build(std::vector<OptionTriple> triples, const std::string& undecidedLink,
                               const std::string& undecidedText);
};

}  // namespace veritom
