#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/orderpad/OrderPadLine.h"

namespace veritom {

class IDatabase;

// A competitor, or one of the maker's divisions (product lines): its link and its text.
struct CInterchangeChoice {
    std::string link;
    std::string text;
};

// One part number of a competitor. The link codes go to the queries; the complete number
// is what the user types and sees.
struct CCompetitorPart {
    std::string prefixLink;
    std::string prefix;
    std::string partNumber;
    std::string suffix;
    std::string suffixLink;
    std::string complete;
};

struct CInterchangeVoltage {
    std::string code;
    std::string text;
    bool isDefault = false;
};

// The maker's part that replaces the competitor's, with the note on exceptions.
struct CInterchangeAnswer {
    std::string note;
    std::string partNumber;
    std::string description;
};

// What the Competitor Part Number Interchange dialog decides: the competitor, part number,
// division and voltage lists, which entry each selects, what a choice or a typed part number
// refills, and the answer. Each list remembers its selected position; a refilled list starts
// with none, so the first entry of a new list always counts as a change and the answer is
// worked out again. The dialog binds this to its controls.
class CPartInterchange {
public:
    // The opening notice and the voltage code sent when no voltage is selected.
    static constexpr const char* kOpeningNotice = "CompInterch";
    static constexpr const char* kNoVoltage = "NA";
    static constexpr std::size_t kMaxTypedLength = 255;

    enum class TypeOutcome {
        Beep,      // the competitor has no part numbers
        Selected,  // a part number starting with the text is selected now
        Same,      // the part number already selected starts with the text
        NoMatch,   // none starts with it: no part number, no answer
    };

    explicit CPartInterchange(IDatabase& db);

    // The text of the opening notice, nothing when the database has none.
    std::optional<std::string> OpeningNotice() const;
    // Fills every list from the first competitor on and works out the answer.
    void Open();

    // Each returns false when index is the entry already selected (nothing is run again)
    // or out of range.
    bool SelectCompetitor(int index);
    bool SelectPart(int index);
    bool SelectDivision(int index);
    bool SelectVoltage(int index);
    // The part number edit changed by the user: selects the first part number that starts
    // with the text in upper case.
    TypeOutcome TypePartNumber(const std::string& text);

    const std::vector<CInterchangeChoice>& Competitors() const { return m_competitors; }
    const std::vector<CCompetitorPart>& Parts() const { return m_parts; }
    const std::vector<CInterchangeChoice>& Divisions() const { return m_divisions; }
    const std::vector<CInterchangeVoltage>& Voltages() const { return m_voltages; }
    int CompetitorIndex() const { return m_competitor; }
    int PartIndex() const { return m_part; }
    int DivisionIndex() const { return m_division; }
    int VoltageIndex() const { return m_voltage; }
    // The voltage list is offered only when the division has voltages.
    bool HasVoltages() const { return !m_voltages.empty(); }

    // What the part number edit shows after a change the program made.
    const std::string& PartNumberText() const { return m_partNumberText; }
    // Nothing while competitor, part number and division are not all selected, or when the
    // database has no answer for them.
    const std::optional<CInterchangeAnswer>& Answer() const { return m_answer; }
    // Only an answer at a chosen voltage can be ordered.
    bool CanAddToOrderPad() const { return m_answer.has_value() && m_voltage >= 0; }
    // The answer for the order pad; the interchange sends no division.
    COrderPadLine OrderLine() const;

    // The voltage code sent with the answer query.
    std::string VoltageCode() const;

private:
    void FillCompetitors();
    void FillParts();
    void FillDivisions();
    void FillVoltages();
    void ComputeAnswer();
    // After the part number row changed: the divisions and everything after them.
    void RefreshFromPart();
    void RefreshFromDivision();
    const CCompetitorPart* SelectedPart() const;

    IDatabase& m_db;
    std::vector<CInterchangeChoice> m_competitors;
    std::vector<CCompetitorPart> m_parts;
    std::vector<CInterchangeChoice> m_divisions;
    std::vector<CInterchangeVoltage> m_voltages;
    int m_competitor = -1;
    int m_part = -1;
    int m_division = -1;
    int m_voltage = -1;
    std::string m_partNumberText;
    std::optional<CInterchangeAnswer> m_answer;
};

}  // namespace veritom
