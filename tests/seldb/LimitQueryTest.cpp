// The limit queries behind the Application step's messages report the exact limit: with the
// other entries chosen to fit, a valve passes at the limit and none just beyond it, for every
// valve type, application and fluid of the catalogue. A MIN in place of a MAX (or the limit
// of other valves than the check's) fails here.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "MessageRecorder.h"
#include "StagedDatabase.h"
#include "data/Recordset.h"

namespace veritom::test {
namespace {

// Past a limit by more than the millionth the queries allow for 32-bit floats.
double Beyond(double limit) {
    return limit + 1e-5 * (1 + std::abs(limit));
}
double Below(double limit) {
    return limit - 1e-5 * (1 + std::abs(limit));
}

std::string S(const char* text) {
    return std::string(text);
}

// One valve's ratings, as the Valve table holds them.
struct Rating {
    double minOpd = 0;
    std::map<std::string, double> mopd;  // by fluid state
    double maxInPress = 0;
    double maxFluidTemp = 0;
};

// One choice of valve type, application and fluid the Application step can make.
struct Choice {
    Params valveType;
    std::string app;
    std::string category;
    std::string state;
    std::string fluid;

    Params Limits() const {
        return valveType + Params{{"[parAppTypeLink]", app},
                                  {"[parAppCategoryLink]", category},
                                  {"[parFluidStateLink]", state},
                                  {"[parFluidLink]", fluid}};
    }
    std::string Name() const {
        std::string name;
        for (const auto& [param, value] : valveType) {
            name += std::get<std::string>(value) + " ";
        }
        return name + app + " " + state + " " + fluid;
    }
};

class LimitQueries : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_db.IsOpen());
        ReadRatings();
        ReadChoices();
        ASSERT_GT(m_knownParameters.size(), 100u);
        ASSERT_FALSE(m_valveSize.empty());
    }

    std::vector<Row> Run(const std::string& query, const Params& params) {
        return RunQuery(m_db.Db(), query, params);
    }

    // The catalog data check with the entries given.
    bool CatalogPasses(const Choice& c, float mopd, float minOpd) {
        return !Run("qValves_Pass_Known_Op_Param",
                    c.Limits() + Params{{"[parConSizeLink]", S("ALL")},
                                        {"[parMOPDValue]", mopd},
                                        {"[parChkBx_MIP]", std::int16_t{0}},
                                        {"[parMIPValue]", 0.0f},
                                        {"[parMinOPDValue]", minOpd}})
                    .empty();
    }

    // The sizing check with a flow factor any valve reaches.
    bool SizingPasses(const Choice& c, float mopd, float temperature, std::int16_t mipTicked,
                      float mip) {
        return !Run("qSelMethod_ValveSizing", c.Limits() + Params{{"[parMOPDValue]", mopd},
                                                                  {"[parCalcCv]", 1e-6f},
                                                                  {"[parMxOpFldTemp]", temperature},
                                                                  {"[parChkBx_MIP]", mipTicked},
                                                                  {"[parMIPValue]", mip}})
                    .empty();
    }

    std::optional<double> Limit(const std::string& query, const Params& params,
                                const std::string& field) {
        const auto rows = Run(query, params);
        if (rows.empty()) {
            return std::nullopt;
        }
        EXPECT_EQ(rows.size(), 1u) << query;
        return Number(rows[0], field);
    }

    // The valves the checks consider for a choice: every entry as loose as it goes.
    std::vector<const Rating*> Candidates(const Choice& c) {
        std::vector<const Rating*> valves;
        for (const Row& row : Run("qValves_Pass_Known_Op_Param",
                                  c.Limits() + Params{{"[parConSizeLink]", S("ALL")},
                                                      {"[parMOPDValue]", 0.0f},
                                                      {"[parChkBx_MIP]", std::int16_t{0}},
                                                      {"[parMIPValue]", 0.0f},
                                                      {"[parMinOPDValue]", 1e9f}})) {
            const auto it = m_ratings.find(Text(row, "ValveNumberLink") + Text(row, "SufxLink"));
            EXPECT_NE(it, m_ratings.end());
            if (it != m_ratings.end()) {
                valves.push_back(&it->second);
            }
        }
        return valves;
    }

    std::vector<Choice> m_knownParameters;
    std::vector<Choice> m_valveSize;  // fluid and state empty

