#pragma once

#include <cstdint>
#include <string>

namespace veritom {

// One answer of the Valve Type step: function type, flow pattern or option.
struct CValveTypeAnswer {
    std::string text;         // display text
    std::string link;         // database key
    std::string third;        // image name for a flow pattern, else empty
    std::int32_t number = 0;  // for the option: number of real options offered
    bool operator==(const CValveTypeAnswer&) const = default;
};

struct CValveTypeAnswers {
    CValveTypeAnswer functionType;
    CValveTypeAnswer flowPattern;
    CValveTypeAnswer option;
    bool operator==(const CValveTypeAnswers&) const = default;
};

}  // namespace veritom
