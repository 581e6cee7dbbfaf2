#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/FieldValue.h"
#include "data/Snapshot.h"
#include "data/Statement.h"

namespace veritom {

class IDatabase;

// A stored query opened by name and prepared at once, so an unknown name or a statement
// the engine rejects fails here. Parameters are set by the bracketed names the program
// writes ("[parFuncLink]"); the query must declare exactly the ones its caller sets.
class IQueryDef {
public:
    explicit IQueryDef(IDatabase& db);
    virtual ~IQueryDef();
    IQueryDef(const IQueryDef&) = delete;
    IQueryDef& operator=(const IQueryDef&) = delete;

    // Raises CDaoException for an unknown name, a closed database or a statement error.
    void Open(const std::string& name);
    void Close();
    // False too once the database it was opened on has been closed.
    bool IsOpen() const;

    const std::string& GetName() const { return m_name; }
    const std::string& GetSQL() const { return m_sql; }
    IDatabase& GetDatabase() const { return m_db; }
    // The parameters the statement declares, written as the program writes them: "[parX]".
    std::vector<std::string> GetParameterNames() const;

    // Sets a declared parameter; one the statement does not declare raises CDaoException.
    void SetParamValue(const std::string& name, CFieldValue value);

    // Runs the statement with the parameters set so far and reads every row. A parameter
    // left unset raises CDaoException, as does an engine error while reading.
    CSnapshot Execute();

    // Binds the parameters set so far to the statement and hands it out for stepping
    // (CRowStream); a parameter left unset raises CDaoException. ResetStatement ends it.
    sqlite3_stmt* BindStatement();
    void ResetStatement();

    // The engine's name for a parameter the program writes "[par.X]": the brackets go (a
    // missing closing one too) and every character but a letter, digit or '_' becomes '_',
    // giving ":par_X".
    static std::string EngineParameterName(std::string_view written);

private:
    void RequireOpen() const;
    // 1-based index of the declared parameter, or 0.
    int ParameterIndex(const std::string& written) const;
    void Bind(int index, const CFieldValue& value);

    IDatabase& m_db;
    std::string m_name;
    std::string m_sql;
    StatementPtr m_statement;
    std::vector<std::optional<CFieldValue>> m_values;  // by parameter index - 1
};

}  // namespace veritom
