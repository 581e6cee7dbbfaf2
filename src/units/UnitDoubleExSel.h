#pragma once

#include <string>
#include <string_view>

#include "units/ReportMap.h"
#include "units/UnitDouble.h"

namespace veritom {

// A quantity of the valve selection record: a unit value with the key names under which the
// report knows its number and its unit. Like the named values, assignment never wipes a key.
class CUnitDoubleExSel : public CUnitDouble {
public:
    CUnitDoubleExSel() = default;
    CUnitDoubleExSel(const CUnitDoubleExSel&) = default;
    CUnitDoubleExSel& operator=(const CUnitDoubleExSel& other);

    // Unit code, value, value key, unit key.
    void Serialize(CArchive& ar) override;

    using CUnitDouble::Set;  // value and unit only, keys kept
    void Set(double value, std::string unit, std::string valueKey, std::string unitKey);
    const std::string& ValueKey() const { return m_valueKey; }
    const std::string& UnitKey() const { return m_unitKey; }

    // Exactly the same value, unit and keys; no conversion.
    bool FullyEquals(const CUnitDoubleExSel& other) const;

    // The value formatted with format ("%.0f" when empty) under the value key, and the unit's
    // display text under the unit key; each only when its key is set. The force flag is not
    // consulted.
    void AddToReportMap(CReportMap& map, bool force = false, std::string_view format = {}) const;

private:
    std::string m_valueKey;
    std::string m_unitKey;
};

}  // namespace veritom
