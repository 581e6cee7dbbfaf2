#pragma once

#include <string>
#include <string_view>

#include "units/UnitDouble.h"

namespace veritom {

// "\n%.1f %s  ": a limit the queries give in their unit, appended to a check's message in
// the unit of the entry it concerns, with that unit's text.
std::string LimitSuffix(double limit, std::string_view limitUnit, const CUnitDouble& entry);

// The same for a pressure differential limit in psi, converted as a difference.
std::string DifferentialLimitSuffix(double psi, const CUnitDouble& entry);

}  // namespace veritom
