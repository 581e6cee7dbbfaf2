#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veritom {

enum class Hive { LocalMachine, CurrentUser };

// The per-machine and per-user configuration store, addressed like the registry: a key
// path with '\' separators and named values. The GUI supplies it over INI files; tests
// supply an in-memory one.
class IConfigStore {
public:
    virtual ~IConfigStore() = default;
    virtual bool KeyExists(Hive hive, const std::string& keyPath) const = 0;
    // Value names of a key, in the store's order.
    virtual std::vector<std::string> ValueNames(Hive hive, const std::string& keyPath) const = 0;
    // Subkey names of a key, in name order.
    virtual std::vector<std::string> SubKeys(Hive hive, const std::string& keyPath) const = 0;
    virtual std::optional<std::string> ReadString(Hive hive, const std::string& keyPath,
                                                  const std::string& name) const = 0;
    // Creates the key when needed; false when the store cannot be written.
    virtual bool WriteString(Hive hive, const std::string& keyPath, const std::string& name,
                             const std::string& value) = 0;
    // The application's profile (outside the registry key), e.g. "SelectionCompleted"/"Show".
    virtual int ReadProfileInt(const std::string& section, const std::string& entry,
                               int defaultValue) const = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& entry,
                                 int value) = 0;
};

}  // namespace veritom
