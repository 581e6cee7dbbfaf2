#pragma once

#include <string>

namespace veritom {

// Whoever owns the database supplies the current interface language; its code is part of
// the database file name, so each language has a file of its own.
class ILanguageSource {
public:
    virtual ~ILanguageSource() = default;
    virtual std::string GetLanguageCode() const = 0;
};

}  // namespace veritom
