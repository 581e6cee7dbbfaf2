#pragma once

#include <cstdint>

namespace veritom {

class IDatabase;

// How many design series rapid selection offers; none means the tool has nothing to build.
std::int32_t CountRapidSeries(IDatabase& db);

}  // namespace veritom
