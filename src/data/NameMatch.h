#pragma once

#include <string_view>

namespace veritom {

// The engine matches query, parameter and field names regardless of ASCII case.
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace veritom
