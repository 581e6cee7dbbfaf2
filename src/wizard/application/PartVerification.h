#pragma once

#include <string>
#include <vector>

#include "model/ValveData.h"
#include "units/ColorList.h"

namespace veritom {

class IDatabase;

// What the Valve Part Numbers list shows in verification mode: the valves that pass every
// criterion the record holds so far, by the query of its selection method, one line each
// (valve number, suffix code and pressure drop, tab-separated), every other line on pale
// green.
class CPartVerification {
public:
    static constexpr ListColour kAlternateBackground = RgbColour(0xDC, 0xFA, 0xDC);

    CPartVerification(IDatabase& db, const CProd_ValveData& record);

    // The stored query of the record's selection method; false (after a warning beep) when
    // the database lacks it.
    bool Prepare();
    const std::string& QueryName() const { return m_queryName; }
    // The lines of the valves that pass; a row whose three fields are all empty is left out.
    std::vector<std::string> ReadLines() const;
    // The background of line index: pale green for lines 0, 2, 4 ...
    static ListColour Background(int index);

private:
    IDatabase& m_db;
    CProd_ValveData m_record;
    std::string m_queryName;
};

}  // namespace veritom
