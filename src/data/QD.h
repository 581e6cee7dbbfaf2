#pragma once

#include <cstdint>
#include <string>

#include "data/QueryDef.h"

namespace veritom {

// The stored query as callers use it: opened at construction when a name is given, closed
// when it goes, with the typed parameter setters. Key values travel as text even when
// numeric; the engine converts them to the compared column's type.
class QD : public IQueryDef {
public:
    explicit QD(IDatabase& db, const std::string& name = "");
    ~QD() override;

    void SetParam(const std::string& name, const char* value);
    void SetParam(const std::string& name, const std::string& value);
    void SetParam(const std::string& name, std::int16_t value);
    void SetParam(const std::string& name, float value);
    // Message numbers.
    void SetParam(const std::string& name, std::int32_t value);
    // Numbers cross as 32-bit floats: a double must be narrowed on purpose.
    void SetParam(const std::string& name, double value) = delete;
};

}  // namespace veritom
