#pragma once

#include <optional>
#include <string>

#include "units/UnitDouble.h"

namespace veritom {

// The rule that the minimum fluid temperature filter may not lie above the maximum.
class CTemperatureCheck {
public:
    // Compared in DEG_F; values equal within a millionth pass, so a value entered in one
    // unit and converted into the other is not refused for a rounding error.
    static bool IsMinimumAboveMaximum(const CUnitDouble& maximum, const CUnitDouble& minimum);

    // The minimum to offer instead: the maximum in the minimum's unit as a whole number,
    // rounded toward the allowed side so the offer itself passes: a maximum of 100 °F offers
    // a minimum in °C 37, not 38, which is 100.4 °F. Nothing when the minimum passes.
    static std::optional<double> SuggestedMinimum(const CUnitDouble& maximum,
                                                  const CUnitDouble& minimum);

    // The message shown with the suggestion: the text, a line feed, the value and the
    // unit's display text, two blanks.
    static std::string Message(double suggestion, const std::string& unit);

    // On opening, a minimum above the maximum becomes the maximum in the minimum's unit.
    static bool ClampMinimum(const CUnitDouble& maximum, CUnitDouble& minimum);
};

}  // namespace veritom
