#include "wizard/partnumber/ColumnTable.h"

#include <array>

#include "wizard/WizardStrings.h"

namespace veritom {

namespace {

using Variant = std::array<CandidateColumn, CColumnTable::kColumnCount>;

constexpr Variant kVariantA = {{
    {-1, 150, 0x1},   {0, 100, 0x2},  {-1, 50, 0x4},    {5, 90, 0x8},     {-1, 55, 0x10},
    {-1, 80, 0},      {-1, 62, 0x40}, {-1, 62, 0x80},   {3, 40, 0x400},   {1, 95, 0x100},
    {6, 80, 0x200},   {7, 95, 0x800}, {-1, 50, 0x1000}, {-1, 60, 0x2000}, {8, 60, 0x4000},
    {9, 100, 0x8000}, {-1, 0, 0},     {2, 0, 0},        {4, 0, 0},
}};

constexpr Variant kVariantB = {{
    {-1, 150, 0x1}, {0, 100, 0x2},     {-1, 50, 0x4},    {5, 100, 0x8},    {-1, 55, 0x10},
    {-1, 80, 0},    {-1, 65, 0x40},    {-1, 65, 0x80},   {3, 40, 0x400},   {1, 95, 0x100},
    {6, 80, 0x200}, {7, 100, 0x800},   {-1, 50, 0x1000}, {-1, 65, 0x2000}, {8, 0, 0},
    {-1, 0, 0},     {9, 100, 0x10000}, {2, 0, 0},        {4, 0, 0},
}};

constexpr Variant kVariantC = {{
    {-1, 150, 0x1}, {0, 100, 0x2},   {-1, 50, 0x4},  {5, 100, 0x8},  {-1, 55, 0x10},
    {-1, 80, 0},    {-1, 65, 0x40},  {-1, 65, 0x80}, {3, 40, 0x400}, {1, 95, 0x100},
    {6, 80, 0x200}, {7, 100, 0x800}, {-1, 0, 0},     {-1, 0, 0},     {8, 0, 0},
    {9, 0, 0},      {-1, 0, 0},      {2, 0, 0},      {4, 0, 0},
}};

const Variant& Table(ColumnVariant variant) {
    switch (variant) {
        case ColumnVariant::A:
            return kVariantA;
        case ColumnVariant::B:
            return kVariantB;
        case ColumnVariant::C:
            break;
    }
    return kVariantC;
}

}  // namespace

const CandidateColumn& CColumnTable::Entry(ColumnVariant variant, int column) {
    return Table(variant)[static_cast<std::size_t>(IsColumn(column) ? column : 0)];
}

int CColumnTable::TitleId(int column) {
    return ids::kColumnTitleFirst + column;
}

int CColumnTable::FirstColumnOfFilter(ColumnVariant variant, int filter) {
    for (int column = 0; column < kColumnCount; ++column) {
        if (Entry(variant, column).filter == filter) {
            return column;
        }
    }
    return -1;
}

bool CColumnTable::IsShown(ColumnVariant variant, int column, bool coilClassInUse,
                           bool tenthFilterInUse) {
    if (!IsColumn(column)) {
        return false;
    }
    const std::uint32_t bit = Entry(variant, column).bit;
    return bit != 0 && (bit != kCoilClassBit || coilClassInUse) &&
           (bit != kTenthFilterBit || tenthFilterInUse);
}

bool CColumnTable::IsNumeric(int column) {
    return column == kMaxInPressure || column == kMinOPD || column == kMOPD ||
           column == kFlowFactor || column == kMaxFluidTemp || column == kMinFluidTemp ||
           column == kMaxInletPressure;
}

}  // namespace veritom
