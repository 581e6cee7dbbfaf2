#pragma once

#include <optional>

#include "data/Query.h"
#include "data/Recordset.h"
#include "wizard/application/RecordParams.h"

namespace veritom {

// A limit query of the valve type, application and fluid (the tightest rating of any valve
// that could take them): its field of the one row, nothing when no valve qualifies.
template <const auto& Q>
std::optional<double> ReadLimit(IDatabase& db, const CProd_ValveData& record, FieldRef field) {
    CQuery query(db, Q);
    record_params::SetLimitParams<Q>(query, record);
    IRecordset records(db);
    records.Open(query);
    if (records.IsEOF() || records.GetFieldValue(field).IsNull()) {
        return std::nullopt;
    }
    return records.GetDouble(field);
}

}  // namespace veritom
