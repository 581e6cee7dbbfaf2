#include "data/QD.h"

namespace veritom {

QD::QD(IDatabase& db, const std::string& name) : IQueryDef(db) {
    if (!name.empty()) {
        Open(name);
    }
}

QD::~QD() {
    Close();
}

void QD::SetParam(const std::string& name, const char* value) {
    SetParamValue(name, CFieldValue::Text(value ? value : ""));
}

void QD::SetParam(const std::string& name, const std::string& value) {
    SetParamValue(name, CFieldValue::Text(value));
}

void QD::SetParam(const std::string& name, std::int16_t value) {
    SetParamValue(name, CFieldValue::Int16(value));
}

void QD::SetParam(const std::string& name, float value) {
    SetParamValue(name, CFieldValue::Float32(value));
}

void QD::SetParam(const std::string& name, std::int32_t value) {
    SetParamValue(name, CFieldValue::Int32(value));
}

}  // namespace veritom
