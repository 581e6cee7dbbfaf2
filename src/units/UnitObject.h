#pragma once

namespace veritom {

// One entry of the unit catalogue: how a unit relates to the base unit of its category.
class CUnitObject {
public:
    constexpr CUnitObject(double factor, double offset, int textId, int categoryId)
        : m_factor(factor), m_offset(offset), m_textId(textId), m_categoryId(categoryId) {}

    // Base units of the category in one unit.
    constexpr double Factor() const { return m_factor; }
    // Base units added after multiplying (temperatures and gauge pressure only).
    constexpr double Offset() const { return m_offset; }
    // String id of the display text.
    constexpr int TextId() const { return m_textId; }
    // String id of the category name.
    constexpr int CategoryId() const { return m_categoryId; }

    constexpr bool IsCompatibleWith(const CUnitObject& other) const {
        return m_categoryId == other.m_categoryId;
    }
    constexpr double ToBase(double value) const { return value * m_factor + m_offset; }
    constexpr double FromBase(double base) const { return (base - m_offset) / m_factor; }
    // A difference between two values of the unit: their offsets cancel, so only the factor
    // counts.
    constexpr double DifferenceToBase(double difference) const { return difference * m_factor; }
    constexpr double DifferenceFromBase(double base) const { return base / m_factor; }

private:
    double m_factor;
    double m_offset;
    int m_textId;
    int m_categoryId;
};

}  // namespace veritom
