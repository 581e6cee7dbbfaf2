#include "RapidSeries.h"

#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom {

std::int32_t CountRapidSeries(IDatabase& db) {
    constexpr auto& q = queries::kRapidSeriesCount;
    CQuery query(db, q);
    IRecordset records(db);
    records.Open(query);
    return records.IsEOF() ? 0 : records.GetInt(q.Field("RapSelSeriesCount"));
}

}  // namespace veritom
