#pragma once

#include <string>

#include "app/IniSettings.h"
#include "base/ConfigStore.h"

namespace veritom {

// The configuration store read without Qt, for the command-line tool: the machine and user
// INI files the program keeps through QSettings, found at the same places and read with the
// same rules (key paths with '\' as nested groups, names matched without regard to letter
// case, subkeys in name order, a leading "~/" in a value meaning the home folder). Both files
// are read once, when the store is made. It never writes: every write returns false.
//
// A store file that cannot be read or has a damaged section line is reported once through the
// message seam, as the program reports it; what could be read is still used.
class CIniConfigStore : public IConfigStore {
public:
    // Both stores at their usual places; see DefaultMachineStorePath and DefaultUserStorePath.
    CIniConfigStore();
    CIniConfigStore(std::string machineStorePath, std::string userStorePath);

    // $VERITOM_MACHINE_STORE, else <exe dir>/../etc/veritom/machine.ini when that exists,
    // else /etc/veritom/machine.ini.
    static std::string DefaultMachineStorePath();
    // $VERITOM_USER_STORE, else veritom/user.ini in the user's configuration folder
    // ($XDG_CONFIG_HOME, else ~/.config).
    static std::string DefaultUserStorePath();

    const std::string& StorePath(Hive hive) const;
    // True when the file could not be read or parsed completely.
    bool IsDamaged(Hive hive) const;

    bool KeyExists(Hive hive, const std::string& keyPath) const override;
    std::vector<std::string> ValueNames(Hive hive, const std::string& keyPath) const override;
    std::vector<std::string> SubKeys(Hive hive, const std::string& keyPath) const override;
    std::optional<std::string> ReadString(Hive hive, const std::string& keyPath,
                                          const std::string& name) const override;
    bool WriteString(Hive hive, const std::string& keyPath, const std::string& name,
                     const std::string& value) override;
    // Profile entries live in the user store under "Profile\<section>".
    int ReadProfileInt(const std::string& section, const std::string& entry,
                       int defaultValue) const override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;

private:
    struct Store {
        std::string path;
        CIniSettings settings;
        bool damaged = false;
    };

    static Store Load(std::string path);
    const Store& StoreOf(Hive hive) const;
    // The stored group of a key path, matching each name without regard to case.
    std::optional<std::string> FindGroup(const CIniSettings& settings,
                                         const std::string& keyPath) const;

    Store m_machine;
    Store m_user;
};

}  // namespace veritom
