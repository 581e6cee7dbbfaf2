#pragma once

#include <span>
#include <string_view>

#include "units/UnitObject.h"

namespace veritom {

// One unit code with its catalogue entry.
struct UnitCatalogueEntry {
    std::string_view code;
    CUnitObject unit;
};

// The fixed, process-wide unit catalogue, in its documented order.
std::span<const UnitCatalogueEntry> UnitCatalogue();

// The entry of a unit code (exact case), or nullptr.
const CUnitObject* FindUnit(std::string_view code);

// The first entry whose display text has the given string id, or nullptr.
const UnitCatalogueEntry* FindUnitByTextId(int textId);

}  // namespace veritom
