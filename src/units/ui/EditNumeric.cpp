#include "units/ui/EditNumeric.h"

namespace veritom {

CEditNumeric::CEditNumeric(QWidget* parent) : CNumericEdit(parent) {}

void CEditNumeric::SetNumber(double value, int decimals, bool keepTrailingZeros,
                             bool dropPointWhenWhole) {
    SetText(Rules().NumberText(value, decimals, keepTrailingZeros, dropPointWhenWhole));
}

void CEditNumeric::SetUnitValue(const CUnitDouble& value, std::string_view unit, int decimals,
                                bool keepTrailingZeros, bool dropPointWhenWhole) {
    SetText(Rules().UnitValueText(value, unit, decimals, keepTrailingZeros, dropPointWhenWhole));
}

void CEditNumeric::SetInteger(int value) {
    SetText(Rules().IntegerText(value));
}

double CEditNumeric::GetDouble() const {
    return Rules().ReadDouble(text().toStdString());
}

int CEditNumeric::GetInteger() const {
    return Rules().ReadInteger(text().toStdString());
}

}  // namespace veritom
