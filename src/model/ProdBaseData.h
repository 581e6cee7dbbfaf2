#pragma once

#include "base/Archive.h"
#include "units/ReportMap.h"

namespace veritom {

// The product-neutral selection record: no data of its own, every operation does nothing.
// Product records override what they hold.
class CProd_BaseData {
public:
    CProd_BaseData() = default;
    CProd_BaseData(const CProd_BaseData&) = default;
    CProd_BaseData& operator=(const CProd_BaseData&) = default;
    virtual ~CProd_BaseData();

    virtual void Serialize(CArchive& ar);
    // Clears the answers of step level and of every later step.
    virtual void Reset(int level);
    virtual void AddToReportMap(CReportMap& map) const;
};

}  // namespace veritom
