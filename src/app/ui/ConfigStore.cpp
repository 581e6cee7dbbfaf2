#include "app/ui/ConfigStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "app/AppStrings.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

const QString kProfileKey = QStringLiteral("Profile");

QStringList KeyNames(const QString& keyPath) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return keyPath.split(separators, Qt::SkipEmptyParts);
}

QString Join(const QString& group, const QString& name) {
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

std::optional<QString> MatchName(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) {
        return wanted;
    }
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ToStdStrings(const QStringList& names) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        out.push_back(name.toStdString());
    }
    return out;
}

QString ExpandHome(const QString& value) {
    if (value == QLatin1String("~") || value.startsWith(QLatin1String("~/"))) {
        return QDir::homePath() + value.mid(1);
    }
    return value;
}

// QSettings parses a file once per process and caches it, so only the first reader of a
// damaged file learns of the damage; every later store must learn it from here.
QSet<QString>& DamagedFiles() {
    static QSet<QString> files;
    return files;
}

QString ExecutableDir() {
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
    return QFileInfo(QStringLiteral("/proc/self/exe"))
        .canonicalFilePath()
        .section(QLatin1Char('/'), 0, -2);
}

}  // namespace

CConfigStore::CConfigStore() : CConfigStore(DefaultMachineStorePath(), DefaultUserStorePath()) {}

CConfigStore::CConfigStore(QString machineStorePath, QString userStorePath)
    : m_machinePath(std::move(machineStorePath)), m_userPath(std::move(userStorePath)) {
    CheckStore(Hive::LocalMachine);
    CheckStore(Hive::CurrentUser);
}

CConfigStore::~CConfigStore() = default;

