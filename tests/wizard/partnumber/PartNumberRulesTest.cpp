// The Part Number step's rules on their own: which list, which parameters, how a filter
// combo is built, how the list state is kept, how the list sorts, the temperature rule and
// which file names may be opened.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "SampleRecords.h"
#include "data/StoredQueries.h"
#include "wizard/partnumber/CandidateList.h"
#include "wizard/partnumber/CandidateSort.h"
#include "wizard/partnumber/ListState.h"
#include "wizard/partnumber/OptionList.h"
#include "wizard/partnumber/PartInformation.h"
#include "wizard/partnumber/PartListQuery.h"
#include "wizard/partnumber/TemperatureCheck.h"
#include "wizard/partnumber/TextColumn.h"

namespace veritom {
namespace {

using C = CColumnTable;

TEST(PartListQuery, KindAndVariantFollowMethodAndCoil) {
    struct Case {
        int selMethod;
        int methodLink;
        const char* voltLink;
        int kind;
        std::optional<ColumnVariant> variant;
    };
    const Case cases[] = {
        {2, 0, "ALL", 1, ColumnVariant::B},
        {2, 1, "120A6", 1, ColumnVariant::A},  // method 2 wins over the method link
        {1, 1, "120A6", 2, ColumnVariant::A},
        {1, 1, "ALL", 3, ColumnVariant::C},
        {1, 2, "120A6", 4, ColumnVariant::A},
        {1, 2, "ALL", 5, ColumnVariant::C},
        {1, 0, "ALL", 5, ColumnVariant::C},
        {1, 1, "all", 2, ColumnVariant::A},  // links compare exactly
        {3, 1, "ALL", 3, std::nullopt},      // no coil and no known method: nothing shown
        {0, 2, "ALL", 5, std::nullopt},
    };
    for (const Case& c : cases) {
        CProd_ValveData record;
        record.m_SelMethodCode = c.selMethod;
        record.m_MethodLink = c.methodLink;
        record.m_VoltLink = std::string(c.voltLink);
        EXPECT_EQ(CPartListQuery::ChooseKind(record), c.kind) << c.selMethod << c.voltLink;
        EXPECT_EQ(CPartListQuery::ChooseVariant(record), c.variant) << c.selMethod << c.voltLink;
    }
}

std::set<std::string> Names(const ListParams& params) {
    std::set<std::string> names;
    for (const ListParam& param : params) {
        EXPECT_TRUE(names.insert(std::string(param.name)).second) << param.name << " twice";
    }
    return names;
}

std::set<std::string> Declared(const CQueryInfo& info) {
    std::set<std::string> names;
    for (const QueryParam& param : info.params) {
        names.insert(std::string(param.name));
    }
    return names;
}

// Each kind sets exactly what its two queries declare, so no query opens with a parameter
// unset and none is set that the query would refuse.
TEST(PartListQuery, ParametersOfEveryKindAreThoseItsQueriesDeclare) {
    const CProd_ValveData record = test::CatalogDataWithCoil();
    for (int kind = 1; kind <= 5; ++kind) {
        const std::set<std::string> recordNames =
            Names(CPartListQuery::RecordParameters(record, kind));
        EXPECT_EQ(recordNames, Declared(CPartListQuery::OptionQuery(kind))) << kind;
        std::set<std::string> listNames = recordNames;
        const std::set<std::string> filterNames = Names(CPartListQuery::FilterParameters({}, kind));
        listNames.insert(filterNames.begin(), filterNames.end());
        EXPECT_EQ(listNames, Declared(CPartListQuery::ListQuery(kind))) << kind;
    }
}

template <typename T>
T ValueOf(const ListParams& params, std::string_view name) {
    for (const ListParam& param : params) {
        if (param.name == name) {
            return std::get<T>(param.value);
        }
    }
    ADD_FAILURE() << name << " not set";
    return T{};
}

// The pressure differentials cross in psi as differences, the inlet pressure in psig as a
// pressure.
TEST(PartListQuery, DifferentialsPassAsDifferencesAndTheInletPressureAsAPressure) {
    struct Case {
        double value;
        const char* unit;
        double differentialPsi;
        double pressurePsig;
    };
    const Case cases[] = {
        {2, "BAR", 29.0075, 14.3132},   {689.4757, "KPA", 100, 85.3056},
        {1, "MPA", 145.0377, 130.3433}, {1, "ATM", 14.6959, 0.0016},
        {100, "PSIA", 100, 85.3056},    {100, "PSIG", 100, 100},
        {0, "PA", 0, -14.6944},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + ' ' + c.unit);
        CProd_ValveData record = test::CatalogDataWithCoil();
        record.m_App_MOPDVAL.Set(c.value, c.unit);
        record.m_App_MinOPDVAL.Set(c.value / 2, c.unit);
        record.m_App_MaxInPressureVAL.Set(c.value, c.unit);
        for (const int kind : {2, 3}) {
            const ListParams params = CPartListQuery::RecordParameters(record, kind);
            EXPECT_NEAR(ValueOf<float>(params, "[parMOPDValue]"), c.differentialPsi, 1e-3);
            EXPECT_NEAR(ValueOf<float>(params, "[parMinOPDValue]"), c.differentialPsi / 2, 1e-3);
            EXPECT_NEAR(ValueOf<float>(params, "[parMIPValue]"), c.pressurePsig, 1e-3);
        }
        record = test::CalculatedSizeWithCoil();
        record.m_App_MOPDVAL.Set(c.value, c.unit);
        for (const int kind : {4, 5}) {
            EXPECT_NEAR(
                ValueOf<float>(CPartListQuery::RecordParameters(record, kind), "[parMOPDValue]"),
                c.differentialPsi, 1e-3);
        }
    }
}

TEST(PartListQuery, QuantitiesPassInTheirFixedUnitsAndFlagsByMethod) {
    CProd_ValveData record = test::CalculatedSizeWithCoil();
    record.m_App_MOPDVAL.Set(2.0, "BAR");
    record.m_App_FluidTempVAL.Set(40.0, "DEG_C");
    record.m_App_MaxInPressureVAL.Set(689.4757, "KPA");
    record.m_ChkBxFlags = CProd_ValveData::kFlagMaxInletPressureApplies;
    ListParams params = CPartListQuery::RecordParameters(record, 4);
    EXPECT_NEAR(ValueOf<float>(params, "[parMOPDValue]"), 29.01, 0.01);  // 2 bar of difference
    EXPECT_NEAR(ValueOf<float>(params, "[parMxOpFldTemp]"), 104.0, 1e-4);
    EXPECT_NEAR(ValueOf<float>(params, "[parMIPValue]"), 85.3, 0.1);
    EXPECT_EQ(ValueOf<std::int16_t>(params, "[parChkBx_MIP]"), 1);  // bit 5 outside method 2
    EXPECT_EQ(ValueOf<std::string>(params, "[parAcDcLink]"), "AC");
    EXPECT_FLOAT_EQ(ValueOf<float>(params, "[parCalcCv]"), 0.05f);

    CProd_ValveData sized = test::ValveSizeMethod();
    sized.m_ChkBxFlags =
        CProd_ValveData::kFlagMaxInletPressureApplies | CProd_ValveData::kFlagVolumetricFlowTicked;
    sized.m_App_FlowFactorVAL.Set(14.28, "KV");
    params = CPartListQuery::RecordParameters(sized, 1);
    EXPECT_EQ(ValueOf<std::int16_t>(params, "[parChkBx_MIP]"), 0);  // bit 6 in method 2
    EXPECT_EQ(ValueOf<std::int16_t>(params, "[parChkBx_VolFlow]"), 1);
    EXPECT_EQ(ValueOf<std::int16_t>(params, "[parChkBx_FloFacValue]"), 0);
    EXPECT_NEAR(ValueOf<float>(params, "[parFloFacValue]"), 1.0, 1e-5);
    EXPECT_FLOAT_EQ(ValueOf<float>(params, "[parVolFlowValue]"), 20000.0f);
}

OptionTriple T(const char* link, const char* text, float order) {
    return {link, text, order};
}

TEST(OptionList, OneOptionPerOrderAndTheUndecidedOptionOnlyForAChoice) {
    struct Case {
        const char* name;
        std::vector<OptionTriple> rows;
        std::vector<std::string> links;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"no rows", {}, {}, {}},
        {"one distinct option, many rows",
         {T("SS", "Stainless", 3), T("SS", "Stainless", 3), T("SS", "Stainless", 3)},
         {"SS"},
         {"Stainless"}},
        {"sorted by order",
         {T("SS", "Stainless", 3), T("BR", "Brass", 1), T("AL", "Aluminium", 2)},
         {"ALL", "BR", "AL", "SS"},
         {"Undecided", "Brass", "Aluminium", "Stainless"}},
        {"equal orders collapse into the first row",
         {T("FKM", "FKM", 2), T("NBR", "NBR", 1), T("EPDM", "EPDM", 2)},
         {"ALL", "NBR", "FKM"},
         {"Undecided", "NBR", "FKM"}},
        {"two links of one order are one option, so no choice",
         {T("A", "A", 5), T("B", "B", 5)},
         {"A"},
         {"A"}},
        {"an order of -1 is kept",
         {T("X", "X", -1), T("Y", "Y", 0)},
         {"ALL", "X", "Y"},
         {"Undecided", "X", "Y"}},
    };
    for (const Case& c : cases) {
        const OptionEntries entries = COptionList::Build(c.rows, "ALL", "Undecided");
        EXPECT_EQ(entries.links, c.links) << c.name;
        EXPECT_EQ(entries.texts, c.texts) << c.name;
    }
    const OptionEntries entries =
        COptionList::Build({T("BR", "Brass", 1), T("SS", "Stainless", 2)}, "ALL", "Undecided");
    EXPECT_EQ(entries.IndexOfLink("SS"), 2);
    EXPECT_EQ(entries.IndexOfLink(""), 0);
    EXPECT_EQ(entries.IndexOfLink("XX"), 0);
    EXPECT_EQ(OptionEntries{}.IndexOfLink("SS"), -1);
}

