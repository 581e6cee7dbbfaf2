// The Part Number step's decisions on the selection database the build makes, with records
// as the earlier steps leave them.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "MessageRecorder.h"
#include "SampleRecords.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/partnumber/PartNumberSelection.h"

namespace veritom {
namespace {

namespace fs = std::filesystem;
using test::MessageRecorder;
using S = CPartNumberSelection;
using C = CColumnTable;

const std::string kShare = VERITOM_STAGE_DIR "/share/veritom";

class Language : public ILanguageSource {
public:
    explicit Language(std::string code) : m_code(std::move(code)) {}
    std::string GetLanguageCode() const override { return m_code; }

private:
    std::string m_code;
};

class PartNumberSelection : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kShare + "/MorvaneEN.mdb")) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        ASSERT_TRUE(m_db.Open(kShare, "Morvane", false, true, ""));
    }

    // Opens the step on record and lists the candidates (answering the large list's
    // question with Yes).
    void OpenAndList(S& selection) {
        ASSERT_EQ(selection.Open(), S::OpenResult::Ready);
        ASSERT_EQ(selection.Update(), S::UpdateResult::Listed);
    }

    MessageRecorder m_messages;
    Language m_language{"EN"};
    IDatabase m_db{m_language};
};

int IndexOf(const OptionEntries& entries, const std::string& link) {
    const auto found = std::find(entries.links.begin(), entries.links.end(), link);
    return found == entries.links.end() ? -1 : static_cast<int>(found - entries.links.begin());
}

// The list the step fills column by column holds what the stored query gives, row by row.
TEST_F(PartNumberSelection, EveryKindListsWhatItsQueryGives) {
    const std::pair<int, CProd_ValveData> records[] = {{1, test::ValveSizeMethod()},
                                                       {2, test::CatalogDataWithCoil()},
                                                       {3, test::CatalogDataWithoutCoil()},
                                                       {4, test::CalculatedSizeWithCoil()},
                                                       {5, test::CalculatedSizeWithoutCoil()}};
    for (const auto& [kind, record] : records) {
        S selection(m_db, record);
        OpenAndList(selection);
        ASSERT_EQ(selection.Kind(), kind);

        ListFilterValues filters;
        filters.bodyMaterial = filters.sealMaterial = filters.connectionType = "ALL";
        filters.actuation = filters.coilClass = filters.tenthFilter = "ALL";
        filters.flowFactorKind =
            selection.Options(S::kFlowFactor)
                .links.at(static_cast<std::size_t>(selection.Selected(S::kFlowFactor)));
        filters.maxFluidTempF = static_cast<float>(record.m_App_FluidTempVAL.GetValueIn("DEG_F"));
        filters.minFluidTempF =
            static_cast<float>(record.m_Filter_MinFluidTempVAL.GetValueIn("DEG_F"));
        filters.maxInletPressurePsig =
            static_cast<float>(record.m_App_MaxInPressureVAL.GetValueIn("PSIG"));
        CQuery query(m_db, CPartListQuery::ListQuery(kind));
        CPartListQuery::Apply(query, CPartListQuery::RecordParameters(record, kind));
        CPartListQuery::Apply(query, CPartListQuery::FilterParameters(filters, kind));
        IRecordset records(m_db);
        records.Open(query);
        ASSERT_EQ(selection.RowCount(), static_cast<std::size_t>(records.GetRecordCount()))
            << "kind " << kind;
        const CCandidateList& list = selection.Candidates();
        for (std::uint32_t row = 0; !records.IsEOF(); records.MoveNext(), ++row) {
            ASSERT_EQ(list.PartNumber(row), records.GetString("CompletePN"));
            ASSERT_EQ(list.Text(CCandidateList::kBodyMaterial, row),
                      records.GetString("PN_BMaterialLink2Text"));
            ASSERT_EQ(list.Text(CCandidateList::kControlSignal, row),
                      records.GetString("ControlSigText"));
            ASSERT_EQ(list.Number(CCandidateList::kMOPD, row), records.GetFloat("MOPD"));
            ASSERT_EQ(list.MinOPD(row), std::stod(records.GetString("MinOPD")));
        }
        EXPECT_GT(selection.RowCount(), 0u) << "kind " << kind;
        if (selection.RowCount() >= 1000) {
            EXPECT_LE(list.BytesHeld(), selection.RowCount() * 150) << "kind " << kind;
        }
    }
}

