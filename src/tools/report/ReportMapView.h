#pragma once

#include <vector>

#include "tools/report/ReportAbi.h"
#include "units/ReportMap.h"

namespace veritom {

// The report map as the report library's C interface reads it. It points into map, which
// must outlive it and stay unchanged.
class CReportMapView {
public:
    explicit CReportMapView(const CReportMap& map);
    CReportMapView(const CReportMapView&) = delete;
    CReportMapView& operator=(const CReportMapView&) = delete;

    const VeritomReportMap* Get() const { return &m_map; }

private:
    std::vector<std::vector<const char*>> m_texts;
    std::vector<VeritomReportEntry> m_entries;
    VeritomReportMap m_map{};
};

}  // namespace veritom
