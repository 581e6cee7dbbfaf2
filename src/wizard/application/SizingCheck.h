#pragma once

#include <optional>

#include "wizard/application/CheckOutcome.h"

namespace veritom {

class CProd_ValveData;
class IDatabase;

// The check of the known operating parameters when the valve size is calculated: the four
// entries given, a flow and a differential above zero, then the flow factor the flow needs
// (sizing equations of the database) and at least one valve of the valve type, application
// and fluid that reaches it at the fluid temperature and differential. When none does, the
// reason: a medium that is not listed, the temperature, the differential or the inlet
// pressure above every valve's rating, or no valve at all.
class CSizingCheck {
public:
    static CCheckOutcome Run(IDatabase& db, const CProd_ValveData& record,
                             const EmptyEntries& empty = {});

    // The flow factor (Cv) the record's flow needs; nothing when the database gives none or
    // one that no valve could have (zero or less).
    static std::optional<double> CalculateFlowFactor(IDatabase& db, const CProd_ValveData& record);
};

}  // namespace veritom
