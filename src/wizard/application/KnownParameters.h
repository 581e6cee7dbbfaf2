#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/ValveData.h"
#include "units/UnitDouble.h"
#include "wizard/application/CheckOutcome.h"

namespace veritom {

class IDatabase;

// What the Valve Selection Method dialog decides: the method (select by catalog data or
// calculate the valve size) with each method's own flag word, the rows the method shows,
// the fluid states the application serves, the fluid list, the medium not listed, the port
// sizes, the working quantities, and on OK whether anything changed, the record to check and
// the check itself. The dialog binds its controls to this.
class CKnownParameters {
public:
    static constexpr int kByCatalogData = 1;
    static constexpr int kCalculatedSize = 2;

    struct Fluid {
        std::string text;
        std::string link;
        std::string categoryLink;
        std::string categoryText;
        std::string secondLink;
        double specificGravity = 0.0;
        bool categoryDefault = false;
        bool selectable = true;
    };
    struct PortSize {
        std::string text;
        std::string link;
    };
    // One row of the parameter group: the record value it holds and its label.
    struct Row {
        EntryField field;
        int labelId;
        const char* labelSuffix;
    };
    // What OK found before any check.
    struct Acceptance {
        enum class Kind { Refused, Unchanged, Check };
        Kind kind = Kind::Refused;
        int messageId = 0;  // the refusal's string
        EntryField focus = EntryField::None;
    };

    CKnownParameters(IDatabase& db, const CProd_ValveData& record);

    // Everything the opening dialog shows.
    void Load();

    int GetMethod() const { return m_method; }
    // Another method: exchanges the flag words, sets up its rows and reads its information.
    // The dialog stores the shown rows' values first. False when it is the current method.
    bool SetMethod(int method);
    const std::string& GetInformation() const { return m_information; }
    const std::string& GetMethodText() const { return m_methodText; }
    std::uint32_t GetFlags() const { return FlagsOf(m_method); }
    std::uint32_t FlagsOf(int method) const { return m_flags[method == kCalculatedSize ? 1 : 0]; }

    static std::array<Row, 4> Rows(int method);
    // The row's label as shown: "Min. Pressure Differential: *".
    static std::string RowLabel(const Row& row);

    // The fluid states the application serves ("GAS", "LIQ", "OIL").
    bool IsStateAvailable(const std::string& state) const { return m_states.count(state) > 0; }
    const std::string& GetState() const { return m_state; }
    // Another state: refills the fluids, selects the state's default fluid, and moves the flow
    // rate between volume units of gas and liquid. False when the state is the current one.
    bool SetState(const std::string& state);
    static std::string FlowRateUnitFor(const std::string& state, const std::string& unit);

    const std::vector<Fluid>& GetFluids() const { return m_fluids; }
    int GetSelectedFluid() const { return m_selectedFluid; }
    bool SelectFluid(int index);
    bool ShowsAllFluids() const { return m_comFluidLink == 0; }
    void SetShowAllFluids(bool all);
    bool IsMediumNotListed() const;
    void SetMediumNotListed(bool notListed);
    const Fluid& GetOtherMedium(const std::string& state) const;

    const std::vector<PortSize>& GetPortSizes() const { return m_portSizes; }
    int GetSelectedPortSize() const { return m_selectedPort; }
    bool SelectPortSize(int index);

    // The working value of a row's quantity (not the port size).
    const CUnitDouble& Quantity(EntryField field) const;
    void SetQuantity(EntryField field, const CUnitDouble& value);

    // OK before the check: a refusal with its message and entry, unchanged answers, or a
    // working record to check (WorkingRecord).
    Acceptance Accept();
    const CProd_ValveData& WorkingRecord() const { return m_working; }
    // The check of the method on the working record; a passed sizing check stores the flow
    // factor it calculated.
    CCheckOutcome Check(const EmptyEntries& empty);

private:
    void ReadInformation();
    void ReadStates();
    void SetUpRows();
    void FillFluids();
    void SelectDefaultFluid();
    void ReadPortSizes();
    void ReadOtherMedia();
    std::uint32_t& CurrentFlags() { return m_flags[m_method == kCalculatedSize ? 1 : 0]; }
    std::size_t QuantityIndex(EntryField field) const;
    const Fluid* ChosenFluid() const;
    bool IsUnchanged(const Fluid& fluid, const PortSize& port) const;
    void WriteWorking(const Fluid& fluid, const PortSize& port);

    IDatabase& m_db;
    CProd_ValveData m_record;
    CProd_ValveData m_working;
    int m_method = kByCatalogData;
    std::array<std::uint32_t, 2> m_flags{};  // by method
    std::string m_information;
    std::string m_methodText;
    std::set<std::string> m_states;
    std::string m_state;
    int m_comFluidLink = 1;
    std::vector<Fluid> m_fluids;
    int m_selectedFluid = -1;
    std::array<Fluid, 3> m_otherMedia;  // gas, liquid, oil
    std::vector<PortSize> m_portSizes;
    bool m_portSizesRead = false;
    int m_selectedPort = -1;
    // Flow rate, fluid temperature, minimum fluid temperature, maximum inlet pressure,
    // maximum and minimum pressure differential.
    std::array<CUnitDouble, 6> m_quantities;
};

}  // namespace veritom
