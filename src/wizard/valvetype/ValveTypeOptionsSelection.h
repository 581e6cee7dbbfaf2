#pragma once

#include <vector>

#include "base/ValveTypeAnswer.h"

namespace veritom {

class IDatabase;

// What the Valve Type Options dialog decides: the options of a function type and flow
// pattern, the option count, whether the dialog closes by itself because the pattern has no
// real option, the preselection, and the result of OK.
class CValveTypeOptionsSelection {
public:
    CValveTypeOptionsSelection(IDatabase& db, const CValveTypeAnswer& functionType,
                               const CValveTypeAnswer& flowPattern,
                               const CValveTypeAnswer& currentOption);

    // Runs "qFlowPatternOpt" and selects: the first entry, or with real options the first
    // beginning with the current option's text when that text is set.
    void Load();

    const std::vector<CValveTypeAnswer>& GetOptions() const { return m_options; }
    bool HasRealOptions() const { return m_hasRealOptions; }
    bool HasNoOptionRow() const { return m_hasNoOptionRow; }
    // The number of real options offered (the "NOOPT" row not counted); 0 without any.
    int GetOptionCount() const;
    int GetSelectedIndex() const { return m_selectedIndex; }
    bool Select(int index);

    // Without real options but with an entry, the dialog accepts at once as if OK were
    // pressed; an empty list leaves it open.
    bool AcceptsAtOnce() const { return !m_hasRealOptions && !m_options.empty(); }

    // OK: 0 with nothing selected (the dialog stays open); otherwise chosen is the selected
    // entry with the option count, and the result is IDUNCHANGED when that equals the
    // current option, else IDOK.
    int Accept(CValveTypeAnswer& chosen) const;

private:
    IDatabase& m_db;
    CValveTypeAnswer m_functionType;
    CValveTypeAnswer m_flowPattern;
    CValveTypeAnswer m_currentOption;
    std::vector<CValveTypeAnswer> m_options;
    bool m_hasRealOptions = false;
    bool m_hasNoOptionRow = false;
    int m_selectedIndex = -1;
};

}  // namespace veritom
