#pragma once

// String table ids of the tools: the Unit Conversion dialog and the progress display.
namespace veritom::ids {

// Unit Conversion (dialog 309).
inline constexpr int kUnitConversionTitle = 28000;
inline constexpr int kUnitConversionCategory = 28001;
inline constexpr int kUnitConversionValue = 28002;
inline constexpr int kUnitConversionFrom = 28003;
inline constexpr int kUnitConversionTo = 28004;
inline constexpr int kUnitConversionResult = 28005;
inline constexpr int kUnitConversionOk = 28006;

// Progress display: the line callers show while a dialog loads its lists.
inline constexpr int kProgressLoadingData = 308;  // "Loading Data . . ."

}  // namespace veritom::ids
