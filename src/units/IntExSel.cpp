#include "IntExSel.h"

#include "base/Format.h"

namespace veritom {

void CIntExSel::AddToReportMap(CReportMap& map, bool, std::string_view format) const {
    std::string text = veritom::Format(format.empty() ? "%d" : format, Value());
    if (!text.empty()) {
        StoreInReportMap(map, std::move(text));
    }
}

}  // namespace veritom
