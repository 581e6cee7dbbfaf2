#pragma once

#include <string>
#include <vector>

namespace veritom {

class IConfigStore;

// The most-recently-used selection files of the File menu, newest first, kept in the user's
// configuration store as "File1" to "FileN" under a key of the application.
class CRecentFileList {
public:
    explicit CRecentFileList(int capacity = 4);

    // Replaces the entries by those stored under keyPath; empty values are skipped.
    void Load(const IConfigStore& store, const std::string& keyPath);
    // Writes every slot, empty ones included, so a shortened list leaves no stale entry.
    bool Save(IConfigStore& store, const std::string& keyPath) const;

    // Puts path first; the same path further down moves up instead of appearing twice, and
    // the oldest entry falls off a full list.
    void Add(const std::string& path);
    void Remove(int index);

    const std::vector<std::string>& Entries() const { return m_entries; }
    int Capacity() const { return m_capacity; }

    // The menu text of entry index: "&1 name.mrv" (the folder is left out).
    static std::string MenuText(int index, const std::string& path);

private:
    int m_capacity;
    std::vector<std::string> m_entries;
};

}  // namespace veritom
