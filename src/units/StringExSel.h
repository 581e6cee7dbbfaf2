#pragma once

#include <string>
#include <string_view>

#include "units/NamedValue.h"

namespace veritom {

// A named text of the valve selection record.
class CStringExSel : public CNamedValue<std::string> {
public:
    using CNamedValue::CNamedValue;
    using CNamedValue::operator=;

    // Stores the text under the name; the text takes no format. The force flag is not
    // consulted by named values.
    void AddToReportMap(CReportMap& map, bool force = false, std::string_view format = {}) const;
};

}  // namespace veritom
