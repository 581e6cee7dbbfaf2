#include "TipProfileStore.h"

#include "base/ConfigStore.h"

namespace veritom {

namespace {

constexpr const char* kTipSection = "Profile\\Tip";

}  // namespace

std::optional<std::string> CTipProfileStore::Read(const std::string& entry) const {
    return m_store.ReadString(Hive::CurrentUser, kTipSection, entry);
}

bool CTipProfileStore::Write(const std::string& entry, const std::string& value) {
    return m_store.WriteString(Hive::CurrentUser, kTipSection, entry, value);
}

}  // namespace veritom
