#include "UnitString.h"

namespace veritom {

CUnitString::CUnitString(std::string value, std::string unit) : m_value(std::move(value)) {
    StoreUnit(std::move(unit));
}

void CUnitString::Serialize(CArchive& ar) {
    CUnitBase::Serialize(ar);
    ar.Transfer(m_value);
    CUnitBase::Serialize(ar);
}

void CUnitString::Set(std::string value, std::string unit) {
    m_value = std::move(value);
    StoreUnit(std::move(unit));
}

void CUnitString::Reset() {
    Set({}, {});
}

}  // namespace veritom
