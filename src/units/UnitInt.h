#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "units/UnitBase.h"

namespace veritom {

// A whole number with a unit.
class CUnitInt : public CUnitBase {
public:
    CUnitInt() = default;
    CUnitInt(std::int32_t value, std::string unit);
    CUnitInt(const CUnitInt&) = default;
    CUnitInt& operator=(const CUnitInt&) = default;

    // Unit code, then the value (4 bytes).
    void Serialize(CArchive& ar) override;

    std::int32_t Value() const { return m_value; }
    void Set(std::int32_t value, std::string unit);
    // The value in another unit as a float (0 after a reported failed conversion).
    double GetValueIn(std::string_view unit) const;
    // The whole number, without a point.
    std::string Format() const;

    // Same unit code and same value; no conversion.
    bool operator==(const CUnitInt& other) const;

private:
    std::int32_t m_value = 0;
};

}  // namespace veritom
