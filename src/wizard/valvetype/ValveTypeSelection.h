#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/ValveTypeAnswer.h"
#include "data/FieldValue.h"

namespace veritom {

class IDatabase;

// What the Valve Type dialog decides: the function types and flow patterns offered, which
// are selected when it opens, whether the user changed the valve type, which option goes on
// to the Valve Type Options dialog, and how the two dialogs' results combine. The dialog
// binds its two lists and its picture to this.
class CValveTypeSelection {
public:
    // What the dialog does when the Valve Type Options dialog has ended.
    enum class Outcome {
        StayOpen,   // the options dialog was cancelled
        Ok,         // store Result() and end with IDOK
        Unchanged,  // end with IDUNCHANGED, nothing stored
    };

    CValveTypeSelection(IDatabase& db, const CValveTypeAnswers& current);

    // Fills both lists and selects as the opening dialog does: the function type with the
    // current text (else the first), then the first flow pattern, or the first beginning with
    // the current flow pattern's text when both current texts are set and the function type
    // was found.
    void Load();

    const std::vector<CValveTypeAnswer>& GetFunctionTypes() const { return m_functionTypes; }
    const std::vector<CValveTypeAnswer>& GetFlowPatterns() const { return m_flowPatterns; }
    // -1 when nothing is selected.
    int GetFunctionTypeIndex() const { return m_functionTypeIndex; }
    int GetFlowPatternIndex() const { return m_flowPatternIndex; }

    // Another function type: the flow patterns are refilled and the first is selected (none
    // when there are none). False when index is the current one or out of range.
    bool SelectFunctionType(int index);
    bool SelectFlowPattern(int index);

    // The selected flow pattern's picture bytes ("qGetImage"); nothing when there is no
    // selection, no image name or no stored image.
    std::optional<ByteArray> GetFlowPatternPicture() const;

    // OK does something only with a function type and a flow pattern selected.
    bool CanAccept() const;
    // The chosen function type and flow pattern differ from the current ones.
    bool IsChanged() const;
    // The option the Valve Type Options dialog starts from: empty after a change.
    CValveTypeAnswer GetOptionPassedOn() const;
    const CValveTypeAnswer& GetChosenFunctionType() const;
    const CValveTypeAnswer& GetChosenFlowPattern() const;

    // Combines the Valve Type Options dialog's result and the option it chose; after Ok,
    // Result() holds the answers to store.
    Outcome Conclude(int optionsResult, const CValveTypeAnswer& chosenOption);
    const CValveTypeAnswers& Result() const { return m_result; }

    // The combination on its own: a changed valve type with an options dialog ending in
    // IDUNCHANGED still counts as OK.
    static Outcome Combine(bool changed, int optionsResult);

private:
    void LoadFunctionTypes();
    void LoadFlowPatterns();
    void PreselectFlowPattern();

    IDatabase& m_db;
    CValveTypeAnswers m_current;
    CValveTypeAnswers m_result;
    std::vector<CValveTypeAnswer> m_functionTypes;
    std::vector<CValveTypeAnswer> m_flowPatterns;
    int m_functionTypeIndex = -1;
    int m_flowPatternIndex = -1;
    bool m_functionTypeFound = false;
};

}  // namespace veritom
