#pragma once

#include <string_view>

#include "units/NamedValue.h"

namespace veritom {

// A named 64-bit float of the valve selection record.
class CDoubleExSel : public CNamedValue<double> {
public:
    using CNamedValue::CNamedValue;
    using CNamedValue::operator=;

    // Stores the value formatted with format ("%.0f" when empty) under the name.
    void AddToReportMap(CReportMap& map, bool force = false, std::string_view format = {}) const;
};

}  // namespace veritom
