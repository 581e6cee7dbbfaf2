#pragma once

namespace veritom::links {

// Link values with a fixed meaning, shared by the product object, the workflow and the
// wizard steps.
inline constexpr const char* kAll = "ALL";         // no restriction
inline constexpr const char* kNoOption = "NOOPT";  // the flow pattern has no option
inline constexpr const char* kNotApplicable = "NA";
inline constexpr const char* kEmpty = "";
inline constexpr const char* kLiquid = "LIQ";
inline constexpr const char* kGas = "GAS";
inline constexpr const char* kOil = "OIL";
inline constexpr const char* kAC = "AC";
inline constexpr const char* kDC = "DC";
inline constexpr const char* kHazardous = "HAZ";
inline constexpr const char* kOrdinary = "ORD";
inline constexpr const char* kCv = "Cv";
inline constexpr const char* kKv = "Kv";
inline constexpr const char* kGeneralPurpose = "GenPurp";
inline constexpr const char* kSpeciality = "Specialty";

}  // namespace veritom::links
