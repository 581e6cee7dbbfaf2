#include "VoltageLists.h"

#include <algorithm>

#include "base/Links.h"

namespace veritom {

namespace {

const std::vector<VoltageEntry> kNoVoltages;

bool ByOrder(const VoltageEntry& a, const VoltageEntry& b) {
    return a.order < b.order;
}

}  // namespace

void CVoltageLists::Build(const std::vector<SolenoidRow>& rows,
                          const std::optional<VoltageEntry>& nonStandard) {
    m_ac = BuildOne(rows, links::kAC, nonStandard);
    m_dc = BuildOne(rows, links::kDC, nonStandard);
}

std::vector<VoltageEntry> CVoltageLists::BuildOne(const std::vector<SolenoidRow>& rows,
                                                  const std::string& current,
                                                  const std::optional<VoltageEntry>& nonStandard) {
    std::vector<VoltageEntry> candidates;
    for (const SolenoidRow& row : rows) {
        if (row.current == current) {
            candidates.push_back({row.text, row.link, row.order, row.isDefault});
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(), ByOrder);
    std::vector<VoltageEntry> list;
    // No order is remembered at first, so a voltage of any order, negative ones too, counts.
    std::optional<float> remembered;
    for (VoltageEntry& entry : candidates) {
        if (!remembered || entry.order != *remembered) {
            remembered = entry.order;
            list.push_back(std::move(entry));
        }
    }
    if (list.size() > 1 && nonStandard) {
        list.push_back({nonStandard->text, nonStandard->link, nonStandard->order, false});
        std::stable_sort(list.begin(), list.end(), ByOrder);
    }
    return list;
}

const std::vector<VoltageEntry>& CVoltageLists::List(const std::string& current) const {
    if (current == links::kAC) {
        return m_ac;
    }
    if (current == links::kDC) {
        return m_dc;
    }
    return kNoVoltages;
}

int CVoltageLists::DefaultIndex(const std::string& current) const {
    const std::vector<VoltageEntry>& list = List(current);
    const auto found = std::find_if(list.begin(), list.end(),
                                    [](const VoltageEntry& entry) { return entry.isDefault; });
    return found == list.end() ? 0 : static_cast<int>(found - list.begin());
}

bool CVoltageLists::Offers(const std::vector<SolenoidRow>& rows, const std::string& current) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const SolenoidRow& row) { return row.current == current; });
}

}  // namespace veritom
