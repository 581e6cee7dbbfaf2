#include "CoilAdditionalSelection.h"

#include "base/Links.h"
#include "data/StoredImage.h"
#include "wizard/WizardStrings.h"
#include "wizard/coil/CoilQueries.h"

namespace veritom {

namespace {

// The integral coil is its own housing: it leaves the enclosure open.
constexpr const char* kIntegralConstruction = "INT";

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

std::string DescriptionOf(const CoilChoice* choice) {
    return choice ? choice->description : std::string();
}

}  // namespace

CCoilAdditionalSelection::CCoilAdditionalSelection(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record), m_result(record) {}

int CCoilAdditionalSelection::FindSaved(const std::vector<CoilChoice>& choices,
                                        const std::string& saved, bool allowPrefix) {
    if (choices.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].text == saved) {
            return static_cast<int>(i);
        }
    }
    if (allowPrefix && !saved.empty()) {
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (choices[i].text.rfind(saved, 0) == 0) {
                return static_cast<int>(i);
            }
        }
    }
    return 0;
}

void CCoilAdditionalSelection::Load() {
    m_constructions = CCoilQueries(m_db, m_record).Constructions();
    m_construction = FindSaved(m_constructions, m_record.m_Sol_ConstructionVAL.Value(), false);
    LoadTerminations();
    m_termination = FindSaved(m_terminations, m_record.m_Sol_TerminationVAL.Value(), false);
    LoadEnclosures();
    // The exact text first, so a saved "Type 4" is not taken for "Type 4X"; a saved text that
    // only begins an entry still finds it.
    m_enclosure = FindSaved(m_enclosures, m_record.m_Sol_EnclosureVAL.Value(), true);
}

void CCoilAdditionalSelection::LoadTerminations() {
    m_terminations.clear();
    m_termination = -1;
    if (const CoilChoice* construction = Selected(m_constructions, m_construction)) {
        m_terminations = CCoilQueries(m_db, m_record).Terminations(construction->link);
    }
    m_termination = m_terminations.empty() ? -1 : 0;
}

void CCoilAdditionalSelection::LoadEnclosures() {
    m_enclosures.clear();
    m_enclosure = -1;
    const CoilChoice* construction = Selected(m_constructions, m_construction);
    const CoilChoice* termination = Selected(m_terminations, m_termination);
    if (construction && termination) {
        m_enclosures =
            CCoilQueries(m_db, m_record).Enclosures(construction->link, termination->link);
    }
    m_enclosure = m_enclosures.empty() ? -1 : 0;
}

bool CCoilAdditionalSelection::SelectConstruction(int index) {
    if (index == m_construction || !InRange(index, m_constructions.size())) {
        return false;
    }
    m_construction = index;
    LoadTerminations();
    LoadEnclosures();
    return true;
}

bool CCoilAdditionalSelection::SelectTermination(int index) {
    if (index == m_termination || !InRange(index, m_terminations.size())) {
        return false;
    }
    m_termination = index;
    LoadEnclosures();
    return true;
}

bool CCoilAdditionalSelection::SelectEnclosure(int index) {
    if (index == m_enclosure || !InRange(index, m_enclosures.size())) {
        return false;
    }
    m_enclosure = index;
    return true;
}

const CoilChoice* CCoilAdditionalSelection::Selected(const std::vector<CoilChoice>& list,
                                                     int index) const {
    return InRange(index, list.size()) ? &list[static_cast<std::size_t>(index)] : nullptr;
}

std::string CCoilAdditionalSelection::ConstructionDescription() const {
    return DescriptionOf(Selected(m_constructions, m_construction));
}

std::string CCoilAdditionalSelection::TerminationDescription() const {
    return DescriptionOf(Selected(m_terminations, m_termination));
}

std::string CCoilAdditionalSelection::EnclosureDescription() const {
    return DescriptionOf(Selected(m_enclosures, m_enclosure));
}

std::optional<ByteArray> CCoilAdditionalSelection::TerminationPicture() const {
    const CoilChoice* termination = Selected(m_terminations, m_termination);
    return termination ? FetchStoredImage(m_db, termination->picture) : std::nullopt;
}

std::optional<ByteArray> CCoilAdditionalSelection::EnclosurePicture() const {
    const CoilChoice* enclosure = Selected(m_enclosures, m_enclosure);
    return enclosure ? FetchStoredImage(m_db, enclosure->picture) : std::nullopt;
}

int CCoilAdditionalSelection::MissingChoiceMessage() const {
    if (!m_constructions.empty() && !Selected(m_constructions, m_construction)) {
        return ids::kChooseConstruction;
    }
    if (!m_terminations.empty() && !Selected(m_terminations, m_termination)) {
        return ids::kChooseTermination;
    }
    if (!m_enclosures.empty() && !Selected(m_enclosures, m_enclosure)) {
        return ids::kChooseEnclosure;
    }
    return 0;
}

CCoilAdditionalSelection::Outcome CCoilAdditionalSelection::Conclude() {
    if (MissingChoiceMessage() != 0) {
        return Outcome::StayOpen;
    }
    const CoilChoice none;
    const CoilChoice* construction = Selected(m_constructions, m_construction);
    const CoilChoice* termination = Selected(m_terminations, m_termination);
    const CoilChoice* enclosure = Selected(m_enclosures, m_enclosure);
    const CoilChoice& c = construction ? *construction : none;
    const CoilChoice& t = termination ? *termination : none;
    const CoilChoice& e = enclosure ? *enclosure : none;
    const bool integral = c.link == kIntegralConstruction;
    const std::string enclosureLink = integral ? std::string(links::kAll) : e.link;
    const std::string enclosurePicture = integral ? std::string() : e.picture;

    const CProd_ValveData& r = m_record;
    if (r.m_SolConstLink.Value() == c.link && r.m_Sol_ConstructionVAL.Value() == c.text &&
        r.m_TermLink.Value() == t.link && r.m_Sol_TerminationVAL.Value() == t.text &&
        r.m_TermPic.Value() == t.picture && r.m_EncloseLink.Value() == enclosureLink &&
        r.m_Sol_EnclosureVAL.Value() == e.text && r.m_EnclosePic.Value() == enclosurePicture) {
        return Outcome::Unchanged;
    }
    m_result = m_record;
    m_result.m_SolConstLink = c.link;
    m_result.m_Sol_ConstructionVAL = c.text;
    m_result.m_SolConstStaticText = c.description;
    m_result.m_TermLink = t.link;
    m_result.m_Sol_TerminationVAL = t.text;
    m_result.m_TermStaticText = t.description;
    m_result.m_TermPic = t.picture;
    m_result.m_EncloseLink = enclosureLink;
    m_result.m_Sol_EnclosureVAL = e.text;
    m_result.m_EncloseStaticText = e.description;
    m_result.m_EnclosePic = enclosurePicture;
    return Outcome::Ok;
}

}  // namespace veritom
