#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veritom {

class IDatabase;

// A design series rapid selection offers: its link and the text the series list shows.
struct CRapidSeriesEntry {
    std::string link;
    std::string text;
};

// How Tools, Rapid Selection starts: with nothing to build it says so, with one series it
// opens that series at once, with several it lets the user choose first.
struct CRapidStart {
    enum class Kind { NoSeries, OneSeries, ChooseSeries };
    Kind kind = Kind::NoSeries;
    std::string seriesLink;  // with OneSeries
};

// How many design series rapid selection offers; none means the tool has nothing to build.
std::int32_t CountRapidSeries(IDatabase& db);
// The series in the database's order ("qRap_SelSeries").
std::vector<CRapidSeriesEntry> LoadRapidSeries(IDatabase& db);
// A count of one whose series list is empty counts as no series.
CRapidStart DecideRapidStart(IDatabase& db);
// The message shown when rapid selection has no series ("RapidSelCount0").
inline constexpr const char* kRapidNoSeriesMessage = "RapidSelCount0";
// The note of the series dialog ("RapidSel").
inline constexpr const char* kRapidSeriesNote = "RapidSel";

}  // namespace veritom
