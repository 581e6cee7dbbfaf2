#include "ReportDate.h"

#include "base/Format.h"
#include "base/StringTable.h"
#include "tools/ToolStrings.h"

namespace veritom {

std::string FormatReportDate(const std::tm& local) {
    const int month = local.tm_mon >= 0 && local.tm_mon < 12 ? local.tm_mon : 0;
    return Format("%s %d %d - %02d:%02d:%02d", LoadString(ids::kMonthJanuary + month),
                  local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace veritom
