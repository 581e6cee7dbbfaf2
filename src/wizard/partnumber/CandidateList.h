#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/QueryDecl.h"
#include "wizard/partnumber/PlainTextColumn.h"
#include "wizard/partnumber/TextColumn.h"

namespace veritom {

class CQuery;

// The candidate part numbers of one list query, kept column by column: the part numbers
// in one block, every other text once per distinct value, the numbers as the 32-bit floats
// the query gives. Rows keep the query's order; the display order is CCandidateSort's.
class CCandidateList {
public:
    enum TextField {
        kAcDc,
        kWattage,
        kConnectionSize,
        kBodyMaterial,
        kSealMaterial,
        kConnectionType,
        kActuation,
        kCoilClass,
        kApproval,
        kValveNumber,
        kSuffix,
        kMinOPD,
        kControlSignal,
        kOrifice,
        kTextFieldCount
    };
    enum NumberField {
        kFlowFactor,     // in the flow-factor kind chosen
        kMaxFluidTemp,   // DEG_F
        kMinFluidTemp,   // DEG_F
        kMaxInPressure,  // PSIG
        kMOPD,           // psi of differential
        kNumberFieldCount
    };

    // One row as the list query gives it.
    struct Row {
        std::string_view partNumber;
        std::array<std::string_view, kTextFieldCount> texts{};
        std::array<float, kNumberFieldCount> numbers{};
    };

    void Clear();
    // Reads every row of a list query (one of the five declared with the list fields).
    void Read(CQuery& query);
    void Append(const Row& row);

    std::size_t Size() const { return m_partNumbers.Size(); }
    std::string_view PartNumber(std::size_t row) const { return m_partNumbers.At(row); }
    std::string_view Text(TextField field, std::size_t row) const { return m_texts[field].At(row); }
    float Number(NumberField field, std::size_t row) const { return m_numbers[field][row]; }
    // The "MinOPD" text as a number (psi of differential); 0 when it is none.
    double MinOPD(std::size_t row) const;
    const CTextColumn& TextColumn(TextField field) const { return m_texts[field]; }
    // The row whose part number is text; -1 when none is.
    std::int64_t Find(std::string_view partNumber) const;
    std::size_t BytesHeld() const;

private:
    void Finish();
    void TakeMinOPDValues();

    CPlainTextColumn m_partNumbers;
    std::array<CTextColumn, kTextFieldCount> m_texts;
    std::array<std::vector<float>, kNumberFieldCount> m_numbers;
    std::vector<double> m_minOPDValues;  // by id of the MinOPD column
};

}  // namespace veritom
