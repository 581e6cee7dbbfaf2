#include "IniConfigStore.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/AppStrings.h"
#include "base/FileIo.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

// Far more than any store holds; a longer file is not read at all.
constexpr std::size_t kMaxStoreSize = 16 * 1024 * 1024;
const std::string kProfileKey = "Profile";

std::vector<std::string> KeyNames(const std::string& keyPath) {
    std::vector<std::string> names;
    std::string name;
    for (const char c : keyPath + '\\') {
        if (c != '\\' && c != '/') {
            name += c;
        } else if (!name.empty()) {
            names.push_back(std::move(name));
            name.clear();
        }
    }
    return names;
}

std::string Join(const std::string& group, const std::string& name) {
    return group.empty() ? name : group + '/' + name;
}

std::optional<std::string> MatchName(const std::vector<std::string>& names,
                                     const std::string& wanted) {
    if (std::find(names.begin(), names.end(), wanted) != names.end()) {
        return wanted;
    }
    for (const std::string& name : names) {
        if (CompareIgnoringCase(name, wanted) == 0) {
            return name;
        }
    }
    return std::nullopt;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Without "." and ".." steps, doubled slashes or a trailing slash, as Qt cleans paths.
std::string CleanPath(const std::string& path) {
    std::string clean = std::filesystem::path(path).lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/') {
        clean.pop_back();
    }
    return clean;
}

std::string HomePath() {
    const std::string home = Environment("HOME");
    return CleanPath(home.empty() ? "/" : home);
}

std::string ExpandHome(const std::string& value) {
    if (value == "~" || value.rfind("~/", 0) == 0) {
        return HomePath() + value.substr(1);
    }
    return value;
}

std::string ExecutableDir() {
    std::error_code error;
    return std::filesystem::canonical("/proc/self/exe", error).parent_path().string();
}

std::string_view TrimmedText(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A whole decimal number with an optional sign, as QString::toInt reads one.
std::optional<int> ParseInt(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

CIniConfigStore::CIniConfigStore()
    : CIniConfigStore(DefaultMachineStorePath(), DefaultUserStorePath()) {}

CIniConfigStore::CIniConfigStore(std::string machineStorePath, std::string userStorePath)
    : m_machine(Load(std::move(machineStorePath))), m_user(Load(std::move(userStorePath))) {}

std::string CIniConfigStore::DefaultMachineStorePath() {
    if (std::string fromEnvironment = Environment("VERITOM_MACHINE_STORE");
        !fromEnvironment.empty()) {
        return fromEnvironment;
    }
    const std::string installed = CleanPath(ExecutableDir() + "/../etc/veritom/machine.ini");
    std::error_code error;
    if (std::filesystem::exists(installed, error)) {
        return installed;
    }
    return "/etc/veritom/machine.ini";
}

std::string CIniConfigStore::DefaultUserStorePath() {
    if (std::string fromEnvironment = Environment("VERITOM_USER_STORE"); !fromEnvironment.empty()) {
        return fromEnvironment;
    }
    std::string configHome = Environment("XDG_CONFIG_HOME");
    if (configHome.empty()) {
        configHome = HomePath() + "/.config";
    }
    return configHome + "/veritom/user.ini";
}

CIniConfigStore::Store CIniConfigStore::Load(std::string path) {
    Store store;
    store.path = std::move(path);
    std::vector<std::uint8_t> bytes;
    const FileResult read = ReadFileBytes(store.path, bytes, kMaxStoreSize);
    if (read.error == FileError::NotFound) {
        return store;  // a store not written yet is an empty one
    }
    int message = ids::kConfigStoreUnreadable;
    if (read.Ok()) {
        store.settings = CIniSettings::Parse(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        if (store.settings.FormatOk()) {
            return store;
        }
        message = ids::kConfigStoreDamaged;
    }
    store.damaged = true;
    MessageBox(Format(LoadString(message), store.path), MsgButtons::Ok, MsgIcon::Warning);
    return store;
}

const CIniConfigStore::Store& CIniConfigStore::StoreOf(Hive hive) const {
    return hive == Hive::LocalMachine ? m_machine : m_user;
}

const std::string& CIniConfigStore::StorePath(Hive hive) const {
    return StoreOf(hive).path;
}

bool CIniConfigStore::IsDamaged(Hive hive) const {
    return StoreOf(hive).damaged;
}

std::optional<std::string> CIniConfigStore::FindGroup(const CIniSettings& settings,
                                                      const std::string& keyPath) const {
    std::string group;
    for (const std::string& name : KeyNames(keyPath)) {
        const std::optional<std::string> stored = MatchName(settings.ChildGroups(group), name);
        if (!stored) {
            return std::nullopt;
        }
        group = Join(group, *stored);
    }
    return group;
}

bool CIniConfigStore::KeyExists(Hive hive, const std::string& keyPath) const {
    return FindGroup(StoreOf(hive).settings, keyPath).has_value();
}

std::vector<std::string> CIniConfigStore::ValueNames(Hive hive, const std::string& keyPath) const {
    const CIniSettings& settings = StoreOf(hive).settings;
    const std::optional<std::string> group = FindGroup(settings, keyPath);
    return group ? settings.ChildKeys(*group) : std::vector<std::string>{};
}

std::vector<std::string> CIniConfigStore::SubKeys(Hive hive, const std::string& keyPath) const {
    const CIniSettings& settings = StoreOf(hive).settings;
    const std::optional<std::string> group = FindGroup(settings, keyPath);
    if (!group) {
        return {};
    }
    std::vector<std::string> names = settings.ChildGroups(*group);
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareIgnoringCase(a, b) < 0;
    });
    return names;
}

std::optional<std::string> CIniConfigStore::ReadString(Hive hive, const std::string& keyPath,
                                                       const std::string& name) const {
    const CIniSettings& settings = StoreOf(hive).settings;
    const std::optional<std::string> group = FindGroup(settings, keyPath);
    if (!group) {
        return std::nullopt;
    }
    const std::optional<std::string> key = MatchName(settings.ChildKeys(*group), name);
    if (!key) {
        return std::nullopt;
    }
    const std::optional<std::string> text = settings.Text(Join(*group, *key));
    return text ? std::optional(ExpandHome(*text)) : std::nullopt;
}

bool CIniConfigStore::WriteString(Hive, const std::string&, const std::string&,
                                  const std::string&) {
    return false;
}

int CIniConfigStore::ReadProfileInt(const std::string& section, const std::string& entry,
                                    int defaultValue) const {
    const std::optional<std::string> text =
        ReadString(Hive::CurrentUser, kProfileKey + '\\' + section, entry);
    if (!text) {
        return defaultValue;
    }
    return ParseInt(TrimmedText(*text)).value_or(defaultValue);
}

bool CIniConfigStore::WriteProfileInt(const std::string&, const std::string&, int) {
    return false;
}

}  // namespace veritom
