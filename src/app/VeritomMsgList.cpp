#include "VeritomMsgList.h"

#include <algorithm>

#include "base/Archive.h"

namespace veritom {

bool CVeritomMsgList::AddMessage(std::int32_t number, const std::string& text) {
    if (HasMessage(number)) {
        return false;
    }
    m_entries.emplace_back(number, text);
    return true;
}

bool CVeritomMsgList::HasMessage(std::int32_t number) const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [number](const auto& entry) { return entry.GetNumber() == number; });
}

std::vector<std::string> CVeritomMsgList::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(m_entries.size());
    for (const auto& entry : m_entries) {
        texts.push_back(entry.GetText());
    }
    return texts;
}

void CVeritomMsgList::CopyFrom(const CVeritomMsgList& other) {
    if (&other != this) {
        m_entries = other.m_entries;
    }
}

void CVeritomMsgList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        auto count = static_cast<std::uint32_t>(m_entries.size());
        ar.TransferCount(count);
        for (auto& entry : m_entries) {
            entry.Serialize(ar);
        }
        return;
    }
    std::uint32_t count = 0;
    ar.TransferCount(count);
    std::vector<CVeritomMsgListObject> loaded;
    for (std::uint32_t i = 0; i < count && !ar.Failed(); ++i) {
        CVeritomMsgListObject entry;
        entry.Serialize(ar);
        loaded.push_back(std::move(entry));
    }
    if (!ar.Failed()) {
        m_entries.insert(m_entries.end(), loaded.begin(), loaded.end());
    }
}

}  // namespace veritom
