#pragma once

#include <string>
#include <utility>

#include "base/Archive.h"
#include "units/ReportMap.h"

namespace veritom {

// A value that carries the key name under which the report and the selection file know it.
// Assignment from another named value never wipes a name: an empty-named source passes on
// its value only, so a record copied from a partial record keeps its keys.
template <typename T>
class CNamedValue {
public:
    CNamedValue() = default;
    explicit CNamedValue(T value) : m_value(std::move(value)) {}
    CNamedValue(const CNamedValue&) = default;

    CNamedValue& operator=(const CNamedValue& other) {
        m_value = other.m_value;
        if (!other.m_name.empty()) {
            m_name = other.m_name;
        }
        return *this;
    }
    CNamedValue& operator=(const T& value) {
        m_value = value;
        return *this;
    }

    void Set(std::string name, T value) {
        m_name = std::move(name);
        m_value = std::move(value);
    }
    void Reset() {
        m_name.clear();
        m_value = T{};
    }

    const T& Value() const { return m_value; }
    const std::string& Name() const { return m_name; }

    // Value first, then name.
    void Serialize(CArchive& ar) {
        ar.Transfer(m_value);
        ar.Transfer(m_name);
    }

protected:
    void StoreInReportMap(CReportMap& map, std::string text) const {
        if (!m_name.empty()) {
            map[m_name] = {std::move(text)};
        }
    }

private:
    T m_value{};
    std::string m_name;
};

}  // namespace veritom