private:
    void ReadRatings() {
        IRecordset rs(m_db.Db());
        rs.Open(OpenType::Snapshot,
                "SELECT ValveNumberLink || SufxLink, MinOPD, MOPD_GAS, MOPD_LIQ, MOPD_OIL, "
                "MaxInPress, MaxFluidTemp FROM Valve");
        for (; !rs.IsEOF(); rs.MoveNext()) {
            Rating& r = m_ratings[rs.GetString(0)];
            r.minOpd = rs.GetDouble(1);
            r.mopd = {{"GAS", rs.GetDouble(2)}, {"LIQ", rs.GetDouble(3)}, {"OIL", rs.GetDouble(4)}};
            r.maxInPress = rs.GetDouble(5);
            r.maxFluidTemp = rs.GetDouble(6);
        }
    }

    void ReadChoices() {
        for (const Row& func : Run("qFunctionType", {})) {
            const std::string f = Text(func, "FuncLink");
            for (const Row& pattern : Run("qFlowPattern", {{"[parFuncLink]", f}})) {
                const std::string p = Text(pattern, "FloPatLink");
                for (const Row& option :
                     Run("qFlowPatternOpt", {{"[parFuncLink]", f}, {"[parFloPatLink]", p}})) {
                    const Params type = {{"[parFuncLink]", f},
                                         {"[parFloPatLink]", p},
                                         {"[parFloPatOptLink]", Text(option, "FloPatOptLink")}};
                    ReadApplications(type);
                }
            }
        }
    }

    void ReadApplications(const Params& type) {
        for (const Row& available : Run("qApplications_Available", type)) {
            const std::string category = Text(available, "AppCategoryLink");
            for (const Row& app :
                 Run("qApplications", type + Params{{"[parBMaterialLink]", S("ALL")},
                                                    {"[parAppCategoryLink]", category}})) {
                const std::string link = Text(app, "AppTypeLink");
                const auto method =
                    Run("qValveSelMethodCode",
                        {{"[parAppTypeLink]", link}, {"[parAppCategoryLink]", category}});
                ASSERT_EQ(method.size(), 1u);
                if (Number(method[0], "SelMethodCode") == 2) {
                    m_valveSize.push_back({type, link, category, "", ""});
                    continue;
                }
                for (const Row& state : Run("qFluidButtonState", {{"[parAppTypeLink]", link}})) {
                    ReadFluids({type, link, category, Text(state, "FluidStateLink"), ""});
                }
            }
        }
    }

    // Every fluid the list offers with all available fluids shown, and the medium not listed.
    void ReadFluids(Choice choice) {
        const Params list = choice.valveType + Params{{"[parAppTypeLink]", choice.app},
                                                      {"[parAppCategoryLink]", choice.category},
                                                      {"[parFluidStateLink]", choice.state},
                                                      {"[parComFluidLink]", S("0")}};
        std::vector<std::string> fluids =
            Column(m_db.Db(), "qFluid_Compatibility_Seal_AND_Body_Material", list, "FluidLink");
        for (const std::string& other : Column(
                 m_db.Db(), "qOtherMedia", {{"[parFluidStateLink]", choice.state}}, "FluidLink")) {
            fluids.push_back(other);
        }
        for (const std::string& fluid : fluids) {
            choice.fluid = fluid;
            m_knownParameters.push_back(choice);
        }
    }

    MessageRecorder m_recorder;
    CStagedDatabase m_db{"EN"};
    std::map<std::string, Rating> m_ratings;
};

TEST_F(LimitQueries, MaximumPressureDifferentialIsTheHighestThatPasses) {
    for (const Choice& c : m_knownParameters) {
        SCOPED_TRACE(c.Name());
        const auto candidates = Candidates(c);
        const auto limit = Limit("qTestMOPD", c.Limits(), "MOPDValue");
        ASSERT_EQ(limit.has_value(), !candidates.empty());
        if (!limit) {
            continue;
        }
        EXPECT_TRUE(CatalogPasses(c, static_cast<float>(*limit), 1e9f));
        EXPECT_FALSE(CatalogPasses(c, static_cast<float>(Beyond(*limit)), 1e9f));
    }
}

TEST_F(LimitQueries, MinimumPressureDifferentialIsTheLowestThatPasses) {
    for (const Choice& c : m_knownParameters) {
        SCOPED_TRACE(c.Name());
        const auto limit = Limit("qTestMinOPD", c.Limits(), "MinOPDValue");
        ASSERT_EQ(limit.has_value(), !Candidates(c).empty());
        if (!limit) {
            continue;
        }
        EXPECT_TRUE(CatalogPasses(c, 0.0f, static_cast<float>(*limit)));
        EXPECT_FALSE(CatalogPasses(c, 0.0f, static_cast<float>(Below(*limit))));
    }
}

