#include "UnitInt.h"

#include "base/Format.h"

namespace veritom {

CUnitInt::CUnitInt(std::int32_t value, std::string unit) : m_value(value) {
    StoreUnit(std::move(unit));
}

void CUnitInt::Serialize(CArchive& ar) {
    CUnitBase::Serialize(ar);
    ar.Transfer(m_value);
}

void CUnitInt::Set(std::int32_t value, std::string unit) {
    m_value = value;
    StoreUnit(std::move(unit));
}

double CUnitInt::GetValueIn(std::string_view unit) const {
    return Convert(m_value, Unit(), unit);
}

std::string CUnitInt::Format() const {
    return veritom::Format("%d", m_value);
}

bool CUnitInt::operator==(const CUnitInt& other) const {
    return Unit() == other.Unit() && m_value == other.m_value;
}

}  // namespace veritom
