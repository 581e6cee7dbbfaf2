#pragma once

#include "wizard/application/CheckOutcome.h"

namespace veritom {

class CProd_ValveData;
class IDatabase;

// The check of the valve size information: every ticked number given, then at least one
// valve of the application that meets every ticked limit. When none does, the reason: the
// flow factor, the volumetric flow or the inlet pressure above every valve's, or no valve.
class CValveSizeCheck {
public:
    static CCheckOutcome Run(IDatabase& db, const CProd_ValveData& record,
                             const EmptyEntries& empty = {});
};

}  // namespace veritom