TEST_F(PartNumberSelection, FiltersOfTheKindAreFilledFromTheOptionsAndUndecidedFirst) {
    S withCoil(m_db, test::CatalogDataWithCoil());
    ASSERT_EQ(withCoil.Open(), S::OpenResult::Ready);
    EXPECT_EQ(withCoil.Variant(), ColumnVariant::A);
    for (const int filter :
         {S::kBodyMaterial, S::kSealMaterial, S::kConnectionType, S::kActuation, S::kCoilClass}) {
        const OptionEntries& entries = withCoil.Options(filter);
        ASSERT_GT(entries.Size(), 2) << filter;
        EXPECT_EQ(entries.links[0], "ALL") << filter;
        EXPECT_EQ(entries.texts[0], "Undecided") << filter;
        EXPECT_EQ(withCoil.Selected(filter), 0) << filter;
    }
    EXPECT_EQ(withCoil.Options(S::kFlowFactor).links, (std::vector<std::string>{"Cv", "Kv"}));
    EXPECT_EQ(withCoil.ColumnTitle(C::kFlowFactor), "Cv");
    EXPECT_EQ(withCoil.FlowFactorRanges().texts.front(), "All");
    EXPECT_TRUE(withCoil.IsFilterInUse(S::kCoilClass));
    // The ordinary location's coils carry one approval: a filter without a choice.
    EXPECT_EQ(withCoil.Options(S::kTenthFilter).Size(), 1);
    EXPECT_EQ(withCoil.Selected(S::kTenthFilter), 0);
    EXPECT_EQ(withCoil.Columns(),
              (std::vector<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(withCoil.HelpKeyword(S::kTenthFilter), "AgencyApp");

    // A proportional valve has one actuation only: that option alone, no undecided entry.
    S sized(m_db, test::ValveSizeMethod());
    ASSERT_EQ(sized.Open(), S::OpenResult::Ready);
    EXPECT_EQ(sized.Variant(), ColumnVariant::B);
    EXPECT_EQ(sized.Options(S::kActuation).links, (std::vector<std::string>{"PR"}));
    EXPECT_EQ(sized.Selected(S::kActuation), 0);
    EXPECT_TRUE(sized.IsTenthFilterControlSignal());
    EXPECT_FALSE(sized.IsFilterInUse(S::kCoilClass));
    EXPECT_TRUE(sized.Options(S::kCoilClass).Empty());
    EXPECT_NE(IndexOf(sized.Options(S::kTenthFilter), "MA420"), -1);
    EXPECT_EQ(sized.HelpKeyword(S::kTenthFilter), "ControlSig");
    // Without a saved kind the flow factor entered in the Application step decides.
    EXPECT_EQ(sized.ColumnTitle(C::kFlowFactor), "Cv");

    S noCoil(m_db, test::CalculatedSizeWithoutCoil());
    ASSERT_EQ(noCoil.Open(), S::OpenResult::Ready);
    EXPECT_FALSE(noCoil.IsFilterInUse(S::kTenthFilter));
    EXPECT_TRUE(noCoil.Options(S::kTenthFilter).Empty());
    EXPECT_FALSE(noCoil.IsMaxFluidTempEditable());  // the calculated size took it
    EXPECT_EQ(noCoil.Columns().size(), 11u);

    CProd_ValveData unknown = test::CatalogDataWithoutCoil();
    unknown.m_SelMethodCode = 3;
    S none(m_db, unknown);
    EXPECT_EQ(none.Open(), S::OpenResult::NoVariant);
    EXPECT_EQ(m_messages.beeps, 1);
    CProd_ValveData nothing = test::CatalogDataWithCoil();
    nothing.m_FuncLink = std::string("9W");
    S empty(m_db, nothing);
    EXPECT_EQ(empty.Open(), S::OpenResult::NoOptions);
    EXPECT_EQ(m_messages.beeps, 2);
}

TEST_F(PartNumberSelection, TenThousandCandidatesAreListedOnlyWhenTheUserAgrees) {
    S selection(m_db, test::CalculatedSizeWithoutCoil());
    ASSERT_EQ(selection.Open(), S::OpenResult::Ready);
    m_messages.Answer(MsgAnswer::No);
    EXPECT_EQ(selection.Update(), S::UpdateResult::NothingListed);
    EXPECT_EQ(selection.RowCount(), 0u);
    ASSERT_EQ(m_messages.boxes.size(), 2u);
    EXPECT_EQ(m_messages.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(m_messages.boxes[0].text, "Greater than 10,000 Records found (32704). Continue?");
    EXPECT_EQ(m_messages.boxes[1].text.rfind("No part number matches", 0), 0u);

    // Update asks again; with Yes the candidates are listed.
    EXPECT_EQ(selection.Update(), S::UpdateResult::Listed);
    EXPECT_EQ(selection.RowCount(), 32704u);
    EXPECT_EQ(m_messages.boxes.size(), 3u);
    // Narrowed below 10,000 the question does not come.
    const int epdm = IndexOf(selection.Options(S::kSealMaterial), "EPDM");
    ASSERT_GT(epdm, 0);
    EXPECT_TRUE(selection.SelectOption(S::kSealMaterial, epdm));
    EXPECT_EQ(selection.Update(), S::UpdateResult::Listed);
    EXPECT_LT(selection.RowCount(), 10000u);
    EXPECT_EQ(m_messages.boxes.size(), 3u);
}

TEST_F(PartNumberSelection, AFilterChangeEmptiesAListedListAndOnlyStoresOtherwise) {
    S selection(m_db, test::CatalogDataWithCoil());
    OpenAndList(selection);
    const std::size_t all = selection.RowCount();
    ASSERT_GT(all, 0u);
    EXPECT_FALSE(selection.SelectOption(S::kSealMaterial, 0));  // the same entry
    EXPECT_EQ(selection.RowCount(), all);
    EXPECT_TRUE(selection.SelectOption(S::kSealMaterial, 1));
    EXPECT_EQ(selection.RowCount(), 0u);
    EXPECT_TRUE(selection.IsStale());
    // Already empty: the choice is stored, nothing else happens.
    EXPECT_FALSE(selection.SelectOption(S::kSealMaterial, 2));
    EXPECT_EQ(selection.Selected(S::kSealMaterial), 2);
    EXPECT_EQ(selection.Update(), S::UpdateResult::Listed);
    EXPECT_LT(selection.RowCount(), all);
    // A numeric filter always counts as a change, even with the same value.
    EXPECT_TRUE(
        selection.ChangeNumericFilter(S::kMinFluidTemp, selection.NumericFilter(S::kMinFluidTemp)));
    EXPECT_FALSE(selection.ChangeNumericFilter(S::kMinFluidTemp, CUnitDouble(20, "DEG_F")));
    // A new flow-factor kind refills its ranges and renames the column.
    EXPECT_FALSE(selection.SelectOption(S::kFlowFactor, 1));
    EXPECT_EQ(selection.ColumnTitle(C::kFlowFactor), "Kv");
    EXPECT_EQ(selection.SelectedRange(), 0);
    EXPECT_EQ(selection.FlowFactorRanges().links.at(1), "1.5");
}

TEST_F(PartNumberSelection, TheMinimumTemperatureMayNotLieAboveTheMaximum) {
    CProd_ValveData record = test::CatalogDataWithCoil();
    record.m_App_FluidTempVAL.Set(60, "DEG_C");
    S selection(m_db, record);
    ASSERT_EQ(selection.Open(), S::OpenResult::Ready);
    selection.ChangeNumericFilter(S::kMinFluidTemp, CUnitDouble(150, "DEG_F"));
    EXPECT_EQ(selection.Update(), S::UpdateResult::MinimumRefused);
    EXPECT_EQ(selection.SuggestedMinimum(), 140.0);
    EXPECT_EQ(selection.RowCount(), 0u);
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].text,
              "The Minimum temperature may not be larger than the Maximum temperature of\n"
              "140 °F  ");
    selection.ChangeNumericFilter(S::kMinFluidTemp, CUnitDouble(140, "DEG_F"));
    EXPECT_EQ(selection.Update(), S::UpdateResult::Listed);

    // A record whose minimum lies above the maximum opens with the minimum at the maximum.
    record.m_Filter_MinFluidTempVAL.Set(200, "DEG_F");
    S opened(m_db, record);
    ASSERT_EQ(opened.Open(), S::OpenResult::Ready);
    EXPECT_NEAR(opened.NumericFilter(S::kMinFluidTemp).Value(), 140.0, 1e-9);
    EXPECT_EQ(opened.NumericFilter(S::kMinFluidTemp).Unit(), "DEG_F");
}

// The inlet pressure filter is never shown, but the record's maximum inlet pressure still
// narrows the list, and OK writes it back as it was.
TEST_F(PartNumberSelection, TheHiddenInletPressureFilterStillNarrowsTheList) {
    CProd_ValveData low = test::CatalogDataWithCoil();
    low.m_App_MaxInPressureVAL.Set(0, "PSIG");
    CProd_ValveData high = test::CatalogDataWithCoil();
    high.m_App_MaxInPressureVAL.Set(20, "BAR");  // absolute: 275.4 psig
    S all(m_db, low);
    OpenAndList(all);
    S fewer(m_db, high);
    OpenAndList(fewer);
    EXPECT_LT(fewer.RowCount(), all.RowCount());
    EXPECT_FALSE(fewer.IsFilterInUse(S::kMaxInletPressure));
    for (std::size_t row = 0; row < fewer.RowCount(); ++row) {
        ASSERT_GE(fewer.Candidates().Number(CCandidateList::kMaxInPressure, row), 275.4f);
    }
    CProd_ValveData accepted = high;
    ASSERT_TRUE(fewer.Accept(0, accepted));
    EXPECT_EQ(accepted.m_App_MaxInPressureVAL.Value(), 20.0);
    EXPECT_EQ(accepted.m_App_MaxInPressureVAL.Unit(), "BAR");
    EXPECT_EQ(accepted.m_App_MaxInPressureVAL.ValueKey(), "App_MaxInPressureVAL");
}

// The pressure differentials are differences: entered in any pressure unit they list the
// parts the same differentials in psi list, and the "Min OPD" and "Max OPD" columns show the
// parts' ratings (psi) in the entered units, converted as differences (a valve that opens
// without a differential shows 0, not the 1 bar of an absolute zero gauge pressure).
TEST_F(PartNumberSelection, DifferentialsInAnyPressureUnitListTheSamePartsInThatUnit) {
    struct Row {
        const char* unit;
        const char* text;
        double psiPerUnit;  // physical: psi of difference in one unit of difference
    };
    const Row rows[] = {
        {"PA", "Pa abs", 1.45037738e-4},
        {"KPA", "kPa abs", 0.145037738},
        {"MPA", "MPa abs", 145.037738},
        {"BAR", "bar abs", 14.5037738},
        {"ATM", "atm abs", 14.6959488},
        {"PSIA", "psi abs", 1},
        {"PSIG", "psig", 1},
    };
    const CProd_ValveData inPsi = test::CatalogDataWithCoil();  // 100 and 10 psi
    S reference(m_db, inPsi);
    OpenAndList(reference);
    std::vector<std::string> parts;
    bool opensWithoutDifferential = false;
    for (std::size_t row = 0; row < reference.RowCount(); ++row) {
        parts.push_back(reference.CellText(row, C::kPartNumber));
        opensWithoutDifferential |= reference.Candidates().MinOPD(row) == 0;
    }
    ASSERT_TRUE(opensWithoutDifferential);
    const auto shown = [](const std::string& cell) { return std::stod(cell); };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.unit);
        CProd_ValveData record = inPsi;
        record.m_App_MOPDVAL.Set(100 / r.psiPerUnit, r.unit);
        record.m_App_MinOPDVAL.Set(10 / r.psiPerUnit, r.unit);
        S selection(m_db, record);
        OpenAndList(selection);
        ASSERT_EQ(selection.RowCount(), parts.size());
        const CCandidateList& list = selection.Candidates();
        for (std::size_t row = 0; row < parts.size(); ++row) {
            ASSERT_EQ(selection.CellText(row, C::kPartNumber), parts[row]);
            const std::string minimum = selection.CellText(row, C::kMinOPD);
            const std::string maximum = selection.CellText(row, C::kMOPD);
            ASSERT_NEAR(shown(minimum), list.MinOPD(row) / r.psiPerUnit, 0.5 + 1e-6) << minimum;
            ASSERT_NEAR(shown(maximum), list.Number(CCandidateList::kMOPD, row) / r.psiPerUnit,
                        0.5 + 1e-6)
                << maximum;
            ASSERT_TRUE(maximum.ends_with("  " + std::string(r.text))) << maximum;
        }
        CProd_ValveData accepted = record;
        ASSERT_TRUE(selection.Accept(0, accepted));
        const double psi = list.Number(CCandidateList::kMOPD, 0);  // unsorted: row 0 is shown first
        EXPECT_NEAR(accepted.m_PN_MOPDNum.Value(), psi / r.psiPerUnit, 1e-5 * psi / r.psiPerUnit);
        EXPECT_EQ(accepted.m_PN_MOPDText.Value(), selection.CellText(0, C::kMOPD));
        EXPECT_EQ(accepted.m_App_MOPDVAL.Unit(), r.unit);
    }
}

