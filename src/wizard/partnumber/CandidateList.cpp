#include "wizard/partnumber/CandidateList.h"

#include <charconv>

#include "data/Query.h"
#include "data/RowStream.h"
#include "data/StoredQueries.h"

namespace veritom {

namespace {

// The five list queries share one field list, so a field's declared index is the same in
// each; only the query it belongs to differs.
constexpr auto& kFields = queries::kListKind1;

consteval bool SameFields(const auto& a, const auto& b) {
    if (a.fields.size() != b.fields.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        if (a.fields[i].name != b.fields[i].name || a.fields[i].read != b.fields[i].read) {
            return false;
        }
    }
    return true;
}
static_assert(SameFields(kFields, queries::kListKind2) &&
              SameFields(kFields, queries::kListKind3) &&
              SameFields(kFields, queries::kListKind4) && SameFields(kFields, queries::kListKind5));

constexpr std::array<FieldRef, CCandidateList::kTextFieldCount> kTextFields = {
    kFields.Field("PN_AcDcLinkText"),
    kFields.Field("PN_WattageText"),
    kFields.Field("PN_ConSizeLink2Text"),
    kFields.Field("PN_BMaterialLink2Text"),
    kFields.Field("PN_SMaterialLinkText"),
    kFields.Field("PN_ConTypeLinkText"),
    kFields.Field("PN_ActLinkText"),
    kFields.Field("PN_CoilClsLinkText"),
    kFields.Field("PN_ApprovLinkText"),
    kFields.Field("ValveNumberLink"),
    kFields.Field("SufxLink"),
    kFields.Field("MinOPD"),
    kFields.Field("ControlSigText"),
    kFields.Field("OrificeLinkText"),
};
constexpr std::array<FieldRef, CCandidateList::kNumberFieldCount> kNumberFields = {
    kFields.Field("FlowFacValue"), kFields.Field("MaximumFldTemp"), kFields.Field("MinimumFldTemp"),
    kFields.Field("MaxInPress"), kFields.Field("MOPD")};
constexpr FieldRef kPartNumberField = kFields.Field("CompletePN");

FieldRef Of(const CQuery& query, FieldRef field) {
    return {query.Info().id, field.index, field.read};
}

// Leading blanks skipped, as far as the text reads as a number.
double ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

void CCandidateList::Clear() {
    m_partNumbers.Clear();
    for (CTextColumn& column : m_texts) {
        column.Clear();
    }
    for (std::vector<float>& column : m_numbers) {
        column.clear();
        column.shrink_to_fit();
    }
    m_minOPDValues.clear();
}

void CCandidateList::Read(CQuery& query) {
    Clear();
    CRowStream rows(query);
    std::array<int, kTextFieldCount> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = rows.TextPosition(Of(query, kTextFields[i]));
    }
    std::array<int, kNumberFieldCount> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = rows.NumberPosition(Of(query, kNumberFields[i]));
    }
    const int partNumber = rows.TextPosition(Of(query, kPartNumberField));
    while (rows.Next()) {
        m_partNumbers.Append(rows.TextAt(partNumber));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            m_texts[i].Append(rows.TextAt(texts[i]));
        }
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            m_numbers[i].push_back(static_cast<float>(rows.NumberAt(numbers[i])));
        }
    }
    Finish();
}

void CCandidateList::Append(const Row& row) {
    m_partNumbers.Append(row.partNumber);
    for (std::size_t i = 0; i < row.texts.size(); ++i) {
        m_texts[i].Append(row.texts[i]);
    }
    for (std::size_t i = 0; i < row.numbers.size(); ++i) {
        m_numbers[i].push_back(row.numbers[i]);
    }
    TakeMinOPDValues();
}

void CCandidateList::Finish() {
    // The columns grew without knowing the count; what is held is what is used.
    m_partNumbers.ShrinkToFit();
    for (CTextColumn& column : m_texts) {
        column.ShrinkToFit();
    }
    for (std::vector<float>& column : m_numbers) {
        column.shrink_to_fit();
    }
    TakeMinOPDValues();
}

void CCandidateList::TakeMinOPDValues() {
    const CTextColumn& minOPD = m_texts[kMinOPD];
    for (auto id = static_cast<std::uint32_t>(m_minOPDValues.size()); id < minOPD.DistinctCount();
         ++id) {
        m_minOPDValues.push_back(ParseNumber(minOPD.Entry(id)));
    }
}

double CCandidateList::MinOPD(std::size_t row) const {
    return m_minOPDValues[m_texts[kMinOPD].IdAt(row)];
}

std::int64_t CCandidateList::Find(std::string_view partNumber) const {
    for (std::size_t row = 0; row < Size(); ++row) {
        if (m_partNumbers.At(row) == partNumber) {
            return static_cast<std::int64_t>(row);
        }
    }
    return -1;
}

std::size_t CCandidateList::BytesHeld() const {
    std::size_t bytes = m_partNumbers.BytesHeld() + m_minOPDValues.capacity() * sizeof(double);
    for (const CTextColumn& column : m_texts) {
        bytes += column.BytesHeld();
    }
    for (const std::vector<float>& column : m_numbers) {
        bytes += column.capacity() * sizeof(float);
    }
    return bytes;
}

}  // namespace veritom
