#pragma once

#include <string>
#include <string_view>

#include "units/UnitBase.h"

namespace veritom {

// A number stored with the unit it was given in; converted only when asked for another unit.
// Comparisons convert the other value into this value's unit and then compare exactly.
class CUnitDouble : public CUnitBase {
public:
    CUnitDouble() = default;
    CUnitDouble(double value, std::string unit);
    CUnitDouble(const CUnitDouble&) = default;
    CUnitDouble& operator=(const CUnitDouble&) = default;

    // Unit code, then the value.
    void Serialize(CArchive& ar) override;

    void Set(double value, std::string unit);
    void Reset();
    double Value() const { return m_value; }
    void SetValue(double value) { m_value = value; }

    // The value in another unit (0 after a reported failed conversion).
    double GetValueIn(std::string_view unit) const;
    // The value taken as a difference (a pressure differential), in another unit: by the
    // units' factors alone, no offset (0 after a reported failed conversion).
    double GetDifferenceIn(std::string_view unit) const;
    // Converts value and unit into another unit; a failed conversion is reported and leaves
    // both as they were.
    bool ConvertTo(std::string_view unit);
    std::string FormatIn(std::string_view unit, int decimals, bool keepTrailingZeros,
                         bool dropPointWhenWhole) const;
    std::string Format(int decimals, bool keepTrailingZeros, bool dropPointWhenWhole) const;

    bool operator==(const CUnitDouble& other) const;
    bool operator<(const CUnitDouble& other) const;
    bool operator<=(const CUnitDouble& other) const;
    bool operator>(const CUnitDouble& other) const;
    bool operator>=(const CUnitDouble& other) const;

private:
    // The other value in this value's unit.
    double Comparable(const CUnitDouble& other) const;

    double m_value = 0;
};

}  // namespace veritom
