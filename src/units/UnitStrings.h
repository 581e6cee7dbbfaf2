#pragma once

// String table ids of the unit layer: the catalogue's messages and those of the unit controls.
// The unit display texts and category names are the catalogue's own ids (UnitCatalogue.cpp).
namespace veritom::ids {

inline constexpr int kUnknownUnitString = 21110;     // "Unknown Unit String: %s"
inline constexpr int kUnitTextIdNotFound = 21111;    // "Unit iStringID Not Found"
inline constexpr int kUnitCodeNotFound = 21112;      // "Unit Not Found  %s"
inline constexpr int kUnitsIncompatible = 21113;     // "These units are incompatible %s %s"
inline constexpr int kUnitNotFound = 21114;          // "Unit not found."
inline constexpr int kComboUnitNotFound = 21115;     // "Unit NotFound"
inline constexpr int kComboNothingSelected = 21116;  // "Nothing in Combo Box Selected"

}  // namespace veritom::ids
