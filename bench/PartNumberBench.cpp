// The Part Number step with its largest candidate list (calculated size, no coil chosen:
// "qSel_PN_PNDisplay_Sizing_NoSol") on the shipped catalogue and on one four times larger:
// the bare engine stepping the list statement, the program's fill of its candidate list,
// the filter options, the whole opening (options and list together), the sorts, and the
// bytes the program holds per candidate. Run from the build tree: build/bench/bench_partnumber.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "SeldbBuilder.h"
#include "base/MessageSink.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "data/Query.h"
#include "data/QueryDef.h"
#include "data/Recordset.h"
#include "model/ValveData.h"
#include "wizard/partnumber/CandidateList.h"
#include "wizard/partnumber/PartListQuery.h"
#include "wizard/partnumber/PartNumberSelection.h"

namespace {

namespace fs = std::filesystem;
using veritom::CPartListQuery;
using veritom::CPartNumberSelection;

class English : public veritom::ILanguageSource {
public:
    std::string GetLanguageCode() const override { return "EN"; }
};

// A catalogue of the given scale, built once into the temporary directory.
class Catalogue {
public:
    explicit Catalogue(int scale)
        : m_dir(fs::temp_directory_path() / ("veritom-bench-pn-" + std::to_string(scale))) {
        fs::create_directories(m_dir);
        veritom::seldb::CSeldbBuilder(
            {VERITOM_SELDB_SOURCE, "EN", (m_dir / "MorvaneEN.mdb").string(), scale})
            .Build();
        m_db.Open(m_dir.string(), "Morvane", false, true, "");
    }
    ~Catalogue() {
        m_db.Close();
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    veritom::IDatabase& Db() { return m_db; }

private:
    fs::path m_dir;
    English m_language;
    veritom::IDatabase m_db{m_language};
};

Catalogue& CatalogueOfScale(int scale) {
    static std::map<int, std::unique_ptr<Catalogue>> catalogues;
    auto& catalogue = catalogues[scale];
    if (!catalogue) {
        catalogue = std::make_unique<Catalogue>(scale);
    }
    return *catalogue;
}

// A general purpose 2-way normally closed valve for 0.25 gpm of water at 25 psi, sized by
// calculation, with the non-standard voltage: the largest list (kind 5).
veritom::CProd_ValveData LargestListRecord() {
    veritom::CProd_ValveData r;
    r.m_FuncLink = std::string("2W");
    r.m_FlowPatLink = std::string("2NC");
    r.m_FlowPatOptLink = std::string("NOOPT");
    r.m_AppCategoryLink = std::string("GenPurp");
    r.m_AppTypeLink = std::string("GP");
    r.m_SelMethodCode = 1;
    r.m_MethodLink = 2;
    r.m_FluidStateVAL = std::string("LIQ");
    r.m_FluidLink = std::string("WATER");
    r.m_FluidCategoryLink = std::string("WATER");
    r.m_ChkBxFlags = veritom::CProd_ValveData::kDefaultChkBxFlags;
    r.m_App_MOPDVAL.Set(25.0, "PSIG");
    r.m_CalcFlowFactorVAL.Set(0.05, "CV");
    for (veritom::CStringExSel* link : {&r.m_OpEnvLink, &r.m_Sol_CurrentVAL, &r.m_VoltLink,
                                        &r.m_SolConstLink, &r.m_TermLink, &r.m_EncloseLink}) {
        *link = std::string("ALL");
    }
    return r;
}

constexpr int kKind = 5;

veritom::ListParams ListParameters() {
    veritom::ListFilterValues filters;
    filters.bodyMaterial = filters.sealMaterial = filters.connectionType = "ALL";
    filters.actuation = filters.coilClass = filters.tenthFilter = "ALL";
    filters.flowFactorKind = "Cv";
    filters.maxFluidTempF = filters.minFluidTempF = filters.maxInletPressurePsig = 100.0f;
    veritom::ListParams params = CPartListQuery::RecordParameters(LargestListRecord(), kKind);
    const veritom::ListParams more = CPartListQuery::FilterParameters(filters, kKind);
    params.insert(params.end(), more.begin(), more.end());
    return params;
}

// The engine alone: the stored statement prepared on the program's connection, bound, and
// stepped to the end with every column's value taken the cheapest way the engine offers
// (texts as bytes, numbers as doubles).
void BM_BareSql(benchmark::State& state) {
    veritom::IDatabase& db = CatalogueOfScale(static_cast<int>(state.range(0))).Db();
    const veritom::CQueryInfo info = CPartListQuery::ListQuery(kKind);
    const std::string sql = *db.FindStoredQuery(std::string(info.name));
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db.Handle(), sql.c_str(), -1, &statement, nullptr);
    for (const veritom::ListParam& param : ListParameters()) {
        const std::string name = veritom::IQueryDef::EngineParameterName(param.name);
        const int index = sqlite3_bind_parameter_index(statement, name.c_str());
        if (const auto* text = std::get_if<std::string>(&param.value)) {
            sqlite3_bind_text(statement, index, text->c_str(), -1, SQLITE_TRANSIENT);
        } else if (const auto* flag = std::get_if<std::int16_t>(&param.value)) {
            sqlite3_bind_int(statement, index, *flag);
        } else {
            sqlite3_bind_double(statement, index, std::get<float>(param.value));
        }
    }
    const int columns = sqlite3_column_count(statement);
    std::int64_t rows = 0;
    for (auto _ : state) {
        std::size_t bytes = 0;
        double sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                sqlite3_value* value = sqlite3_column_value(statement, c);
                if (sqlite3_value_type(value) == SQLITE_TEXT) {
                    benchmark::DoNotOptimize(sqlite3_value_blob(value));
                    bytes += static_cast<std::size_t>(sqlite3_value_bytes(value));
                } else {
                    sum += sqlite3_value_double(value);
                }
            }
            ++rows;
        }
        sqlite3_reset(statement);
        benchmark::DoNotOptimize(bytes);
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_finalize(statement);
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

// The program's fill of its candidate list from the same statement.
void BM_ProgramFill(benchmark::State& state) {
    veritom::IDatabase& db = CatalogueOfScale(static_cast<int>(state.range(0))).Db();
    const veritom::ListParams params = ListParameters();
    veritom::CCandidateList list;
    for (auto _ : state) {
        veritom::CQuery query(db, CPartListQuery::ListQuery(kKind));
        CPartListQuery::Apply(query, params);
        list.Read(query);
        benchmark::DoNotOptimize(list.Size());
    }
    const double rows = static_cast<double>(list.Size());
    state.counters["rows"] = rows;
    // The display order adds four bytes a row.
    state.counters["bytes/row"] = (static_cast<double>(list.BytesHeld()) + 4 * rows) / rows;
}

// What the list cost before: the same rows read into a snapshot of field values.
void BM_SnapshotFill(benchmark::State& state) {
    veritom::IDatabase& db = CatalogueOfScale(static_cast<int>(state.range(0))).Db();
    const veritom::ListParams params = ListParameters();
    for (auto _ : state) {
        veritom::CQuery query(db, CPartListQuery::ListQuery(kKind));
        CPartListQuery::Apply(query, params);
        veritom::IRecordset records(db);
        records.Open(query);
        benchmark::DoNotOptimize(records.GetRecordCount());
    }
}

// Opening the step: the option query, the undecided option, the flow-factor kinds and
// ranges, every filter selected.
void BM_Options(benchmark::State& state) {
    veritom::IDatabase& db = CatalogueOfScale(static_cast<int>(state.range(0))).Db();
    const veritom::CProd_ValveData record = LargestListRecord();
    for (auto _ : state) {
        CPartNumberSelection selection(db, record);
        benchmark::DoNotOptimize(selection.Open());
    }
}

// Opening with the list: options, then Update lists every candidate (the question before
// 10,000 rows answered with Yes).
void BM_Opening(benchmark::State& state) {
    veritom::IDatabase& db = CatalogueOfScale(static_cast<int>(state.range(0))).Db();
    const veritom::CProd_ValveData record = LargestListRecord();
    std::size_t rows = 0;
    for (auto _ : state) {
        CPartNumberSelection selection(db, record);
        selection.SetAskBeforeLargeLists(false);
        selection.Open();
        selection.Update();
        rows = selection.RowCount();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// One header click on the listed candidates, each after a click on the body material, so the
// sort starts from that order and its ties fall back on it.
void BM_Sort(benchmark::State& state) {
    veritom::IDatabase& db = CatalogueOfScale(static_cast<int>(state.range(0))).Db();
    const int column = static_cast<int>(state.range(1));
    CPartNumberSelection selection(db, LargestListRecord());
    selection.SetAskBeforeLargeLists(false);
    selection.Open();
    selection.Update();
    selection.SortByColumn(veritom::CColumnTable::kBodyMaterial, 0);
    for (auto _ : state) {
        // Every sort starts from another order, as a click on another column does.
        state.PauseTiming();
        selection.SortByColumn(veritom::CColumnTable::kBodyMaterial, 100);
        state.ResumeTiming();
        benchmark::DoNotOptimize(selection.SortByColumn(column, 100));
    }
    state.counters["rows"] = static_cast<double>(selection.RowCount());
}

void BothScales(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
}

void SortCases(benchmark::internal::Benchmark* b) {
    using T = veritom::CColumnTable;
    for (const int scale : {1, 4}) {
        for (const int column : {T::kPartNumber, T::kPort, T::kMinOPD, T::kMOPD, T::kWattage}) {
            b->Args({scale, column});
        }
    }
    b->ArgNames({"scale", "column"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_BareSql)->Apply(BothScales)->ArgName("scale");
BENCHMARK(BM_ProgramFill)->Apply(BothScales)->ArgName("scale");
BENCHMARK(BM_SnapshotFill)->Apply(BothScales)->ArgName("scale");
BENCHMARK(BM_Options)->Apply(BothScales)->ArgName("scale");
BENCHMARK(BM_Opening)->Apply(BothScales)->ArgName("scale");
BENCHMARK(BM_Sort)->Apply(SortCases);

// Messages (there are none with a good catalogue) go nowhere.
class Silent : public veritom::IMessageSink {
public:
    veritom::MsgAnswer ShowMessage(const std::string&, veritom::MsgButtons,
                                   veritom::MsgIcon) override {
        return veritom::MsgAnswer::Yes;
    }
    void Beep() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    bool OpenDocument(const std::string&) override { return false; }
    bool ShowHelp(const std::string&, int, const std::string&) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Silent silent;
    veritom::SetMessageSink(&silent);
    try {
        std::cerr << "building catalogues of scale 1 and 4 ...\n";
        CatalogueOfScale(1);
        CatalogueOfScale(4);
    } catch (const std::exception& error) {
        std::cerr << "bench_partnumber: " << error.what() << '\n';
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    veritom::SetMessageSink(nullptr);
    return 0;
}
