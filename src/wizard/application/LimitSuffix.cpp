#include "LimitSuffix.h"

#include "base/Format.h"
#include "wizard/application/RecordParams.h"

namespace veritom {

namespace {

std::string Suffix(double value, const CUnitDouble& entry) {
    return Format("\n%.1f %s  ", value, entry.GetUnitText());
}

}  // namespace

std::string LimitSuffix(double limit, std::string_view limitUnit, const CUnitDouble& entry) {
    return Suffix(CUnitDouble(limit, std::string(limitUnit)).GetValueIn(entry.Unit()), entry);
}

std::string DifferentialLimitSuffix(double psi, const CUnitDouble& entry) {
    const CUnitDouble limit(psi, std::string(record_params::kPressureDifferential));
    return Suffix(limit.GetDifferenceIn(entry.Unit()), entry);
}

}  // namespace veritom
