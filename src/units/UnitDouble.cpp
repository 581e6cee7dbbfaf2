#include "UnitDouble.h"

#include "base/MessageSink.h"

namespace veritom {

CUnitDouble::CUnitDouble(double value, std::string unit) : m_value(value) {
    StoreUnit(std::move(unit));
}

void CUnitDouble::Serialize(CArchive& ar) {
    CUnitBase::Serialize(ar);
    ar.Transfer(m_value);
}

void CUnitDouble::Set(double value, std::string unit) {
    m_value = value;
    StoreUnit(std::move(unit));
}

void CUnitDouble::Reset() {
    Set(0, {});
}

double CUnitDouble::GetValueIn(std::string_view unit) const {
    return Convert(m_value, Unit(), unit);
}

double CUnitDouble::GetDifferenceIn(std::string_view unit) const {
    return ConvertDifference(m_value, Unit(), unit);
}

bool CUnitDouble::ConvertTo(std::string_view unit) {
    std::string message;
    const auto converted = TryConvert(m_value, Unit(), unit, &message);
    if (!converted) {
        MessageBox(message, MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    Set(*converted, std::string(unit));
    return true;
}

std::string CUnitDouble::FormatIn(std::string_view unit, int decimals, bool keepTrailingZeros,
                                  bool dropPointWhenWhole) const {
    return FormatNumber(GetValueIn(unit), decimals, keepTrailingZeros, dropPointWhenWhole);
}

std::string CUnitDouble::Format(int decimals, bool keepTrailingZeros,
                                bool dropPointWhenWhole) const {
    return FormatNumber(m_value, decimals, keepTrailingZeros, dropPointWhenWhole);
}

double CUnitDouble::Comparable(const CUnitDouble& other) const {
    return other.Unit() == Unit() ? other.m_value : Convert(other.m_value, other.Unit(), Unit());
}

bool CUnitDouble::operator==(const CUnitDouble& other) const {
    return m_value == Comparable(other);
}

bool CUnitDouble::operator<(const CUnitDouble& other) const {
    return m_value < Comparable(other);
}

bool CUnitDouble::operator<=(const CUnitDouble& other) const {
    return m_value <= Comparable(other);
}

bool CUnitDouble::operator>(const CUnitDouble& other) const {
    return m_value > Comparable(other);
}

bool CUnitDouble::operator>=(const CUnitDouble& other) const {
    return m_value >= Comparable(other);
}

}  // namespace veritom
