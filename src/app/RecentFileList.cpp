#include "RecentFileList.h"

#include <algorithm>

#include "base/ConfigStore.h"

namespace veritom {

namespace {

std::string SlotName(int index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

CRecentFileList::CRecentFileList(int capacity) : m_capacity(std::max(capacity, 1)) {}

void CRecentFileList::Load(const IConfigStore& store, const std::string& keyPath) {
    m_entries.clear();
    for (int i = 0; i < m_capacity; ++i) {
        const auto value = store.ReadString(Hive::CurrentUser, keyPath, SlotName(i));
        if (value && !value->empty() &&
            std::find(m_entries.begin(), m_entries.end(), *value) == m_entries.end()) {
            m_entries.push_back(*value);
        }
    }
}

bool CRecentFileList::Save(IConfigStore& store, const std::string& keyPath) const {
    bool saved = true;
    for (int i = 0; i < m_capacity; ++i) {
        const std::string value =
            i < static_cast<int>(m_entries.size()) ? m_entries[static_cast<std::size_t>(i)] : "";
        saved = store.WriteString(Hive::CurrentUser, keyPath, SlotName(i), value) && saved;
    }
    return saved;
}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (static_cast<int>(m_entries.size()) > m_capacity) {
        m_entries.resize(static_cast<std::size_t>(m_capacity));
    }
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < static_cast<int>(m_entries.size())) {
        m_entries.erase(m_entries.begin() + index);
    }
}

std::string CRecentFileList::MenuText(int index, const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string escaped;
    for (char c : name) {
        escaped += c;
        if (c == '&') {
            escaped += '&';  // a literal ampersand, not a mnemonic
        }
    }
    return "&" + std::to_string(index + 1) + " " + escaped;
}

}  // namespace veritom
