#pragma once

#include <string_view>

#include "units/ui/NumericEdit.h"

namespace veritom {

class CUnitDouble;

// A numeric edit box that shows and gives back numbers and unit values. A 0 shows as an empty
// box unless show zero is on.
class CEditNumeric : public CNumericEdit {
public:
    explicit CEditNumeric(QWidget* parent = nullptr);

    void SetNumber(double value, int decimals, bool keepTrailingZeros, bool dropPointWhenWhole);
    // value shown in unit.
    void SetUnitValue(const CUnitDouble& value, std::string_view unit, int decimals,
                      bool keepTrailingZeros, bool dropPointWhenWhole);
    void SetInteger(int value);
    double GetDouble() const;
    int GetInteger() const;
};

}  // namespace veritom
