#pragma once

#include <string>
#include <vector>

#include "units/UnitDouble.h"

namespace veritom {

// One line of the category list: the category's name and its string id.
struct UnitCategory {
    std::string name;
    int id = 0;
};

// What the Unit Conversion tool decides: the categories it offers, where it starts, and the
// result of converting the input into the chosen unit.
class CUnitConversion {
public:
    static constexpr int kResultDecimals = 2;

    // Every category of the catalogue once, sorted by name regardless of case and accents;
    // the unit without a category gives an empty name that sorts first.
    static std::vector<UnitCategory> Categories();
    // The line selected at start: the first real category, the second line.
    static int InitialCategory(const std::vector<UnitCategory>& categories);

    // Sets the input and converts it into toUnit.
    void Convert(double value, const std::string& fromUnit, const std::string& toUnit);
    const CUnitDouble& Input() const { return m_input; }
    const CUnitDouble& Result() const { return m_result; }
    // The result as shown: 2 decimals (more for small results, so they keep three
    // significant digits), trailing zeros removed, whole numbers without the point, and
    // nothing for 0.
    std::string ResultText() const;
    // The decimals the result is shown with.
    static int ResultDecimals(double value);

private:
    CUnitDouble m_input;
    CUnitDouble m_result;
};

}  // namespace veritom
