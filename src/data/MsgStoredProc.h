#pragma once

#include <cstdint>
#include <string>

namespace veritom {

class IDatabase;

// The message catalogue by identifier: texts stored in the database under a text key
// ("qMsgStr") or a number ("qMsgInt").
class CIMsgStoredProc {
public:
    explicit CIMsgStoredProc(IDatabase& db);
    virtual ~CIMsgStoredProc();
    CIMsgStoredProc(const CIMsgStoredProc&) = delete;
    CIMsgStoredProc& operator=(const CIMsgStoredProc&) = delete;

    // The stored text, or "Message not found: <id>".
    std::string GetMessage(const std::string& id);
    std::string GetMessage(std::int32_t number);

private:
    IDatabase& m_db;
};

}  // namespace veritom
