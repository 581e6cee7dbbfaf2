#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/ValveData.h"
#include "wizard/coil/CoilChoices.h"

namespace veritom {

class IDatabase;

// The stored queries of the Solenoid step, run with the earlier answers of one record as
// parameters. Each query has a form for the catalog data (MethodLink 1) and one for the
// calculated size; the record decides which runs and which parameters it gets.
class CCoilQueries {
public:
    CCoilQueries(IDatabase& db, const CProd_ValveData& record);

    // The catalog data form ("_Param") runs for MethodLink 1, the sizing form otherwise.
    bool UsesCatalogData() const;

    std::vector<SolenoidRow> Solenoids() const;
    // The first non-standard entry with a link, or nothing.
    std::optional<VoltageEntry> NonStandard() const;
    // The voltages of a current; used only when the solenoid rows gave none.
    std::vector<VoltageEntry> Voltages(const std::string& current) const;
    std::vector<LocationEntry> Locations(const std::string& current,
                                         const std::string& voltageLink) const;

    // Dialog 106: the environment, current and voltage come from the record.
    std::vector<CoilChoice> Constructions() const;
    std::vector<CoilChoice> Terminations(const std::string& constructionLink) const;
    std::vector<CoilChoice> Enclosures(const std::string& constructionLink,
                                       const std::string& terminationLink) const;

private:
    IDatabase& m_db;
    const CProd_ValveData& m_record;
};

}  // namespace veritom
