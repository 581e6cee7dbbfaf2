#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "base/Archive.h"
#include "units/UnitDouble.h"
#include "units/UnitDoubleExSel.h"
#include "units/UnitInt.h"
#include "units/UnitString.h"

using namespace veritom;
using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

namespace {

template <typename Value>
Bytes Store(Value value) {
    CArchive ar;
    value.Serialize(ar);
    return ar.Bytes();
}

template <typename Value>
Value Load(const Bytes& bytes, bool* clean = nullptr) {
    CArchive ar(bytes);
    Value value;
    value.Serialize(ar);
    if (clean) {
        *clean = !ar.Failed() && ar.Remaining() == 0;
    }
    return value;
}

}  // namespace

TEST(UnitDouble, ComparisonsConvertTheOtherValue) {
    test::MessageRecorder messages;
    const CUnitDouble hot(100, "DEG_C");
    const CUnitDouble boiling(212, "DEG_F");
    EXPECT_TRUE(hot == boiling);
    EXPECT_FALSE(hot != boiling);
    EXPECT_EQ(hot.GetValueIn("DEG_F"), 212);
    EXPECT_EQ(hot.Unit(), "DEG_C");

    const CUnitDouble warmer(213, "DEG_F");
    EXPECT_TRUE(hot < warmer);
    EXPECT_TRUE(hot <= warmer);
    EXPECT_FALSE(hot > warmer);
    EXPECT_TRUE(warmer > hot);
    EXPECT_TRUE(warmer >= hot);
    EXPECT_TRUE(hot >= boiling);
    EXPECT_TRUE(hot <= boiling);
    EXPECT_TRUE(messages.boxes.empty());

    // No tolerance: the slightest difference is unequal.
    EXPECT_FALSE(CUnitDouble(1, "BAR") == CUnitDouble(1.0000000001, "BAR"));

    // An incompatible unit is reported and compares as 0.
    EXPECT_TRUE(CUnitDouble(0, "BAR") == CUnitDouble(29, "IN_HG"));
    EXPECT_EQ(messages.Texts(), Texts{"These units are incompatible IN_HG BAR"});
}

TEST(UnitDouble, ConvertToChangesValueAndUnit) {
    test::MessageRecorder messages;
    CUnitDouble pressure(14.5, "PSIA");
    EXPECT_TRUE(pressure.ConvertTo("BAR"));
    EXPECT_NEAR(pressure.Value(), 0.99973977, 1e-8);
    EXPECT_EQ(pressure.Unit(), "BAR");
    // 99.97 kPa rounds to a whole-looking text but is not whole, so the point stays.
    EXPECT_EQ(pressure.FormatIn("KPA", 1, false, true), "100.0");
    EXPECT_EQ(pressure.FormatIn("KPA", 2, false, true), "99.97");
    EXPECT_EQ(pressure.Format(3, true, false), "1.000");

    // A failed conversion must not leave 0 in a unit the number was never in.
    EXPECT_FALSE(pressure.ConvertTo("DEG_F"));
    EXPECT_NEAR(pressure.Value(), 0.99973977, 1e-8);
    EXPECT_EQ(pressure.Unit(), "BAR");
    EXPECT_EQ(messages.Texts(), Texts{"These units are incompatible BAR DEG_F"});
}

// A differential keeps the number and unit it was entered with; only what a query or a
// comparison reads of it is converted, and as a difference.
TEST(UnitDouble, DifferenceInAnotherUnitLeavesTheValue) {
    test::MessageRecorder messages;
    CUnitDoubleExSel mopd;
    mopd.Set(5, "BAR", "App_MOPDVAL", "App_MOPDUnitVAL");
    const Bytes stored = Store(mopd);
    EXPECT_NEAR(mopd.GetDifferenceIn("PSIG"), 72.519, 0.001);
    EXPECT_NEAR(mopd.GetValueIn("PSIG"), 57.824, 0.001);  // as a pressure
    EXPECT_NEAR(CUnitDouble(145.0377, "PSIG").GetDifferenceIn("BAR"), 10, 1e-5);
    EXPECT_EQ(mopd.Value(), 5);
    EXPECT_EQ(mopd.Unit(), "BAR");
    EXPECT_EQ(Store(mopd), stored);
    EXPECT_EQ(CUnitDouble(3, "BAR").GetDifferenceIn("DEG_F"), 0);
    EXPECT_EQ(messages.Texts(), Texts{"These units are incompatible BAR DEG_F"});
}

