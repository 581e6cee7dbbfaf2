#include "RapidSegment.h"

#include "base/Format.h"

namespace veritom {

namespace {

constexpr int kFieldStep = 10;
constexpr int kThreeDigits = 100;

std::string FieldName(const char* prefix, int field) {
    return Format(field < kThreeDigits ? "%s0%d" : "%s%d", prefix, field);
}

}  // namespace

int RapidSegmentOfField(int field) {
    if (field < kFieldStep || field > kFieldStep * kRapidSegmentCount || field % kFieldStep != 0) {
        return -1;
    }
    return field / kFieldStep - 1;
}

std::string RapidCodeParam(int field) {
    std::string param = "[";
    param += FieldName("parCode", field);
    param += ']';
    return param;
}

std::string RapidCodeField(int field) {
    return FieldName("Code", field);
}

std::string RapidTextField(int field) {
    return FieldName("Text", field);
}

}  // namespace veritom
