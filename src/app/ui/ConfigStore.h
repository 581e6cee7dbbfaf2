#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "base/ConfigStore.h"

class QSettings;

namespace veritom {

// The registry-like configuration store over two INI files read and written with QSettings:
// the machine store (LocalMachine) and the user store (CurrentUser). A key path such as
// "Software\Veldor Kastrel\Veritom" becomes the QSettings group "Software/Veldor Kastrel/Veritom".
// As in the registry, key and value names match without regard to letter case, and a
// missing key or value reads as missing, never as an error.
//
// A store file that cannot be read or parsed is reported once through the message seam;
// what could be read is still used, but nothing is ever written to it, so a hand-edited
// file with a typo is not overwritten with the part QSettings understood.
//
// A string value beginning with "~/" names a path under the user's home folder, so that a
// machine-wide file can point each user at a folder of their own.
class CConfigStore : public IConfigStore {
public:
    // Both stores at their usual places; see DefaultMachineStorePath and DefaultUserStorePath.
    CConfigStore();
    CConfigStore(QString machineStorePath, QString userStorePath);
    ~CConfigStore() override;

    // $VERITOM_MACHINE_STORE, else <exe dir>/../etc/veritom/machine.ini when that exists,
    // else /etc/veritom/machine.ini.
    static QString DefaultMachineStorePath();
    // $VERITOM_USER_STORE, else veritom/user.ini in the user's configuration folder.
    static QString DefaultUserStorePath();

    const QString& StorePath(Hive hive) const;
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
    std::unique_ptr<QSettings> Open(Hive hive) const;
    void CheckStore(Hive hive);
    // The stored group of a key path, matching each name without regard to case.
    std::optional<QString> FindGroup(QSettings& settings, const QString& keyPath) const;
    // Like FindGroup, but names not stored yet are taken as given.
    QString GroupForWriting(QSettings& settings, const QString& keyPath) const;
    QStringList ChildGroups(QSettings& settings, const QString& group) const;
    QStringList ChildKeys(QSettings& settings, const QString& group) const;
    std::optional<QString> FindValueKey(QSettings& settings, const QString& keyPath,
                                        const QString& name) const;

    QString m_machinePath;
    QString m_userPath;
    bool m_machineDamaged = false;
    bool m_userDamaged = false;
};

}  // namespace veritom
