#include "StringExSel.h"

namespace veritom {

void CStringExSel::AddToReportMap(CReportMap& map, bool, std::string_view) const {
    StoreInReportMap(map, Value());
}

}  // namespace veritom
