#pragma once

#include <cstdint>
#include <string_view>

#include "units/NamedValue.h"

namespace veritom {

// A named 32-bit integer of the valve selection record.
class CIntExSel : public CNamedValue<std::int32_t> {
public:
    using CNamedValue::CNamedValue;
    using CNamedValue::operator=;

    // Stores the value formatted with format ("%d" when empty) under the name; nothing
    // when the name or the formatted text is empty.
    void AddToReportMap(CReportMap& map, bool force = false, std::string_view format = {}) const;
};

}  // namespace veritom
