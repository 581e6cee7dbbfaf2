#include "UnitDoubleExSel.h"

#include "base/Format.h"

namespace veritom {

CUnitDoubleExSel& CUnitDoubleExSel::operator=(const CUnitDoubleExSel& other) {
    CUnitDouble::operator=(other);
    if (!other.m_valueKey.empty()) {
        m_valueKey = other.m_valueKey;
    }
    if (!other.m_unitKey.empty()) {
        m_unitKey = other.m_unitKey;
    }
    return *this;
}

void CUnitDoubleExSel::Serialize(CArchive& ar) {
    CUnitDouble::Serialize(ar);
    ar.Transfer(m_valueKey);
    ar.Transfer(m_unitKey);
}

void CUnitDoubleExSel::Set(double value, std::string unit, std::string valueKey,
                           std::string unitKey) {
    CUnitDouble::Set(value, std::move(unit));
    m_valueKey = std::move(valueKey);
    m_unitKey = std::move(unitKey);
}

bool CUnitDoubleExSel::FullyEquals(const CUnitDoubleExSel& other) const {
    // Texts first: equal codes make the converting equality a plain comparison, and differing
    // codes must not raise a conversion message for an answer that is already no.
    return this == &other || (Unit() == other.Unit() && Value() == other.Value() &&
                              m_valueKey == other.m_valueKey && m_unitKey == other.m_unitKey);
}

void CUnitDoubleExSel::AddToReportMap(CReportMap& map, bool, std::string_view format) const {
    if (!m_valueKey.empty()) {
        map[m_valueKey] = {veritom::Format(format.empty() ? "%.0f" : format, Value())};
    }
    if (!m_unitKey.empty()) {
        map[m_unitKey] = {GetUnitText()};
    }
}

}  // namespace veritom
