#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/FieldValue.h"
#include "model/ValveData.h"
#include "wizard/coil/CoilChoices.h"

namespace veritom {

class IDatabase;

// What the Additional Coil Information dialog decides: the constructions, terminations and
// enclosures offered for the electrical answers in the record, which are selected, which
// lists can be used, the pictures, and which record members OK writes. The dialog binds its
// list, its two drop-down lists, the description boxes and the pictures to this.
class CCoilAdditionalSelection {
public:
    enum class Outcome {
        StayOpen,   // a choice the lists offer is missing
        Ok,         // Result() holds the answers
        Unchanged,  // the coil details equal the record's: end with IDUNCHANGED
    };

    CCoilAdditionalSelection(IDatabase& db, const CProd_ValveData& record);

    // Fills the lists and selects the record's answers, else the first entries.
    void Load();

    const std::vector<CoilChoice>& GetConstructions() const { return m_constructions; }
    const std::vector<CoilChoice>& GetTerminations() const { return m_terminations; }
    const std::vector<CoilChoice>& GetEnclosures() const { return m_enclosures; }
    // -1 when nothing is selected.
    int GetConstructionIndex() const { return m_construction; }
    int GetTerminationIndex() const { return m_termination; }
    int GetEnclosureIndex() const { return m_enclosure; }
    // A list can be used whenever it has entries.
    bool IsTerminationEnabled() const { return !m_terminations.empty(); }
    bool IsEnclosureEnabled() const { return !m_enclosures.empty(); }

    // Another construction: the terminations are asked again and the first is selected,
    // and so on down to the enclosures. False for the selected one or out of range.
    bool SelectConstruction(int index);
    // Another termination: the enclosures are asked again and the first is selected.
    bool SelectTermination(int index);
    bool SelectEnclosure(int index);

    // The selected entry's description, empty when nothing is selected.
    std::string ConstructionDescription() const;
    std::string TerminationDescription() const;
    std::string EnclosureDescription() const;
    // The selected entry's picture bytes; nothing without a selection, an image name or a
    // stored image.
    std::optional<ByteArray> TerminationPicture() const;
    std::optional<ByteArray> EnclosurePicture() const;

    // The string id of the message OK shows when a list offers entries but none is chosen;
    // 0 when nothing is missing.
    int MissingChoiceMessage() const;
    // OK: stores the coil details in Result() unless they equal the record's.
    Outcome Conclude();
    const CProd_ValveData& Result() const { return m_result; }

    // The entry a saved answer selects: the entry with exactly that text, else (when
    // allowPrefix) the first that begins with it, else the first; -1 for an empty list.
    static int FindSaved(const std::vector<CoilChoice>& choices, const std::string& saved,
                         bool allowPrefix);

private:
    void LoadTerminations();
    void LoadEnclosures();
    const CoilChoice* Selected(const std::vector<CoilChoice>& list, int index) const;

    IDatabase& m_db;
    CProd_ValveData m_record;
    CProd_ValveData m_result;
    std::vector<CoilChoice> m_constructions;
    std::vector<CoilChoice> m_terminations;
    std::vector<CoilChoice> m_enclosures;
    int m_construction = -1;
    int m_termination = -1;
    int m_enclosure = -1;
};

}  // namespace veritom
