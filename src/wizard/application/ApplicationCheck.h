#pragma once

#include <optional>

#include "wizard/application/CheckOutcome.h"

namespace veritom {

class CProd_ValveData;
class IDatabase;

// The check the Application step's OK runs on a record: the valve size check for
// applications of the valve size method, otherwise the catalog check (select by catalog
// data) or the sizing check (calculated valve size). Nothing when the record holds no
// parameters of either method.
class CApplicationCheck {
public:
    static std::optional<CCheckOutcome> Run(IDatabase& db, const CProd_ValveData& record,
                                            const EmptyEntries& empty = {});
};

}  // namespace veritom
