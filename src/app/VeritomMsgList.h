#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/VeritomMsgListObject.h"

namespace veritom {

class CArchive;

// A list of numbered messages, each number at most once, kept in the order added.
class CVeritomMsgList {
public:
    // Adds the message unless one with that number is already listed; true when added.
    bool AddMessage(std::int32_t number, const std::string& text);
    bool HasMessage(std::int32_t number) const;
    // The texts from the head of the list.
    std::vector<std::string> Texts() const;
    const std::vector<CVeritomMsgListObject>& Entries() const { return m_entries; }
    std::size_t GetCount() const { return m_entries.size(); }
    void CopyFrom(const CVeritomMsgList& other);
    void RemoveAll() { m_entries.clear(); }

    // The element count, then every entry's own form in list order. Loading appends; a
    // damaged stream leaves the list as it was.
    void Serialize(CArchive& ar);

private:
    std::vector<CVeritomMsgListObject> m_entries;
};

}  // namespace veritom
