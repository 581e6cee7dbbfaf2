#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/ConfigStore.h"

namespace veritom::test {

// A configuration store in memory: values keep the order they were written in, subkeys are
// listed in name order, and writes can be made to fail.
class MemoryConfigStore : public IConfigStore {
public:
    void Set(Hive hive, const std::string& key, const std::string& name, const std::string& value) {
        auto& values = m_keys[{hive, key}];
        for (auto& entry : values) {
            if (entry.first == name) {
                entry.second = value;
                return;
            }
        }
        values.emplace_back(name, value);
    }
    void CreateKey(Hive hive, const std::string& key) { m_keys[{hive, key}]; }

    bool KeyExists(Hive hive, const std::string& keyPath) const override {
        if (m_keys.count({hive, keyPath})) {
            return true;
        }
        const std::string prefix = keyPath + "\\";
        return std::any_of(m_keys.begin(), m_keys.end(), [&](const auto& entry) {
            return entry.first.first == hive && entry.first.second.rfind(prefix, 0) == 0;
        });
    }
    std::vector<std::string> ValueNames(Hive hive, const std::string& keyPath) const override {
        std::vector<std::string> names;
        if (auto it = m_keys.find({hive, keyPath}); it != m_keys.end()) {
            for (const auto& entry : it->second) {
                names.push_back(entry.first);
            }
        }
        return names;
    }
    std::vector<std::string> SubKeys(Hive hive, const std::string& keyPath) const override {
        std::set<std::string> names;
        const std::string prefix = keyPath + "\\";
        for (const auto& entry : m_keys) {
            const std::string& key = entry.first.second;
            if (entry.first.first == hive && key.rfind(prefix, 0) == 0) {
                const std::string rest = key.substr(prefix.size());
                names.insert(rest.substr(0, rest.find('\\')));
            }
        }
        return {names.begin(), names.end()};
    }
    std::optional<std::string> ReadString(Hive hive, const std::string& keyPath,
                                          const std::string& name) const override {
        if (auto it = m_keys.find({hive, keyPath}); it != m_keys.end()) {
            for (const auto& entry : it->second) {
                if (entry.first == name) {
                    return entry.second;
                }
            }
        }
        return std::nullopt;
    }
    bool WriteString(Hive hive, const std::string& keyPath, const std::string& name,
                     const std::string& value) override {
        if (failWrites) {
            return false;
        }
        Set(hive, keyPath, name, value);
        return true;
    }
    int ReadProfileInt(const std::string& section, const std::string& entry,
                       int defaultValue) const override {
        auto it = m_profile.find({section, entry});
        return it == m_profile.end() ? defaultValue : it->second;
    }
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override {
        m_profile[{section, entry}] = value;
        return true;
    }

    bool failWrites = false;

private:
    std::map<std::pair<Hive, std::string>, std::vector<std::pair<std::string, std::string>>> m_keys;
    std::map<std::pair<std::string, std::string>, int> m_profile;
};

}  // namespace veritom::test
