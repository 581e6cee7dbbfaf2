// The part number step's queries on a large catalogue: the candidate list (with and without
// the coil chosen) and its filter options, run through the data access layer as the dialog
// runs them, every row read.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "SeldbBuilder.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "data/QD.h"
#include "data/Recordset.h"

namespace {

namespace fs = std::filesystem;
using Value = std::variant<std::string, std::int16_t, float>;
using Params = std::vector<std::pair<std::string, Value>>;

class English : public veritom::ILanguageSource {
public:
    std::string GetLanguageCode() const override { return "EN"; }
};

int Scale() {
    const char* text = std::getenv("VERITOM_BENCH_SCALE");
    const int scale = text ? std::atoi(text) : 8;
    return scale > 0 ? scale : 8;
}

// The scaled catalogue, built once into the temporary directory and removed at exit.
class LargeCatalogue {
public:
    LargeCatalogue() : m_dir(fs::temp_directory_path() / "veritom-bench-seldb") {
        fs::create_directories(m_dir);
        veritom::seldb::CSeldbBuilder(
            {VERITOM_SELDB_SOURCE, "EN", (m_dir / "MorvaneEN.mdb").string(), Scale()})
            .Build();
        m_db.Open(m_dir.string(), "Morvane", false, true, "");
    }
    ~LargeCatalogue() {
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

LargeCatalogue& Catalogue() {
    static LargeCatalogue catalogue;
    return catalogue;
}

const Params kRecord = {{"[parFuncLink]", std::string("2W")},
                        {"[parFloPatLink]", std::string("2NC")},
                        {"[parFloPatOptLink]", std::string("NOOPT")},
                        {"[parAppTypeLink]", std::string("GP")},
                        {"[parAppCategoryLink]", std::string("GenPurp")},
                        {"[parFluidCategoryLink]", std::string("WATER")},
                        {"[parChkBx_MIP]", std::int16_t{0}},
                        {"[parMIPValue]", 100.0f},
                        {"[parFluidStateLink]", std::string("LIQ")},
                        {"[parFluidLink]", std::string("WATER")}};
const Params kCatalogData = {{"[parMOPDValue]", 100.0f},
                             {"[parMinOPDValue]", 10.0f},
                             {"[parConSizeLink]", std::string("08")}};
const Params kCalculatedSize = {
    {"[parMOPDValue]", 25.0f}, {"[parMxOpFldTemp]", 100.0f}, {"[parCalcCv]", 0.05f}};
const Params kCoil = {
    {"[parOpEnvLink]", std::string("ORD")},  {"[parAcDcLink]", std::string("AC")},
    {"[parVoltLink]", std::string("120A6")}, {"[parSolConstLink]", std::string("STD")},
    {"[parTermLink]", std::string("LD")},    {"[parEncloseLink]", std::string("T1")}};
const Params kFilters = {{"[parBMaterialLink2]", std::string("ALL")},
                         {"[parSMaterialLink]", std::string("ALL")},
                         {"[parFlowFactorLink]", std::string("Cv")},
                         {"[parFlowFacValue_Low]", 0.0f},
                         {"[parConTypeLink]", std::string("ALL")},
                         {"[parActLink]", std::string("ALL")},
                         {"[parMaxOperFluidTemp]", 100.0f},
                         {"[parMinOperFluidTemp]", 100.0f},
                         {"[parMaxInletPressure]", 100.0f}};
const Params kCoilFilters = {{"[parApprovLink]", std::string("ALL")},
                             {"[parCoilClsLink]", std::string("ALL")}};

Params Join(std::initializer_list<Params> parts) {
    Params all;
    for (const Params& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Runs the query and reads the part number of every row, as the list fill does.
void RunList(benchmark::State& state, const char* query, const Params& params, const char* field) {
    veritom::IDatabase& db = Catalogue().Db();
    std::int64_t rows = 0;
    for (auto _ : state) {
        veritom::QD qd(db, query);
        for (const auto& [name, value] : params) {
            std::visit([&qd, &name = name](const auto& v) { qd.SetParam(name, v); }, value);
        }
        veritom::IRecordset rs(db);
        rs.Open(qd);
        for (; !rs.IsEOF(); rs.MoveNext()) {
            benchmark::DoNotOptimize(rs.GetString(field));
            ++rows;
        }
    }
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

void BM_PartList_CatalogDataWithCoil(benchmark::State& state) {
    RunList(state, "qSel_PN_PNDisplay_Param",
            Join({kRecord, kCatalogData, kCoil, kFilters, kCoilFilters}), "CompletePN");
}
void BM_PartList_CatalogDataNoCoil(benchmark::State& state) {
    RunList(state, "qSel_PN_PNDisplay_Param_NoSol", Join({kRecord, kCatalogData, kFilters}),
            "CompletePN");
}
void BM_PartList_CalculatedSizeNoCoil(benchmark::State& state) {
    RunList(state, "qSel_PN_PNDisplay_Sizing_NoSol", Join({kRecord, kCalculatedSize, kFilters}),
            "CompletePN");
}
void BM_FilterOptions_CalculatedSizeNoCoil(benchmark::State& state) {
    RunList(state, "qSel_PN_PNDisplay_Sizing_NoSol_ALLSelect", Join({kRecord, kCalculatedSize}),
            "BMaterialLink2");
}
void BM_CoilVoltages_CatalogData(benchmark::State& state) {
    Params params = Join({kRecord, kCatalogData});
    params.erase(params.begin() + 5);  // the solenoid queries take no fluid category
    RunList(state, "qSolenoids_Pass1_SelMeth1_Param_Complete", params, "VoltLink");
}

BENCHMARK(BM_PartList_CatalogDataWithCoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartList_CatalogDataNoCoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartList_CalculatedSizeNoCoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterOptions_CalculatedSizeNoCoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoilVoltages_CatalogData)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    try {
        std::cerr << "building a catalogue of scale " << Scale() << " ...\n";
        Catalogue();
    } catch (const std::exception& error) {
        std::cerr << "bench_seldb: " << error.what() << '\n';
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