TEST_F(PartNumberSelection, OkStoresThePartAndReopeningRestoresFiltersColumnsSortAndRow) {
    CProd_ValveData record = test::CatalogDataWithCoil();
    record.m_App_MOPDVAL.Set(100, "PSIG");
    record.m_App_FluidTempVAL.Set(50, "DEG_C");
    record.m_Filter_MinFluidTempVAL.Set(10, "DEG_C");
    S selection(m_db, record);
    ASSERT_EQ(selection.Open(), S::OpenResult::Ready);
    const int brass = IndexOf(selection.Options(S::kBodyMaterial), "BR");
    ASSERT_GT(brass, 0);
    selection.SelectOption(S::kBodyMaterial, brass);
    selection.SelectOption(S::kFlowFactor, 1);  // Kv
    ASSERT_EQ(selection.Update(), S::UpdateResult::Listed);
    ASSERT_GT(selection.RowCount(), 20u);
    // Port, then MOPD twice; the chosen row follows the sort.
    std::int64_t chosen = selection.SortByColumn(C::kPort, 7);
    chosen = selection.SortByColumn(C::kMOPD, chosen);
    chosen = selection.SortByColumn(C::kMOPD, chosen);
    const std::string partNumber = selection.CellText(static_cast<std::size_t>(chosen), 0);
    std::vector<std::string> order;
    for (std::size_t row = 0; row < selection.RowCount(); ++row) {
        order.push_back(selection.CellText(row, C::kPartNumber));
    }
    std::vector<int> moved = selection.Columns();
    std::rotate(moved.begin() + 1, moved.begin() + 6, moved.begin() + 7);  // MOPD second
    ASSERT_EQ(moved[1], C::kMOPD);
    ASSERT_TRUE(selection.SetColumnOrder(moved));
    EXPECT_FALSE(selection.SetColumnOrder({0, 1}));

    CProd_ValveData accepted = record;
    ASSERT_TRUE(selection.Accept(chosen, accepted));
    EXPECT_EQ(accepted.m_PN_CompletePNVAL.Value(), partNumber);
    EXPECT_EQ(accepted.m_PN_BodyMaterialVAL.Value(), "Brass");
    EXPECT_EQ(accepted.m_PN_FlowFactorUnitVAL.Value(), "Kv");
    EXPECT_EQ(accepted.m_PNFilterLinks[0], "BR");
    EXPECT_EQ(accepted.m_PNFilterTexts[0], "Brass");
    EXPECT_EQ(accepted.m_PNFilterTexts[5], "Undecided");
    EXPECT_EQ(accepted.m_PNFilterLinks[3], "Kv");
    EXPECT_EQ(accepted.m_PNFilterTexts[3], "All");
    EXPECT_EQ(accepted.m_PN_FlowFactorLowNotUsed.Value(), "0");
    EXPECT_FALSE(accepted.m_PN_PNDescriptionVAL.Value().empty());
    EXPECT_FALSE(accepted.m_PN_ValveNumberLink.Value().empty());
    EXPECT_NE(accepted.m_PN_MaxFluidTempText.Value().find("°C"), std::string::npos);
    EXPECT_NE(accepted.m_PN_MOPDText.Value().find("psig"), std::string::npos);
    EXPECT_GT(accepted.m_PN_FlowFactorVAL.Value(), 0.0f);
    EXPECT_EQ(accepted.m_PNListState[1], 0);
    EXPECT_EQ(accepted.m_PNListState[2], C::kMOPD);
    EXPECT_EQ(accepted.m_PNListState[19], 1);  // MOPD sorted last, now at position 1
    EXPECT_EQ(accepted.m_PNListState[22], C::kPort);
    EXPECT_EQ(accepted.m_App_FluidTempVAL.Unit(), "DEG_C");
    // The record the report shows is a copy; the dialog's own stays as it was.
    const auto report = selection.ReportRecord(chosen, record);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->m_PN_CompletePNVAL.Value(), partNumber);
    EXPECT_TRUE(record.m_PN_CompletePNVAL.Value().empty());

    S reopened(m_db, accepted);
    ASSERT_EQ(reopened.Open(), S::OpenResult::Ready);
    EXPECT_EQ(reopened.Selected(S::kBodyMaterial), brass);
    EXPECT_EQ(reopened.Selected(S::kFlowFactor), 1);
    EXPECT_EQ(reopened.ColumnTitle(C::kFlowFactor), "Kv");
    EXPECT_EQ(reopened.Columns(), moved);
    ASSERT_EQ(reopened.Update(), S::UpdateResult::Listed);
    const std::int64_t highlighted = reopened.RestoreHighlightAndSort();
    ASSERT_GE(highlighted, 0);
    EXPECT_EQ(reopened.CellText(static_cast<std::size_t>(highlighted), 0), partNumber);
    for (std::size_t row = 0; row < order.size(); ++row) {
        ASSERT_EQ(reopened.CellText(row, C::kPartNumber), order[row]) << row;
    }
    // Clicks on MOPD go on alternating: the last sorted ascending, the next descends.
    EXPECT_LE(std::stod(reopened.CellText(0, C::kMOPD)),
              std::stod(reopened.CellText(reopened.RowCount() - 1, C::kMOPD)));
    reopened.SortByColumn(C::kMOPD, highlighted);
    EXPECT_GE(std::stod(reopened.CellText(0, C::kMOPD)),
              std::stod(reopened.CellText(reopened.RowCount() - 1, C::kMOPD)));

    // Without a row OK says so and stores nothing.
    CProd_ValveData untouched = record;
    EXPECT_FALSE(reopened.Accept(-1, untouched));
    EXPECT_EQ(m_messages.Texts().back(), "Please select a part number in the list first.");
    EXPECT_TRUE(untouched.m_PN_CompletePNVAL.Value().empty());
}

