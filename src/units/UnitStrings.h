#pragma once

// String table ids of the unit layer.
namespace veritom::ids {

inline constexpr int kUnknownUnitString = 21110;   // "Unknown Unit String: %s"
inline constexpr int kUnitTextIdNotFound = 21111;  // "Unit iStringID Not Found"
inline constexpr int kUnitCodeNotFound = 21112;    // "Unit Not Found  %s"
inline constexpr int kUnitsIncompatible = 21113;   // "These units are incompatible %s %s"
inline constexpr int kUnitNotFound = 21114;        // "Unit not found."

}  // namespace veritom::ids
