#include "wizard/partnumber/TemperatureCheck.h"

#include <cmath>

#include "base/Format.h"
#include "base/StringTable.h"
#include "wizard/WizardStrings.h"

namespace veritom {

namespace {

constexpr const char* kFahrenheit = "DEG_F";

double Tolerance(double value) {
    return 1e-6 * (1.0 + std::fabs(value));
}

std::string UnitText(const std::string& unit) {
    CUnitDouble value(0, unit);
    return value.GetUnitText();
}

}  // namespace

bool CTemperatureCheck::IsMinimumAboveMaximum(const CUnitDouble& maximum,
                                              const CUnitDouble& minimum) {
    const double top = maximum.GetValueIn(kFahrenheit);
    return minimum.GetValueIn(kFahrenheit) > top + Tolerance(top);
}

std::optional<double> CTemperatureCheck::SuggestedMinimum(const CUnitDouble& maximum,
                                                          const CUnitDouble& minimum) {
    if (!IsMinimumAboveMaximum(maximum, minimum)) {
        return std::nullopt;
    }
    const double limit = maximum.GetValueIn(minimum.Unit());
    const double nearest = std::nearbyint(limit);
    // Every temperature unit rises with the temperature, so a value not above the limit in
    // the minimum's unit is not above the maximum.
    return nearest > limit + Tolerance(limit) ? std::floor(limit) : nearest;
}

std::string CTemperatureCheck::Message(double suggestion, const std::string& unit) {
    return LoadString(ids::kMinAboveMax) + "\n" + Format("%.0f %s", suggestion, UnitText(unit)) +
           "  ";
}

bool CTemperatureCheck::ClampMinimum(const CUnitDouble& maximum, CUnitDouble& minimum) {
    if (!IsMinimumAboveMaximum(maximum, minimum)) {
        return false;
    }
    minimum.SetValue(maximum.GetValueIn(minimum.Unit()));
    return true;
}

}  // namespace veritom
