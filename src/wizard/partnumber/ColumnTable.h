#pragma once

#include <cstdint>

namespace veritom {

// The three forms of the candidate list: with a coil chosen (A), for the valve size method
// without one (B), for the known operating parameters without one (C).
enum class ColumnVariant { A, B, C };

// One column of the candidate list in one variant.
struct CandidateColumn {
    int filter;         // the filter that narrows this column's values; -1 none
    int width;          // in pixels at the dialog's base font
    std::uint32_t bit;  // its bit in the mask of columns shown; 0: never shown
};

// The nineteen columns the candidate list can show, with their titles, widths and bits in
// each variant, and the display text kind of each.
class CColumnTable {
public:
    static constexpr int kColumnCount = 19;
    static constexpr int kPartNumber = 0;
    static constexpr int kBodyMaterial = 1;
    static constexpr int kPort = 2;
    static constexpr int kConnection = 3;
    static constexpr int kOrifice = 4;
    static constexpr int kMaxInPressure = 5;
    static constexpr int kMinOPD = 6;
    static constexpr int kMOPD = 7;
    static constexpr int kFlowFactor = 8;
    static constexpr int kMaxFluidTemp = 9;
    static constexpr int kSealMaterial = 10;
    static constexpr int kActuation = 11;
    static constexpr int kAcDc = 12;
    static constexpr int kWattage = 13;
    static constexpr int kCoilClass = 14;
    static constexpr int kApproval = 15;
    static constexpr int kControlSignal = 16;
    static constexpr int kMinFluidTemp = 17;
    static constexpr int kMaxInletPressure = 18;
    static constexpr std::uint32_t kCoilClassBit = 0x4000;
    static constexpr std::uint32_t kTenthFilterBit = 0x8000;

    static bool IsColumn(int column) { return column >= 0 && column < kColumnCount; }
    static const CandidateColumn& Entry(ColumnVariant variant, int column);
    // String id of the column's title.
    static int TitleId(int column);
    // The column whose title names filter on its "?" button: the first carrying it; -1 none.
    static int FirstColumnOfFilter(ColumnVariant variant, int filter);
    // A column is shown when its bit is set, the coil class column only while the coil class
    // filter is in use and the approval column only while the tenth filter is.
    static bool IsShown(ColumnVariant variant, int column, bool coilClassInUse,
                        bool tenthFilterInUse);
    // Numbers sort by value and are shown right-aligned.
    static bool IsNumeric(int column);
};

}  // namespace veritom