// The sizing check needs a differential that opens the valve and that it holds: each valve's
// own minimum is one, so the distinct minimums cover every valve.
TEST_F(LimitQueries, FluidTemperatureIsTheHighestThatPasses) {
    for (const Choice& c : m_knownParameters) {
        SCOPED_TRACE(c.Name());
        const auto candidates = Candidates(c);
        const auto limit = Limit("qTempMax", c.Limits(), "MaxTemp_F");
        ASSERT_EQ(limit.has_value(), !candidates.empty());
        if (!limit) {
            continue;
        }
        std::set<double> minimums;
        const Rating* atLimit = nullptr;
        for (const Rating* r : candidates) {
            minimums.insert(r->minOpd);
            if (r->maxFluidTemp == *limit && r->minOpd <= r->mopd.at(c.state)) {
                atLimit = r;
            }
        }
        ASSERT_NE(atLimit, nullptr) << "no valve is rated for " << *limit;
        EXPECT_TRUE(SizingPasses(c, static_cast<float>(atLimit->minOpd), static_cast<float>(*limit),
                                 0, 0.0f));
        for (double minimum : minimums) {
            EXPECT_FALSE(SizingPasses(c, static_cast<float>(minimum),
                                      static_cast<float>(Beyond(*limit)), 0, 0.0f))
                << "differential " << minimum;
        }
    }
}

TEST_F(LimitQueries, InletPressureIsTheHighestThatPassesTheSizingCheck) {
    for (const Choice& c : m_knownParameters) {
        SCOPED_TRACE(c.Name());
        const auto candidates = Candidates(c);
        const auto limit = Limit("qTestMIP", c.Limits(), "MIPValue");
        ASSERT_EQ(limit.has_value(), !candidates.empty());
        if (!limit) {
            continue;
        }
        std::set<std::pair<double, double>> fits;  // differential and temperature of a valve
        const Rating* atLimit = nullptr;
        for (const Rating* r : candidates) {
            fits.insert({r->minOpd, r->maxFluidTemp});
            if (r->maxInPress == *limit && r->minOpd <= r->mopd.at(c.state)) {
                atLimit = r;
            }
        }
        ASSERT_NE(atLimit, nullptr) << "no valve is rated for " << *limit;
        EXPECT_TRUE(SizingPasses(c, static_cast<float>(atLimit->minOpd),
                                 static_cast<float>(atLimit->maxFluidTemp), 1,
                                 static_cast<float>(*limit)));
        for (const auto& [minimum, temperature] : fits) {
            EXPECT_FALSE(SizingPasses(c, static_cast<float>(minimum),
                                      static_cast<float>(temperature), 1,
                                      static_cast<float>(Beyond(*limit))));
        }
    }
}

// The valve size information: each ticked limit on its own.
TEST_F(LimitQueries, ValveSizeLimitsAreTheHighestThatPass) {
    struct Limit {
        const char* query;
        const char* field;
        const char* tickParam;
        const char* valueParam;
    };
    const Limit limits[] = {
        {"qTestFloFacValue", "FloFacValue", "[parChkBx_FloFacValue]", "[parFloFacValue]"},
        {"qTestVolFlow", "VolFlowValue", "[parChkBx_VolFlow]", "[parVolFlowValue]"},
        {"qTestMIP", "MIPValue", "[parChkBx_MIP]", "[parMIPValue]"},
    };
    for (const Choice& c : m_valveSize) {
        SCOPED_TRACE(c.Name());
        const Params type = c.valveType + Params{{"[parAppTypeLink]", c.app}};
        const std::map<std::string, Params> limitParams = {
            {"qTestFloFacValue", type + Params{{"[parAppCategoryLink]", c.category}}},
            {"qTestVolFlow", type + Params{{"[parBMaterialLink]", S("ALL")}}},
            {"qTestMIP", c.Limits()},
        };
        for (const Limit& l : limits) {
            SCOPED_TRACE(l.query);
            const auto rows = Run(l.query, limitParams.at(l.query));
            ASSERT_EQ(rows.size(), 1u);
            const double limit = Number(rows[0], l.field);
            const auto passes = [&](float value) {
                Params params =
                    type +
                    Params{
                        {"[parChkBx_MIP]", std::int16_t{0}},         {"[parMIPValue]", 0.0f},
                        {"[parChkBx_VolFlow]", std::int16_t{0}},     {"[parVolFlowValue]", 0.0f},
                        {"[parChkBx_ControlSig]", std::int16_t{0}},  {"[parControlSigLink]", S("")},
                        {"[parChkBx_FloFacValue]", std::int16_t{0}}, {"[parFloFacValue]", 0.0f}};
                for (auto& [name, v] : params) {
                    if (name == l.tickParam) {
                        v = std::int16_t{1};
                    } else if (name == l.valueParam) {
                        v = value;
                    }
                }
                return !Run("qValves_Pass_SelMethod2", params).empty();
            };
            EXPECT_TRUE(passes(static_cast<float>(limit)));
            EXPECT_FALSE(passes(static_cast<float>(Beyond(limit))));
        }
    }
}

}  // namespace
}  // namespace veritom::test
