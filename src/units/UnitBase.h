#pragma once

#include "units/UnitConvMap.h"

namespace veritom {

// The base of the unit-bearing values; it adds nothing to CUnitConvMap, not even to the
// archive form.
class CUnitBase : public CUnitConvMap {
public:
    using CUnitConvMap::CUnitConvMap;
};

}  // namespace veritom
