#pragma once

#include "tools/startup/TipProfile.h"

namespace veritom {

class IConfigStore;

// The "Tip" section of the application profile in the configuration store: the user's
// profile entries, kept where the store keeps every profile section ("Profile\Tip").
class CTipProfileStore : public ITipProfile {
public:
    explicit CTipProfileStore(IConfigStore& store) : m_store(store) {}

    std::optional<std::string> Read(const std::string& entry) const override;
    bool Write(const std::string& entry, const std::string& value) override;

private:
    IConfigStore& m_store;
};

}  // namespace veritom
