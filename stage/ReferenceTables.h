#pragma once

#include <map>
#include <string>

#include "Catalogue.h"
#include "PdfDocument.h"

namespace veritom::stage {

// Makes the tables of the reference documents from the catalogue, so every rating a
// document prints is the one the selection database holds. Column headings and fixed words
// come from labels (the document source's @label lines).
class CReferenceTables {
public:
    CReferenceTables(CCatalogue& catalogue, const std::map<std::string, std::string>& labels);

    // A table by kind (series-ratings, series-materials, ...); throws on an unknown kind,
    // series or label.
    PdfTable Build(const std::string& kind, const std::string& argument);

private:
    const std::string& Label(const std::string& key) const;
    std::string Decimal(std::string number) const;
    std::string Temperatures(const std::string& minF, const std::string& maxF) const;
    std::string PortText(const std::string& link);
    std::string PortByOrder(const std::string& order);
    std::string Triple(const std::vector<std::string>& row, const std::string& current);
    std::string Watts(const std::string& family, const std::string& powerClass,
                      const std::string& current);
    std::string SeriesRange(const std::string& series, const std::string& what);
    std::string Joined(const std::vector<std::string>& texts, const char* separator = ", ") const;

    PdfTable SeriesRatings(const std::string& series);
    PdfTable SeriesMaterials(const std::string& series);
    PdfTable SeriesCoils(const std::string& series);
    PdfTable ApplicationSeries(const std::string& applications);
    PdfTable Applications();
    PdfTable SeriesOverview();
    PdfTable Materials(const std::string& table);
    PdfTable Fluids();
    PdfTable CoilPower();
    PdfTable CoilClasses();
    PdfTable CoilHousings();
    PdfTable Voltages();
    PdfTable Specialty();
    PdfTable Described(const std::string& table, const std::string& name,
                       const std::string& description);

    CCatalogue& m_catalogue;
    const std::map<std::string, std::string>& m_labels;
};

}  // namespace veritom::stage