TEST(UnitDoubleExSel, AssignmentKeepsKeysOfTheTarget) {
    CUnitDoubleExSel mopd;
    mopd.Set(100, "PSIG", "App_MOPDVAL", "App_MOPDUnitVAL");
    CUnitDoubleExSel bare;
    bare.CUnitDouble::Set(7, "BAR");
    mopd = bare;
    EXPECT_EQ(mopd.Value(), 7);
    EXPECT_EQ(mopd.Unit(), "BAR");
    EXPECT_EQ(mopd.ValueKey(), "App_MOPDVAL");
    EXPECT_EQ(mopd.UnitKey(), "App_MOPDUnitVAL");

    CUnitDoubleExSel other;
    other.Set(1, "PSIA", "X", "");
    mopd = other;
    EXPECT_EQ(mopd.ValueKey(), "X");
    EXPECT_EQ(mopd.UnitKey(), "App_MOPDUnitVAL");
}

TEST(UnitDoubleExSel, FullEqualityNeedsIdenticalFieldsAndNoMessage) {
    test::MessageRecorder messages;
    CUnitDoubleExSel a;
    a.Set(7, "BAR", "V", "U");
    CUnitDoubleExSel b = a;
    EXPECT_TRUE(a.FullyEquals(b));
    b.Set(700, "KPA", "V", "U");
    EXPECT_TRUE(a == b);  // the converting equality
    EXPECT_FALSE(a.FullyEquals(b));
    b.Set(7, "BAR", "V", "W");
    EXPECT_FALSE(a.FullyEquals(b));
    b.Set(7, "IN_HG", "V", "U");
    EXPECT_FALSE(a.FullyEquals(b));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(UnitDoubleExSel, ReportAddsValueAndUnitUnderTheirOwnKeys) {
    CUnitDoubleExSel temp;
    temp.Set(100, "DEG_F", "App_FluidTempVAL", "App_FluidTempUnitVAL");
    CReportMap map;
    temp.AddToReportMap(map);
    EXPECT_EQ(map["App_FluidTempVAL"], Texts{"100"});
    EXPECT_EQ(map["App_FluidTempUnitVAL"], Texts{"°F"});

    CUnitDoubleExSel flow;
    flow.Set(1.5, "CV", "", "App_FlowFactorUnitVAL");
    map.clear();
    flow.AddToReportMap(map, false, "%.2f");
    EXPECT_EQ(map, (CReportMap{{"App_FlowFactorUnitVAL", {"Cv"}}}));
    flow.Set(1.5, "CV", "App_FlowFactorVAL", "");
    flow.AddToReportMap(map, false, "%.2f");
    EXPECT_EQ(map["App_FlowFactorVAL"], Texts{"1.50"});
}

TEST(UnitValues, ArchiveFormsAndRoundTrips) {
    {
        const Bytes bytes = Store(CUnitDouble(7, "BAR"));
        const Bytes expected = {3, 'B', 'A', 'R', 0, 0, 0, 0, 0, 0, 0x1C, 0x40};
        EXPECT_EQ(bytes, expected);
        bool clean = false;
        const CUnitDouble back = Load<CUnitDouble>(bytes, &clean);
        EXPECT_TRUE(clean);
        EXPECT_EQ(back.Unit(), "BAR");  // the unit it was saved in, not a preferred one
        EXPECT_EQ(back.Value(), 7);
    }
    {
        CUnitDoubleExSel mopd;
        mopd.Set(0.1, "PSIG", "App_MOPDVAL", "App_MOPDUnitVAL");
        bool clean = false;
        const auto back = Load<CUnitDoubleExSel>(Store(mopd), &clean);
        EXPECT_TRUE(clean);
        EXPECT_TRUE(back.FullyEquals(mopd));
    }
    {
        const Bytes bytes = Store(CUnitInt(-1, "MIN"));
        EXPECT_EQ(bytes, (Bytes{3, 'M', 'I', 'N', 0xFF, 0xFF, 0xFF, 0xFF}));
        const auto back = Load<CUnitInt>(bytes);
        EXPECT_TRUE(back == CUnitInt(-1, "MIN"));
        EXPECT_FALSE(back == CUnitInt(-1, "SEC"));
        EXPECT_EQ(back.Format(), "-1");
        EXPECT_EQ(CUnitInt(2, "HR").GetValueIn("MIN"), 120);
    }
    {
        const Bytes bytes = Store(CUnitString("1/2", "IN"));
        EXPECT_EQ(bytes, (Bytes{2, 'I', 'N', 3, '1', '/', '2', 2, 'I', 'N'}));
        bool clean = false;
        const auto back = Load<CUnitString>(bytes, &clean);
        EXPECT_TRUE(clean);
        EXPECT_EQ(back.Value(), "1/2");
        EXPECT_EQ(back.Unit(), "IN");
    }
    {
        Bytes bytes = Store(CUnitDouble(7, "BAR"));
        bytes.resize(bytes.size() - 1);
        bool clean = true;
        Load<CUnitDouble>(bytes, &clean);
        EXPECT_FALSE(clean);
    }
}
