#pragma once

#include <optional>
#include <string>

namespace veritom {

// The "Tip" section of the application's profile: "StartUp" (0 or missing: show tips at
// start-up), "FilePos" (where the next tip starts) and "TimeStamp" (the modification time of
// the tips file those positions belong to). Values are kept as text.
class ITipProfile {
public:
    virtual ~ITipProfile() = default;
    virtual std::optional<std::string> Read(const std::string& entry) const = 0;
    virtual bool Write(const std::string& entry, const std::string& value) = 0;
};

}  // namespace veritom
