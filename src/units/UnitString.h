#pragma once

#include <string>

#include "units/UnitBase.h"

namespace veritom {

// A text with a unit.
class CUnitString : public CUnitBase {
public:
    CUnitString() = default;
    CUnitString(std::string value, std::string unit);
    CUnitString(const CUnitString&) = default;
    CUnitString& operator=(const CUnitString&) = default;

    // Unit code, the text, then the unit code again.
    void Serialize(CArchive& ar) override;

    const std::string& Value() const { return m_value; }
    void Set(std::string value, std::string unit);
    void Reset();

private:
    std::string m_value;
};

}  // namespace veritom