CListState::Elements NewElements() {
    CListState::Elements e;
    e.fill(-1);
    e[20] = 0;
    e[23] = 0;
    return e;
}

std::vector<int> VariantA() {
    return {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
}

TEST(ListState, ReopeningKeepsEveryColumnAndTheSort) {
    // Column 5 is never shown, so display position 5 holds column 6: testing the table entry
    // at the position instead of the column lost a column at every reopening.
    CListState state;
    state.saved = true;
    state.columns = {0, 7, 1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    state.mask = CListState::MaskOf(state.columns, ColumnVariant::A);
    state.sortColumn = 15;
    state.sortDirection = 1;
    state.historyColumn = 7;
    state.historyDirection = 0;
    CListState::Elements elements = NewElements();
    elements[21] = 1234;
    for (int round = 0; round < 3; ++round) {
        state.Write(elements);
        const CListState read = CListState::Read(elements);
        const std::vector<int> layout = CListState::Layout(read, ColumnVariant::A, true, true);
        EXPECT_EQ(layout, state.columns) << "round " << round;
        EXPECT_EQ(read.sortColumn, 15);
        EXPECT_EQ(read.sortDirection, 1);
        EXPECT_EQ(read.historyColumn, 7);
        EXPECT_EQ(read.historyDirection, 0);
        state.columns = layout;
    }
    EXPECT_EQ(elements[0], 0xFFDF);
    EXPECT_EQ(elements[15], 15);  // the last column at position 14
    EXPECT_EQ(elements[16], -1);
    EXPECT_EQ(elements[19], 14);  // the sort position is not overwritten by a column
    EXPECT_EQ(elements[20], 1);
    EXPECT_EQ(elements[21], 1234);
    EXPECT_EQ(elements[22], 7);
    EXPECT_EQ(elements[23], 1);
}

TEST(ListState, AFileCannotNameColumnsOrPositionsOutOfRange) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::int32_t>> set;
        std::vector<int> layout;
        int sortColumn;
    };
    std::vector<int> rotated = VariantA();
    std::rotate(rotated.begin(), rotated.begin() + 1, rotated.end());
    const Case cases[] = {
        {"nothing saved", {}, VariantA(), -1},
        {"saved order",
         {{0, 0xFFDF},
          {1, 1},
          {2, 2},
          {3, 3},
          {4, 4},
          {5, 6},
          {6, 7},
          {7, 8},
          {8, 9},
          {9, 10},
          {10, 11},
          {11, 12},
          {12, 13},
          {13, 14},
          {14, 15},
          {15, 0},
          {19, 14}},
         rotated,
         0},
        {"columns out of range, twice or never shown are skipped, the rest appended",
         {{0, 1}, {1, 99}, {2, -7}, {3, 8}, {4, 8}, {5, 5}, {6, 17}, {7, 16}, {19, 1}},
         {8, 0, 1, 2, 3, 4, 6, 7, 9, 10, 11, 12, 13, 14, 15},
         -1},
        {"a sort position beyond the columns is ignored",
         {{0, 1}, {1, 2}, {19, 40}},
         {2, 0, 1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         -1},
        {"a negative sort position is ignored", {{0, 1}, {1, 2}, {19, -5}}, {}, -1},
    };
    for (const Case& c : cases) {
        CListState::Elements elements = NewElements();
        for (const auto& [index, value] : c.set) {
            elements[static_cast<std::size_t>(index)] = value;
        }
        elements[22] = 77;  // a history column out of range
        const CListState state = CListState::Read(elements);
        const auto layout = CListState::Layout(state, ColumnVariant::A, true, true);
        if (!c.layout.empty()) {
            EXPECT_EQ(layout, c.layout) << c.name;
        }
        EXPECT_EQ(state.sortColumn, c.sortColumn) << c.name;
        EXPECT_EQ(state.historyColumn, -1) << c.name;
    }
}

TEST(ListState, CoilClassAndApprovalColumnsFollowTheirFilters) {
    const CListState none;
    EXPECT_EQ(CListState::Layout(none, ColumnVariant::A, false, false),
              (std::vector<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(CListState::Layout(none, ColumnVariant::B, false, true),
              (std::vector<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 16}));
    EXPECT_EQ(CListState::Layout(none, ColumnVariant::C, false, false),
              (std::vector<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(CListState::MaskOf(CListState::Layout(none, ColumnVariant::C, false, false),
                                 ColumnVariant::C),
              0xFDFu);
}

// A list of rows with a part number, a body material, a Min OPD text and a MOPD.
CCandidateList ListOf(
    const std::vector<std::tuple<const char*, const char*, const char*, float>>& rows) {
    CCandidateList list;
    for (const auto& [pn, body, minOPD, mopd] : rows) {
        CCandidateList::Row row;
        row.partNumber = pn;
        row.texts[CCandidateList::kBodyMaterial] = body;
        row.texts[CCandidateList::kMinOPD] = minOPD;
        row.numbers[CCandidateList::kMOPD] = mopd;
        list.Append(row);
    }
    return list;
}

std::vector<std::string> PartNumbers(const CCandidateList& list, const CCandidateSort& sort) {
    std::vector<std::string> order;
    for (std::size_t i = 0; i < sort.Size(); ++i) {
        order.emplace_back(list.PartNumber(sort.RowAt(i)));
    }
    return order;
}

TEST(CandidateSort, FirstClickDescendsButMinOPDAscendsAndClicksAlternate) {
    const CCandidateList list = ListOf({{"A", "Brass", "5", 150},
                                        {"B", "Stainless", "10", 25},
                                        {"C", "Aluminium", "0.5", 300},
                                        {"D", "Brass", "9", 1000}});
    CCandidateSort sort;
    sort.Reset(list.Size());
    struct Click {
        int column;
        std::vector<std::string> order;
    };
    const Click clicks[] = {
        {C::kMOPD, {"D", "C", "A", "B"}},    // numbers by value, descending first
        {C::kMOPD, {"B", "A", "C", "D"}},    // the second click ascends
        {C::kMinOPD, {"C", "A", "D", "B"}},  // Min OPD by value (0.5 < 5 < 9 < 10), ascending first
        {C::kMinOPD, {"B", "D", "A", "C"}},
        {C::kPartNumber, {"D", "C", "B", "A"}},
        // Byte order, descending; the two Brass rows fall back on the part number as it was
        // sorted last, descending.
        {C::kBodyMaterial, {"B", "D", "A", "C"}},
    };
    for (const Click& click : clicks) {
        sort.Sort(list, click.column);
        EXPECT_EQ(PartNumbers(list, sort), click.order) << "column " << click.column;
    }
}

TEST(CandidateSort, TiesFallBackOnTheColumnSortedBeforeOneLevelDeep) {
    const CCandidateList list = ListOf({{"P1", "Brass", "5", 100},
                                        {"P2", "Steel", "5", 300},
                                        {"P3", "Brass", "5", 300},
                                        {"P4", "Steel", "5", 100}});
    CCandidateSort sort;
    sort.Reset(list.Size());
    sort.Sort(list, C::kMOPD);          // descending: P2 P3 | P1 P4
    sort.Sort(list, C::kBodyMaterial);  // descending; ties by MOPD descending
    EXPECT_EQ(PartNumbers(list, sort), (std::vector<std::string>{"P2", "P4", "P3", "P1"}));
    EXPECT_EQ(sort.History().column, C::kMOPD);
    // Sorting Min OPD: all equal, so body material (as sorted, descending) decides; MOPD,
    // two levels back, no longer does and the rows keep their order.
    sort.Sort(list, C::kMinOPD);
    EXPECT_EQ(PartNumbers(list, sort), (std::vector<std::string>{"P2", "P4", "P3", "P1"}));
    EXPECT_EQ(sort.History().column, C::kBodyMaterial);
    // A second click on the same column keeps the history.
    sort.Sort(list, C::kMinOPD);
    EXPECT_EQ(sort.History().column, C::kBodyMaterial);
    // Restoring a saved sort gives the order it had.
    CCandidateSort restored;
    restored.Reset(list.Size());
    restored.Restore(list, {C::kBodyMaterial, 0}, {C::kMOPD, 0});
    EXPECT_EQ(PartNumbers(list, restored), (std::vector<std::string>{"P2", "P4", "P3", "P1"}));
    EXPECT_EQ(restored.DirectionOf(C::kBodyMaterial), 1);
}

TEST(TextColumn, KeepsEachDistinctTextOnceAndRanksInByteOrder) {
    CTextColumn column;
    std::vector<std::string> texts;
    for (int i = 0; i < 40; ++i) {
        texts.push_back(
            std::string("t").append(std::to_string(i % 20)));  // past the linear look-up
    }
    texts.push_back("T");
    texts.push_back("");
    for (const std::string& text : texts) {
        column.Append(text);
    }
    ASSERT_EQ(column.Size(), texts.size());
    EXPECT_EQ(column.DistinctCount(), 22u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(column.At(i), texts[i]);
    }
    EXPECT_EQ(column.RankAt(41), 0u);                // ""
    EXPECT_EQ(column.RankAt(40), 1u);                // "T" before "t0"
    EXPECT_LT(column.RankAt(10), column.RankAt(2));  // "t10" before "t2"
}

TEST(TemperatureCheck, TheMinimumOfferedIsNeverAboveTheMaximum) {
    struct Case {
        double max;
        const char* maxUnit;
        double min;
        const char* minUnit;
        std::optional<double> offered;
    };
    const Case cases[] = {
        {60, "DEG_C", 150, "DEG_F", 140},
        {60, "DEG_C", 140, "DEG_F", std::nullopt},  // equal values pass
        {100, "DEG_F", 38, "DEG_C", 37},            // 37.78: 38 would be 100.4 °F
        {38, "DEG_C", 101, "DEG_F", 100},           // 100.4: 100 is allowed
        {100, "DEG_F", 37.7777, "DEG_C", std::nullopt},
        {-40, "DEG_C", -39, "DEG_F", -40},
        {300, "DEG_K", 30, "DEG_C", 26},  // 26.85
        {212, "DEG_F", 100, "DEG_C", std::nullopt},
    };
    for (const Case& c : cases) {
        const CUnitDouble max(c.max, c.maxUnit);
        const CUnitDouble min(c.min, c.minUnit);
        const auto offered = CTemperatureCheck::SuggestedMinimum(max, min);
        ASSERT_EQ(offered.has_value(), c.offered.has_value()) << c.max << " " << c.min;
        if (offered) {
            EXPECT_DOUBLE_EQ(*offered, *c.offered) << c.max << " " << c.min;
            EXPECT_FALSE(
                CTemperatureCheck::IsMinimumAboveMaximum(max, CUnitDouble(*offered, c.minUnit)));
        }
    }
    EXPECT_NE(CTemperatureCheck::Message(140, "DEG_F").find("\n140 °F  "), std::string::npos);
    CUnitDouble min(150, "DEG_F");
    EXPECT_TRUE(CTemperatureCheck::ClampMinimum(CUnitDouble(60, "DEG_C"), min));
    EXPECT_NEAR(min.Value(), 140.0, 1e-9);
    EXPECT_EQ(min.Unit(), "DEG_F");
}

TEST(PartInformation, OnlyPlainFileNamesAreOpened) {
    struct Case {
        const char* name;
        bool plain;
    };
    const Case cases[] = {
        {"K21.pdf", true},
        {"Catalog sheet K21 (rev. 2).pdf", true},
        {"a..b.pdf", true},
        {"", false},
        {".", false},
        {"..", false},
        {"../K21.pdf", false},
        {"sub/K21.pdf", false},
        {"..\\..\\boot.ini", false},
        {"/etc/passwd", false},
        {"C:K21.pdf", false},
        {"http://example.com/x.pdf", false},
        {"file:K21.pdf", false},
        {"K21\n.pdf", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CPartInformation::IsPlainFileName(c.name), c.plain) << c.name;
    }
}

}  // namespace
}  // namespace veritom
