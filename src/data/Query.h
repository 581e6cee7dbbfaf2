#pragma once

#include <cstdint>
#include <string>

#include "data/QueryDecl.h"
#include "data/QueryDef.h"

namespace veritom {

// A declared stored query, opened by its name: parameters are set through the declaration's
// handles, so a caller can set only what the declaration holds, in its kind. Open it with
// IRecordset::Open to read the declared fields by handle.
class CQuery : public IQueryDef {
public:
    template <std::size_t P, std::size_t F>
    CQuery(IDatabase& db, const CQueryDecl<P, F>& declaration) : CQuery(db, declaration.Info()) {}
    CQuery(IDatabase& db, const CQueryInfo& info);
    ~CQuery() override;

    void Set(ParamRef param, const std::string& value);
    void Set(ParamRef param, const char* value);
    void Set(ParamRef param, std::int16_t value);
    void Set(ParamRef param, std::int32_t value);
    void Set(ParamRef param, float value);
    // Numbers cross as 32-bit floats: a double must be narrowed on purpose.
    void Set(ParamRef param, double value) = delete;

    const CQueryInfo& Info() const { return m_info; }

private:
    void SetChecked(ParamRef param, ParamKind kind, CFieldValue value);

    CQueryInfo m_info;
};

}  // namespace veritom
