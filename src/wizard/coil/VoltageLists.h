#pragma once

#include <optional>
#include <string>
#include <vector>

#include "wizard/coil/CoilChoices.h"

namespace veritom {

// The voltage lists of the two currents, built from the solenoid rows: one line per voltage
// order (the first row of an order wins), in ascending order, with the non-standard entry
// added where a list offers more than one standard voltage.
class CVoltageLists {
public:
    void Build(const std::vector<SolenoidRow>& rows,
               const std::optional<VoltageEntry>& nonStandard);

    // The list of "AC" or "DC"; an empty list for anything else.
    const std::vector<VoltageEntry>& List(const std::string& current) const;
    // The first line flagged as the default, else 0.
    int DefaultIndex(const std::string& current) const;

    // Whether any row is of the current.
    static bool Offers(const std::vector<SolenoidRow>& rows, const std::string& current);

private:
    static std::vector<VoltageEntry> BuildOne(const std::vector<SolenoidRow>& rows,
                                              const std::string& current,
                                              const std::optional<VoltageEntry>& nonStandard);

    std::vector<VoltageEntry> m_ac;
    std::vector<VoltageEntry> m_dc;
};

}  // namespace veritom