QString CConfigStore::DefaultMachineStorePath() {
    if (const QString fromEnvironment = qEnvironmentVariable("VERITOM_MACHINE_STORE");
        !fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QString installed =
        QDir::cleanPath(ExecutableDir() + QStringLiteral("/../etc/veritom/machine.ini"));
    if (QFileInfo::exists(installed)) {
        return installed;
    }
    return QStringLiteral("/etc/veritom/machine.ini");
}

QString CConfigStore::DefaultUserStorePath() {
    if (const QString fromEnvironment = qEnvironmentVariable("VERITOM_USER_STORE");
        !fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/veritom/user.ini");
}

const QString& CConfigStore::StorePath(Hive hive) const {
    return hive == Hive::LocalMachine ? m_machinePath : m_userPath;
}

bool CConfigStore::IsDamaged(Hive hive) const {
    return hive == Hive::LocalMachine ? m_machineDamaged : m_userDamaged;
}

std::unique_ptr<QSettings> CConfigStore::Open(Hive hive) const {
    return std::make_unique<QSettings>(StorePath(hive), QSettings::IniFormat);
}

void CConfigStore::CheckStore(Hive hive) {
    QSettings::Status status = Open(hive)->status();
    const QString file = QFileInfo(StorePath(hive)).absoluteFilePath();
    if (status == QSettings::FormatError) {
        DamagedFiles().insert(file);
    } else if (status == QSettings::NoError && DamagedFiles().contains(file)) {
        status = QSettings::FormatError;
    }
    if (status == QSettings::NoError) {
        return;
    }
    (hive == Hive::LocalMachine ? m_machineDamaged : m_userDamaged) = true;
    const int message =
        status == QSettings::FormatError ? ids::kConfigStoreDamaged : ids::kConfigStoreUnreadable;
    MessageBox(Format(LoadString(message), StorePath(hive).toStdString()), MsgButtons::Ok,
               MsgIcon::Warning);
}

QStringList CConfigStore::ChildGroups(QSettings& settings, const QString& group) const {
    settings.beginGroup(group);
    QStringList groups = settings.childGroups();
    settings.endGroup();
    return groups;
}

QStringList CConfigStore::ChildKeys(QSettings& settings, const QString& group) const {
    settings.beginGroup(group);
    QStringList keys = settings.childKeys();
    settings.endGroup();
    return keys;
}

std::optional<QString> CConfigStore::FindGroup(QSettings& settings, const QString& keyPath) const {
    QString group;
    for (const QString& name : KeyNames(keyPath)) {
        const std::optional<QString> stored = MatchName(ChildGroups(settings, group), name);
        if (!stored) {
            return std::nullopt;
        }
        group = Join(group, *stored);
    }
    return group;
}

QString CConfigStore::GroupForWriting(QSettings& settings, const QString& keyPath) const {
    QString group;
    bool stored = true;
    for (const QString& name : KeyNames(keyPath)) {
        std::optional<QString> storedName;
        if (stored) {
            storedName = MatchName(ChildGroups(settings, group), name);
            stored = storedName.has_value();
        }
        group = Join(group, storedName.value_or(name));
    }
    return group;
}

std::optional<QString> CConfigStore::FindValueKey(QSettings& settings, const QString& keyPath,
                                                  const QString& name) const {
    const std::optional<QString> group = FindGroup(settings, keyPath);
    if (!group) {
        return std::nullopt;
    }
    const std::optional<QString> key = MatchName(ChildKeys(settings, *group), name);
    if (!key) {
        return std::nullopt;
    }
    return Join(*group, *key);
}

bool CConfigStore::KeyExists(Hive hive, const std::string& keyPath) const {
    return FindGroup(*Open(hive), QString::fromStdString(keyPath)).has_value();
}

std::vector<std::string> CConfigStore::ValueNames(Hive hive, const std::string& keyPath) const {
    const auto settings = Open(hive);
    const std::optional<QString> group = FindGroup(*settings, QString::fromStdString(keyPath));
    return group ? ToStdStrings(ChildKeys(*settings, *group)) : std::vector<std::string>{};
}

std::vector<std::string> CConfigStore::SubKeys(Hive hive, const std::string& keyPath) const {
    const auto settings = Open(hive);
    const std::optional<QString> group = FindGroup(*settings, QString::fromStdString(keyPath));
    if (!group) {
        return {};
    }
    QStringList names = ChildGroups(*settings, *group);
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return ToStdStrings(names);
}

std::optional<std::string> CConfigStore::ReadString(Hive hive, const std::string& keyPath,
                                                    const std::string& name) const {
    const auto settings = Open(hive);
    const std::optional<QString> key =
        FindValueKey(*settings, QString::fromStdString(keyPath), QString::fromStdString(name));
    if (!key) {
        return std::nullopt;
    }
    const QVariant value = settings->value(*key);
    // An unquoted value with commas comes back as a list; the text had ", " between items.
    const QString text = value.typeId() == QMetaType::QStringList
                             ? value.toStringList().join(QStringLiteral(", "))
                             : value.toString();
    return ExpandHome(text).toStdString();
}

bool CConfigStore::WriteString(Hive hive, const std::string& keyPath, const std::string& name,
                               const std::string& value) {
    if (IsDamaged(hive)) {
        return false;
    }
    const auto settings = Open(hive);
    if (settings->status() != QSettings::NoError) {
        return false;
    }
    const QString group = GroupForWriting(*settings, QString::fromStdString(keyPath));
    const QString wanted = QString::fromStdString(name);
    const QString key = MatchName(ChildKeys(*settings, group), wanted).value_or(wanted);
    settings->setValue(Join(group, key), QString::fromStdString(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

int CConfigStore::ReadProfileInt(const std::string& section, const std::string& entry,
                                 int defaultValue) const {
    const std::optional<std::string> text =
        ReadString(Hive::CurrentUser, kProfileKey.toStdString() + '\\' + section, entry);
    if (!text) {
        return defaultValue;
    }
    bool ok = false;
    const int value = QString::fromStdString(*text).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool CConfigStore::WriteProfileInt(const std::string& section, const std::string& entry,
                                   int value) {
    return WriteString(Hive::CurrentUser, kProfileKey.toStdString() + '\\' + section, entry,
                       std::to_string(value));
}

}  // namespace veritom
