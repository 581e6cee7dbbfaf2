#pragma once

#include "model/ValveData.h"

namespace veritom::test {

// Valve selection records as the steps before Part Number leave them on the selection
// database the build makes: a general purpose 2-way normally closed valve for water.
//   by catalog data (method 1, MethodLink 1), coil 120 V / 60 Hz chosen: list kind 2
//   by catalog data, non-standard voltage (no coil chosen): list kind 3
//   calculated size (MethodLink 2) for 0.25 gpm, coil chosen: list kind 4
//   calculated size, no coil chosen: list kind 5, over 10,000 candidates
//   a proportional valve for liquid by valve size information (method 2): list kind 1
CProd_ValveData CatalogDataWithCoil();
CProd_ValveData CatalogDataWithoutCoil();
CProd_ValveData CalculatedSizeWithCoil();
CProd_ValveData CalculatedSizeWithoutCoil();
CProd_ValveData ValveSizeMethod();

}  // namespace veritom::test
