#pragma once

#include <string>

namespace veritom {

// One part number segment of a build type, as the selection database describes it.
struct CRapidSegment {
    int field = -1;  // the database's field number; -1 when the build type does not use it
    std::string heading;
    std::string displayState;
    std::string fillQuery;  // the stored query that lists the segment's codes

    bool IsUsed() const { return field != -1; }
    // A segment in display state "0" is shown disabled: never filled, and it sends no code.
    bool IsActive() const { return IsUsed() && displayState != "0"; }
};

// A line of a segment's list: the code that goes into the part number and what it means.
struct CRapidLine {
    std::string code;
    std::string text;
};

inline constexpr int kRapidSegmentCount = 18;

// The segment a field number belongs to: multiples of 10 from 10 to 180 are segments 0 to
// 17; any other number belongs to none (-1).
int RapidSegmentOfField(int field);

// The names a segment's code travels under, with three digits for fields below 100:
// "[parCode050]", "Code050", "Text050"; "[parCode120]", "Code120", "Text120".
std::string RapidCodeParam(int field);
std::string RapidCodeField(int field);
std::string RapidTextField(int field);

}  // namespace veritom
