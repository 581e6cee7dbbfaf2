#pragma once

#include <cstdint>
#include <string>

namespace veritom {

class CArchive;

// One numbered message of a CVeritomMsgList.
class CVeritomMsgListObject {
public:
    CVeritomMsgListObject() = default;
    CVeritomMsgListObject(std::int32_t number, std::string text)
        : m_number(number), m_text(std::move(text)) {}

    std::int32_t GetNumber() const { return m_number; }
    const std::string& GetText() const { return m_text; }

    // The number as 4 bytes, then the text.
    void Serialize(CArchive& ar);

    bool operator==(const CVeritomMsgListObject&) const = default;

private:
    std::int32_t m_number = 0;
    std::string m_text;
};

}  // namespace veritom
