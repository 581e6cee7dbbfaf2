#pragma once

#include "wizard/application/CheckOutcome.h"

namespace veritom {

class CProd_ValveData;
class IDatabase;

// The check of the known operating parameters selected by catalog data: both pressure
// differentials given and in order, then at least one valve of the valve type, application
// and fluid that meets port size, differentials and (when it applies) the inlet pressure.
// When none does, the reason: the maximum differential above every valve's rating, the
// minimum below every valve's need, or no valve at all.
class CCatalogCheck {
public:
    static CCheckOutcome Run(IDatabase& db, const CProd_ValveData& record,
                             const EmptyEntries& empty = {});
};

}  // namespace veritom
