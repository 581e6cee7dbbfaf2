#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Archive.h"
#include "units/DoubleExSel.h"
#include "units/FloatExSel.h"
#include "units/IntExSel.h"
#include "units/StringExSel.h"

using namespace veritom;
using Bytes = std::vector<std::uint8_t>;

namespace {

template <typename Value>
Value RoundTrip(Value value, bool* failed = nullptr) {
    CArchive out;
    value.Serialize(out);
    CArchive in(out.Bytes());
    Value back;
    back.Serialize(in);
    if (failed) {
        *failed = in.Failed() || in.Remaining() != 0;
    }
    return back;
}

}  // namespace

TEST(NamedValue, AssignmentNeverWipesAName) {
    CStringExSel text;
    text.Set("FuncLink", "2WAY");
    CStringExSel unnamed("3WAY");
    text = unnamed;
    EXPECT_EQ(text.Value(), "3WAY");
    EXPECT_EQ(text.Name(), "FuncLink");

    CStringExSel named;
    named.Set("Other", "X");
    text = named;
    EXPECT_EQ(text.Name(), "Other");

    CIntExSel number;
    number.Set("SelMethodCode", 2);
    number = 5;
    EXPECT_EQ(number.Value(), 5);
    EXPECT_EQ(number.Name(), "SelMethodCode");
    number = CIntExSel();
    EXPECT_EQ(number.Value(), 0);
    EXPECT_EQ(number.Name(), "SelMethodCode");

    number.Reset();
    EXPECT_EQ(number.Name(), "");
}

TEST(NamedValue, ReportTextFollowsFormatOrClassDefault) {
    struct Case {
        const char* what;
        std::string format;
        std::string expected;
    };
    CDoubleExSel gravity;
    gravity.Set("FluidSpecificGravity", 2.4);
    CFloatExSel flow;
    flow.Set("PN_FlowFactorVAL", 2.4f);
    for (const Case& c : {Case{"default", "", "2"}, Case{"two decimals", "%.2f", "2.40"}}) {
        CReportMap map;
        gravity.AddToReportMap(map, false, c.format);
        flow.AddToReportMap(map, false, c.format);
        EXPECT_EQ(map["FluidSpecificGravity"], std::vector<std::string>{c.expected}) << c.what;
        EXPECT_EQ(map["PN_FlowFactorVAL"], std::vector<std::string>{c.expected}) << c.what;
    }

    CReportMap map;
    CIntExSel count;
    count.Set("ComFluidLink", -3);
    count.AddToReportMap(map);
    EXPECT_EQ(map["ComFluidLink"], std::vector<std::string>{"-3"});
    // A format that does not fit an integer gives no text, and then no entry at all.
    count.Set("Broken", 1);
    count.AddToReportMap(map, false, "%s");
    EXPECT_EQ(map.count("Broken"), 0u);
}

TEST(NamedValue, EmptyNameAddsNothingAndAKeyIsReplaced) {
    CReportMap map;
    CStringExSel text("value");
    text.AddToReportMap(map);
    CDoubleExSel number(5.0);
    number.AddToReportMap(map);
    EXPECT_TRUE(map.empty());

    map["Sol_VoltageVAL"] = {"old", "entries"};
    text.Set("Sol_VoltageVAL", "24 VDC");
    text.AddToReportMap(map);
    EXPECT_EQ(map["Sol_VoltageVAL"], std::vector<std::string>{"24 VDC"});
}

TEST(NamedValue, ArchiveFormIsValueThenName) {
    {
        CStringExSel text;
        text.Set("N", std::string(300, 'x'));
        CArchive ar;
        text.Serialize(ar);
        const Bytes& bytes = ar.Bytes();
        ASSERT_EQ(bytes.size(), 3u + 300u + 2u);
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1], 300 & 0xFF);
        EXPECT_EQ(bytes[2], 300 >> 8);
        EXPECT_EQ(bytes[303], 1);
        EXPECT_EQ(bytes[304], 'N');
    }
    {
        CIntExSel number;
        number.Set("Ab", -2);
        CArchive ar;
        number.Serialize(ar);
        EXPECT_EQ(ar.Bytes(), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 2, 'A', 'b'}));
    }
}

TEST(NamedValue, StoreAndLoadRestoresValueAndNameExactly) {
    bool failed = true;
    CDoubleExSel gravity;
    gravity.Set("FluidSpecificGravity", 0.1 + 0.2);
    const CDoubleExSel gravityBack = RoundTrip(gravity, &failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(gravityBack.Value(), 0.1 + 0.2);
    EXPECT_EQ(gravityBack.Name(), "FluidSpecificGravity");

    CFloatExSel flow;
    flow.Set("PN_MOPDVAL", 1.1f);
    EXPECT_EQ(RoundTrip(flow, &failed).Value(), 1.1f);
    EXPECT_FALSE(failed);

    CStringExSel text;
    text.Set("Sol_VoltageVAL", "120 V ~ 50 Hz \xCE\xA9");  // Ω takes the Unicode form
    const CStringExSel textBack = RoundTrip(text, &failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(textBack.Value(), text.Value());
    EXPECT_EQ(textBack.Name(), "Sol_VoltageVAL");
}

TEST(NamedValue, TruncatedArchiveFails) {
    CIntExSel number;
    number.Set("FlowPatOptSelected", 7);
    CArchive out;
    number.Serialize(out);
    Bytes bytes = out.Bytes();
    bytes.pop_back();
    CArchive in(bytes);
    CIntExSel back;
    back.Serialize(in);
    EXPECT_TRUE(in.Failed());
}
