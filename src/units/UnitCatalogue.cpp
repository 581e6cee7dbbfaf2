#include "UnitCatalogue.h"

#include <array>
#include <map>

namespace veritom {

namespace {

// Category string ids.
constexpr int kNone = 0;
constexpr int kTemperature = 21080;
constexpr int kPressure = 21081;
constexpr int kVolume = 21082;
constexpr int kFlowRate = 21083;
constexpr int kDisplacement = 21084;
constexpr int kDistance = 21085;
constexpr int kMass = 21086;
constexpr int kTime = 21087;
constexpr int kPower = 21088;
constexpr int kVelocity = 21089;
constexpr int kAcceleration = 21090;
constexpr int kForce = 21091;
constexpr int kTorque = 21092;
constexpr int kMassFlowRate = 21093;
constexpr int kDensity = 21094;
constexpr int kKinematicViscosity = 21095;
constexpr int kAbsoluteViscosity = 21096;
constexpr int kVacuum = 21097;
constexpr int kFlowFactor = 21099;

constexpr UnitCatalogueEntry Unit(std::string_view code, int textId, int category, double factor,
                                  double offset = 0) {
    return {code, CUnitObject(factor, offset, textId, category)};
}

constexpr std::array kCatalogue = {
    Unit("NONE", 0, kNone, 1),
    Unit("DEG_F", 21001, kTemperature, 1),
    Unit("DEG_C", 21000, kTemperature, 1.8, 32),
    Unit("DEG_K", 21002, kTemperature, 1.8, -459.67),
    Unit("DEG_R", 21003, kTemperature, 1, -459.67),
    Unit("PA", 21004, kPressure, 1),
    Unit("ATM", 21005, kPressure, 101325),
    Unit("BAR", 21006, kPressure, 100000),
    Unit("KPA", 21007, kPressure, 1000),
    Unit("MPA", 21008, kPressure, 1000000),
    Unit("PSIA", 21009, kPressure, 6894.757),
    Unit("PSIG", 21071, kPressure, 6894.757, 101314.224),
    Unit("IN_HG", 21075, kVacuum, 1),
    Unit("L", 21010, kVolume, 0.001),
    Unit("CU_M", 21011, kVolume, 1),
    Unit("CU_CM", 21012, kVolume, 1e-06),
    Unit("CU_IN", 21013, kVolume, 1.638706e-05),
    Unit("CU_FT", 21014, kVolume, 0.02831658),
    Unit("GAL", 21015, kVolume, 0.003785413),
    Unit("QT", 21016, kVolume, 0.0009463531),
    Unit("PT", 21017, kVolume, 0.00047317655),
    Unit("GAL_UK", 21078, kVolume, 0.004546092),
    Unit("LPM", 21018, kFlowRate, 0.001),
    Unit("GPM", 21019, kFlowRate, 0.003785412),
    Unit("CC_SEC", 21020, kFlowRate, 6e-05),
    Unit("CC_MIN", 21102, kFlowRate, 1e-06),
    Unit("CU_M_SEC", 21021, kFlowRate, 60),
    Unit("CU_M_MIN", 21022, kFlowRate, 1),
    Unit("CU_IN_SEC", 21072, kFlowRate, 0.0009832237),
    Unit("CU_IN_MIN", 21073, kFlowRate, 1.638706e-05),
    Unit("CU_FT_MIN", 21098, kFlowRate, 0.028316843963146193),
    Unit("KV", 21101, kFlowFactor, 1),
    Unit("CV", 21100, kFlowFactor, 14.28),
    Unit("CU_IN_REV", 21024, kDisplacement, 1),
    Unit("CC_REV", 21025, kDisplacement, 0.06102),
    Unit("GAL_RPM", 21026, kDisplacement, 231),
    Unit("M", 21027, kDistance, 1),
    Unit("CM", 21028, kDistance, 0.01),
    Unit("MM", 21029, kDistance, 0.001),
    Unit("IN", 21030, kDistance, 0.0254),
    Unit("FT", 21031, kDistance, 0.3048),
    Unit("LB", 21032, kMass, 0.45359),
    Unit("G", 21033, kMass, 0.001),
    Unit("KG", 21034, kMass, 1),
    Unit("SEC", 21035, kTime, 0.01667),
    Unit("HR", 21036, kTime, 60),
    Unit("MIN", 21037, kTime, 1),
    Unit("DAY", 21038, kTime, 1440),
    Unit("W", 21039, kPower, 1),
    Unit("HP", 21040, kPower, 746),
    Unit("KW", 21041, kPower, 1000),
    Unit("BTU_HR", 21042, kPower, 0.2930711),
    Unit("M_SEC", 21043, kVelocity, 1),
    Unit("KPH", 21044, kVelocity, 0.2778),
    Unit("MPH", 21045, kVelocity, 0.447),
    Unit("FT_SEC", 21046, kVelocity, 0.3048),
    Unit("IN_SEC", 21074, kVelocity, 0.0254),
    Unit("M_SEC2", 21047, kAcceleration, 1),
    Unit("FT_SEC2", 21048, kAcceleration, 0.3048),
    Unit("N", 21049, kForce, 1),
    Unit("KN", 21079, kForce, 1000),
    Unit("LBF", 21050, kForce, 4.448),
    Unit("NM", 21051, kTorque, 1),
    Unit("LB_IN", 21052, kTorque, 0.11298),
    Unit("LB_SEC", 21053, kMassFlowRate, 0.4536),
    Unit("LB_MIN", 21054, kMassFlowRate, 0.0075598),
    Unit("LB_HR", 21055, kMassFlowRate, 0.000126),
    Unit("KG_SEC", 21056, kMassFlowRate, 1),
    Unit("KG_MIN", 21057, kMassFlowRate, 0.016667),
    Unit("KG_HR", 21058, kMassFlowRate, 0.0002778),
    Unit("LB_CU_FT", 21059, kDensity, 1),
    Unit("LB_CU_IN", 21060, kDensity, 1728),
    Unit("KG_CU_M", 21061, kDensity, 0.062428),
    Unit("G_CU_CM", 21062, kDensity, 62.42796),
    Unit("STOKE", 21063, kKinematicViscosity, 1),
    // 1 cSt = 0.01 St; 1 m²/s = 10^4 cm²/s = 10^4 St; 1 ft²/s = 0.3048² m²/s = 929.0304 St.
    Unit("CENTI_STOKE", 21064, kKinematicViscosity, 0.01),
    Unit("SQ_M_SEC", 21065, kKinematicViscosity, 10000),
    Unit("SQ_FT_SEC", 21066, kKinematicViscosity, 929.0304),
    Unit("POISE", 21067, kAbsoluteViscosity, 1),
    Unit("CENTI_POISE", 21068, kAbsoluteViscosity, 0.01),
    Unit("PA_SEC", 21069, kAbsoluteViscosity, 10),
    Unit("LBF_SEC_SQ_FT", 21070, kAbsoluteViscosity, 14.88164),
};

static_assert(kCatalogue.size() == 82);

}  // namespace

std::span<const UnitCatalogueEntry> UnitCatalogue() {
    return kCatalogue;
}

const CUnitObject* FindUnit(std::string_view code) {
    static const std::map<std::string_view, const CUnitObject*> byCode = [] {
        std::map<std::string_view, const CUnitObject*> index;
        for (const auto& entry : kCatalogue) {
            index.emplace(entry.code, &entry.unit);
        }
        return index;
    }();
    const auto it = byCode.find(code);
    return it == byCode.end() ? nullptr : it->second;
}

const UnitCatalogueEntry* FindUnitByTextId(int textId) {
    for (const auto& entry : kCatalogue) {
        if (entry.unit.TextId() == textId) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace veritom
