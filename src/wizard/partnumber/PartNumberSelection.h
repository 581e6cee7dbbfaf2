#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ValveData.h"
#include "units/UnitDouble.h"
#include "wizard/partnumber/CandidateList.h"
#include "wizard/partnumber/CandidateSort.h"
#include "wizard/partnumber/ColumnTable.h"
#include "wizard/partnumber/OptionList.h"
#include "wizard/partnumber/PartListQuery.h"

namespace veritom {

class IDatabase;

// What the Select Part Number dialog decides: which queries run for the record, the filter
// options and which are chosen, when the list goes stale, the minimum/maximum temperature
// rule, the candidate list with its columns, texts and sort, and what OK writes into the
// record. The dialog binds this to its controls; the command line runs it without one.
class CPartNumberSelection {
public:
    enum Filter {
        kBodyMaterial = 0,
        kMaxFluidTemp = 1,
        kMinFluidTemp = 2,
        kFlowFactor = 3,  // the flow-factor kind; its range is a combo of its own
        kMaxInletPressure = 4,
        kConnectionType = 5,
        kSealMaterial = 6,
        kActuation = 7,
        kCoilClass = 8,
        kTenthFilter = 9,  // agency approval, or the control input signal (method 2)
        kFilterCount = 10
    };
    enum class OpenResult {
        Ready,
        NoVariant,  // no coil and a selection method neither 1 nor 2
        NoOptions,  // the option query found no candidate
    };
    enum class UpdateResult {
        MinimumRefused,  // the message was shown; SuggestedMinimum() belongs in the edit
        Listed,          // rows are shown
        NothingListed,   // the list is empty; the message of "NoRecordsPass" was shown
    };

    static constexpr std::size_t kLargeListRows = 10000;

    CPartNumberSelection(IDatabase& db, const CProd_ValveData& record);

    // Chooses the queries and columns, reads the filter options and selects the saved ones.
    OpenResult Open();
    bool IsReady() const { return m_ready; }
    int Kind() const { return m_kind; }
    ColumnVariant Variant() const { return m_variant; }

    // The entries of an option filter (body material, flow-factor kind, connection type,
    // seal, actuation, coil class, tenth filter) and of the flow-factor ranges.
    const OptionEntries& Options(int filter) const;
    const OptionEntries& FlowFactorRanges() const { return m_ranges; }
    // -1 when nothing is selected.
    int Selected(int filter) const;
    int SelectedRange() const { return m_rangeIndex; }
    // The coil class and tenth filters narrow only some lists; the others always do.
    bool IsFilterInUse(int filter) const;
    bool IsTenthFilterControlSignal() const { return m_kind == 1; }
    // The calculated size took the fluid temperature from the Application step.
    bool IsMaxFluidTempEditable() const;
    // The maximum and minimum fluid temperature and the maximum inlet pressure filters.
    const CUnitDouble& NumericFilter(int filter) const;
    // The help keyword of a filter's "?".
    std::string HelpKeyword(int filter) const;
    // The column title a filter's "?" names; -1 when no column carries the filter.
    int HelpColumn(int filter) const {
        return CColumnTable::FirstColumnOfFilter(m_variant, filter);
    }

    // Filter changes. Each stores the new choice and returns true when the list had rows
    // and is now emptied (stale until Update); a choice equal to the stored one changes
    // nothing. A new flow-factor kind also refills the ranges and selects the first.
    bool SelectOption(int filter, int index);
    bool SelectFlowFactorRange(int index);
    // An edit or unit of a numeric filter changed: always a change.
    bool ChangeNumericFilter(int filter, const CUnitDouble& value);
    // A link for a filter as the command line names it: an option's link, a flow-factor
    // kind, or a number for a numeric filter; false when none fits.
    bool SelectByLink(int filter, const std::string& link);

    // Update: the temperature rule, then the list is filled when it is empty.
    UpdateResult Update();
    double SuggestedMinimum() const { return m_suggestedMinimum; }
    // The question before 10,000 or more rows are listed (the command line lists them all).
    void SetAskBeforeLargeLists(bool ask) { m_askBeforeLarge = ask; }

