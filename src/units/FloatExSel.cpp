#include "FloatExSel.h"

#include "base/Format.h"

namespace veritom {

void CFloatExSel::AddToReportMap(CReportMap& map, bool, std::string_view format) const {
    StoreInReportMap(map, veritom::Format(format.empty() ? "%.0f" : format, Value()));
}

}  // namespace veritom
