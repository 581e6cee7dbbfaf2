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

std::vector<CRapidSeriesEntry> LoadRapidSeries(IDatabase& db) {
    constexpr auto& q = queries::kRapidSeries;
    CQuery query(db, q);
    IRecordset records(db);
    records.Open(query);
    std::vector<CRapidSeriesEntry> series;
    for (; !records.IsEOF(); records.MoveNext()) {
        series.push_back({records.GetString(q.Field("DesignSeriesLink")),
                          records.GetString(q.Field("DesignSeriesText"))});
    }
    return series;
}

CRapidStart DecideRapidStart(IDatabase& db) {
    const std::int32_t count = CountRapidSeries(db);
    if (count <= 0) {
        return {};
    }
    if (count >= 2) {
        return {CRapidStart::Kind::ChooseSeries, {}};
    }
    const std::vector<CRapidSeriesEntry> series = LoadRapidSeries(db);
    if (series.empty()) {
        return {};
    }
    return {CRapidStart::Kind::OneSeries, series.front().link};
}

}  // namespace veritom