    // The list: the table columns shown, their titles, the rows in display order.
    const std::vector<int>& Columns() const { return m_columns; }
    // The user moved columns: order holds the columns shown in the order they now stand,
    // which OK keeps for the next opening; false when it is not that.
    bool SetColumnOrder(const std::vector<int>& order);
    const std::vector<int>& ColumnOrder() const { return m_columnOrder; }
    // The column sorted last and whether that sort ascended; -1 when none.
    int SortedColumn() const { return m_sort.Last().column; }
    bool SortedAscending() const;
    std::string ColumnTitle(int column) const;
    std::size_t RowCount() const { return m_sort.Size(); }
    std::string CellText(std::size_t displayRow, int column) const;
    const CCandidateList& Candidates() const { return m_candidates; }
    // A header click; returns where the highlighted row went (-1 stays -1, unless the list
    // has rows: then the first row is highlighted).
    std::int64_t SortByColumn(int column, std::int64_t highlighted);
    // The same with the direction given: 1 ascending, 0 descending, -1 as a click sorts.
    std::int64_t SortByColumnAscending(int column, int ascending, std::int64_t highlighted);
    // Reopening: the row of the part number chosen before (-1 when nothing was saved or it
    // is not listed), then the saved sort; returns where that row is now.
    std::int64_t RestoreHighlightAndSort();
    // The list went stale: rows dropped, sort forgotten.
    bool IsStale() const { return m_stale; }

    // OK: the highlighted row's block, the filters, the layout and sort and the numeric
    // filters into record, and the description. Without a row: the message of "NoRecordSel"
    // and false.
    bool Accept(std::int64_t displayRow, CProd_ValveData& record) const;
    // The record the selection report shows: a copy with OK applied; nothing without a row.
    std::optional<CProd_ValveData> ReportRecord(std::int64_t displayRow,
                                                const CProd_ValveData& record) const;
    // Catalog information and filter help (see CPartInformation); a beep without a row.
    void ShowCatalogInformation(std::int64_t displayRow, const std::string& referenceDir) const;
    void ShowFilterHelp(int filter, const std::string& netPath) const;

private:
    struct DisplayUnit {
        std::string from;         // the fixed unit the query gives
        std::string code;         // the unit shown
        std::string text;         // its display text
        bool difference = false;  // a pressure differential: converted by the factors alone
    };
    static double Converted(double value, const DisplayUnit& unit);
    static std::string Quantity(double value, const DisplayUnit& unit);

    void ReadOptions();
    void FillFlowFactorKinds();
    void FillFlowFactorRanges();
    void SelectSaved(int filter, const std::string& link);
    bool DropRows();
    bool FillList();
    ListFilterValues FilterValues() const;
    void TakeDisplayUnits();
    std::string CellOfRow(std::uint32_t row, int column) const;
    void WriteBlock(std::uint32_t row, CProd_ValveData& record) const;
    void WriteListState(CProd_ValveData& record) const;
    std::uint32_t RowOf(std::int64_t displayRow) const;

    IDatabase& m_db;
    CProd_ValveData m_record;
    bool m_ready = false;
    int m_kind = 5;
    ColumnVariant m_variant = ColumnVariant::C;

    // By filter: the entries (option filters and the flow-factor kinds), the selection,
    // the link and text chosen.
    std::array<OptionEntries, kFilterCount> m_options;
    std::array<int, kFilterCount> m_selected{};
    std::array<std::string, kFilterCount> m_links;
    std::array<std::string, kFilterCount> m_texts;
    OptionEntries m_ranges;
    int m_rangeIndex = -1;
    std::array<CUnitDouble, kFilterCount> m_numbers;
    std::vector<std::array<OptionTriple, 7>> m_optionRows;
    std::string m_undecidedLink;
    std::string m_undecidedText;

    std::vector<int> m_columns;
    std::vector<int> m_columnOrder;
    CCandidateList m_candidates;
    CCandidateSort m_sort;
    bool m_stale = false;
    bool m_askBeforeLarge = true;
    double m_suggestedMinimum = 0;
    // The units the numbers of the list are shown in, taken when it was filled.
    DisplayUnit m_minOPDUnit;
    DisplayUnit m_mopdUnit;
    DisplayUnit m_maxTempUnit;
    DisplayUnit m_minTempUnit;
    DisplayUnit m_inletUnit;
};

}  // namespace veritom
