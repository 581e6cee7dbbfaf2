#include "wizard/partnumber/CandidateSort.h"

#include <algorithm>
#include <numeric>

#include "wizard/partnumber/CandidateList.h"

namespace veritom {

namespace {

template <typename T>
int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareText(const CCandidateList& list, CCandidateList::TextField field, std::uint32_t a,
                std::uint32_t b) {
    const CTextColumn& column = list.TextColumn(field);
    return Order(column.RankAt(a), column.RankAt(b));
}

int CompareNumber(const CCandidateList& list, CCandidateList::NumberField field, std::uint32_t a,
                  std::uint32_t b) {
    return Order(list.Number(field, a), list.Number(field, b));
}

}  // namespace

void CCandidateSort::Reset(std::size_t rows) {
    m_order.resize(rows);
    std::iota(m_order.begin(), m_order.end(), 0u);
    m_order.shrink_to_fit();
    std::fill(m_directions.begin(), m_directions.end(), 0);
    m_last = {};
}

std::int64_t CCandidateSort::DisplayRowOf(std::uint32_t row) const {
    const auto found = std::find(m_order.begin(), m_order.end(), row);
    return found == m_order.end() ? -1 : found - m_order.begin();
}

int CCandidateSort::DirectionOf(int column) const {
    return CColumnTable::IsColumn(column) ? m_directions[static_cast<std::size_t>(column)] : 0;
}

bool CCandidateSort::IsAscending(int column, int direction) {
    // The first comparator (direction 1) sorts ascending, but for "Min OPD" it is the
    // other way round.
    return (direction == 1) != (column == CColumnTable::kMinOPD);
}

int CCandidateSort::Compare(const CCandidateList& list, int column, std::uint32_t a,
                            std::uint32_t b) {
    using L = CCandidateList;
    switch (column) {
        case CColumnTable::kPartNumber:
            return Order(list.PartNumber(a), list.PartNumber(b));
        case CColumnTable::kBodyMaterial:
            return CompareText(list, L::kBodyMaterial, a, b);
        case CColumnTable::kPort:
            return CompareText(list, L::kConnectionSize, a, b);
        case CColumnTable::kConnection:
            return CompareText(list, L::kConnectionType, a, b);
        case CColumnTable::kOrifice:
            return CompareText(list, L::kOrifice, a, b);
        case CColumnTable::kMaxInPressure:
            return CompareNumber(list, L::kMaxInPressure, a, b);
        case CColumnTable::kMinOPD:
            return Order(list.MinOPD(a), list.MinOPD(b));
        case CColumnTable::kMOPD:
            return CompareNumber(list, L::kMOPD, a, b);
        case CColumnTable::kFlowFactor:
            return CompareNumber(list, L::kFlowFactor, a, b);
        case CColumnTable::kMaxFluidTemp:
            return CompareNumber(list, L::kMaxFluidTemp, a, b);
        case CColumnTable::kSealMaterial:
            return CompareText(list, L::kSealMaterial, a, b);
        case CColumnTable::kActuation:
            return CompareText(list, L::kActuation, a, b);
        case CColumnTable::kAcDc:
            return CompareText(list, L::kAcDc, a, b);
        case CColumnTable::kWattage:
            return CompareText(list, L::kWattage, a, b);
        case CColumnTable::kCoilClass:
            return CompareText(list, L::kCoilClass, a, b);
        case CColumnTable::kApproval:
            return CompareText(list, L::kApproval, a, b);
        case CColumnTable::kControlSignal:
            return CompareText(list, L::kControlSignal, a, b);
        case CColumnTable::kMinFluidTemp:
            return CompareNumber(list, L::kMinFluidTemp, a, b);
        default:
            return 0;
    }
}

void CCandidateSort::Sort(const CCandidateList& list, int column) {
    if (!CColumnTable::IsColumn(column) || m_order.empty()) {
        return;
    }
    int& direction = m_directions[static_cast<std::size_t>(column)];
    const Key key{column, direction};
    if (column != m_last.column) {
        m_history = m_last;
    }
    m_last = key;
    Apply(list, key);
    direction = 1 - direction;
}

void CCandidateSort::Restore(const CCandidateList& list, Key last, Key history) {
    if (!CColumnTable::IsColumn(last.column) || m_order.empty()) {
        return;
    }
    m_history =
        CColumnTable::IsColumn(history.column) && history.column != last.column ? history : Key{};
    m_last = last;
    Apply(list, last);
    m_directions[static_cast<std::size_t>(last.column)] = 1 - last.direction;
}

void CCandidateSort::SortAscending(const CCandidateList& list, int column, bool ascending) {
    if (!CColumnTable::IsColumn(column)) {
        return;
    }
    m_directions[static_cast<std::size_t>(column)] = IsAscending(column, 1) == ascending ? 1 : 0;
    Sort(list, column);
}

void CCandidateSort::Apply(const CCandidateList& list, Key key) {
    const int sign = IsAscending(key.column, key.direction) ? 1 : -1;
    const bool fallBack = key.column != CColumnTable::kPartNumber && m_history.column >= 0;
    const int historySign = IsAscending(m_history.column, m_history.direction) ? 1 : -1;
    const int historyColumn = m_history.column;
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int order = Compare(list, key.column, a, b);
        if (order != 0) {
            return sign * order < 0;
        }
        return fallBack && historySign * Compare(list, historyColumn, a, b) < 0;
    });
}

}  // namespace veritom
