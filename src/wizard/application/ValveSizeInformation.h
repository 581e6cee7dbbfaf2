#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ValveData.h"
#include "units/UnitDouble.h"
#include "wizard/application/CheckOutcome.h"

namespace veritom {

class IDatabase;
class IPageLocations;

// What the Valve Selection Information dialog decides: which of the four limits are ticked
// (each a flag bit), the control signals offered, the working quantities, the application's
// information with its catalogue file and fluid compatibility help, and on OK whether
// anything changed, the record to check and the check itself.
class CValveSizeInformation {
public:
    struct ControlSignal {
        std::string text;
        std::string link;
    };
    // One row: its tick's flag bit and the entry it enables.
    struct Row {
        std::uint32_t flag;
        EntryField field;
        int labelId;
    };
    struct Acceptance {
        enum class Kind { Refused, Unchanged, Check };
        Kind kind = Kind::Refused;
        int messageId = 0;
        EntryField focus = EntryField::None;
    };

    CValveSizeInformation(IDatabase& db, const CProd_ValveData& record);

    void Load();

    static const std::array<Row, 4>& Rows();
    bool IsTicked(const Row& row) const { return (m_flags & row.flag) != 0; }
    void Tick(const Row& row, bool ticked);
    std::uint32_t GetFlags() const { return m_flags; }

    const std::vector<ControlSignal>& GetControlSignals() const { return m_signals; }
    int GetSelectedSignal() const { return m_selectedSignal; }
    bool SelectSignal(int index);

    // The working value of a number row (inlet pressure, volumetric flow, flow factor).
    const CUnitDouble& Quantity(EntryField field) const;
    void SetQuantity(EntryField field, const CUnitDouble& value);

    const std::string& GetInformation() const { return m_information; }
    // "&Catalog Information": the application's catalogue from the language's data folder.
    bool OpenCatalog(const IPageLocations& locations) const;
    // "&Fluid Compatibility": the help file of the shared data folder at its page.
    bool ShowFluidCompatibility(const IPageLocations& locations) const;

    Acceptance Accept();
    const CProd_ValveData& WorkingRecord() const { return m_working; }
    CCheckOutcome Check(const EmptyEntries& empty);

private:
    std::size_t QuantityIndex(EntryField field) const;

    IDatabase& m_db;
    CProd_ValveData m_record;
    CProd_ValveData m_working;
    std::uint32_t m_flags = 0;
    std::vector<ControlSignal> m_signals;
    int m_selectedSignal = -1;
    std::array<CUnitDouble, 3> m_quantities;  // inlet pressure, volumetric flow, flow factor
    std::string m_information;
    std::string m_catalogFile;
    std::string m_fluidCompatFile;
    std::string m_fluidCompatPage;
};

}  // namespace veritom