// A copy of the staged database whose catalog sheets can be renamed.
class CatalogSheets : public PartNumberSelection {
protected:
    void SetUp() override {
        PartNumberSelection::SetUp();
        if (IsSkipped()) {
            return;
        }
        m_db.Close();
        m_dir = fs::temp_directory_path() / ("pn-sheets-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_dir / "Reference");
        fs::copy_file(kShare + "/MorvaneEN.mdb", m_dir / "MorvaneEN.mdb",
                      fs::copy_options::overwrite_existing);
        ASSERT_TRUE(m_db.Open(m_dir.string(), "Morvane", false, true, ""));
    }
    void TearDown() override {
        m_db.Close();
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    void RenameSheets(const std::string& name) {
        m_db.Close();
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((m_dir / "MorvaneEN.mdb").string().c_str(), &db), SQLITE_OK);
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(db, "UPDATE Series SET RefFile = ?1", -1, &update, nullptr);
        sqlite3_bind_text(update, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(update), SQLITE_DONE);
        sqlite3_finalize(update);
        sqlite3_close(db);
        ASSERT_TRUE(m_db.Open(m_dir.string(), "Morvane", false, true, ""));
    }

    fs::path m_dir;
};

TEST_F(CatalogSheets, OnlyAPlainFileInTheReferenceFolderIsOpened) {
    const std::string reference = (m_dir / "Reference").string();
    std::ofstream(m_dir / "Reference" / "K21.pdf") << "%PDF-1.4\n";
    std::ofstream(m_dir / "secret.pdf") << "%PDF-1.4\n";
    struct Case {
        std::string name;
        bool opened;
    };
    const Case cases[] = {{"K21.pdf", true},
                          {"Missing.pdf", false},
                          {"../secret.pdf", false},
                          {(m_dir / "secret.pdf").string(), false},
                          {"file:secret.pdf", false}};
    for (const Case& c : cases) {
        RenameSheets(c.name);
        S selection(m_db, test::CatalogDataWithCoil());
        OpenAndList(selection);
        m_messages.opened.clear();
        m_messages.boxes.clear();
        selection.ShowCatalogInformation(0, reference);
        if (c.opened) {
            EXPECT_EQ(m_messages.opened, (std::vector<std::string>{reference + "/" + c.name}));
            EXPECT_TRUE(m_messages.boxes.empty());
        } else {
            EXPECT_TRUE(m_messages.opened.empty()) << c.name;
            EXPECT_EQ(m_messages.Texts(),
                      (std::vector<std::string>{
                          "No further catalog information is available for this part number."}))
                << c.name;
        }
    }
    S selection(m_db, test::CatalogDataWithCoil());
    OpenAndList(selection);
    selection.ShowCatalogInformation(-1, reference);
    EXPECT_EQ(m_messages.beeps, 1);
}

TEST_F(PartNumberSelection, FilterHelpOpensTheTopicOfTheFilter) {
    S selection(m_db, test::ValveSizeMethod());
    ASSERT_EQ(selection.Open(), S::OpenResult::Ready);
    selection.ShowFilterHelp(S::kSealMaterial, "/net");
    EXPECT_EQ(m_messages.help, (std::vector<std::string>{"/net/MorvaneEN.hlp#SealMaterial"}));
    // The inlet pressure has no topic.
    selection.ShowFilterHelp(S::kMaxInletPressure, "/net");
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"Help not available for this topic."}));
}

}  // namespace
}  // namespace veritom
