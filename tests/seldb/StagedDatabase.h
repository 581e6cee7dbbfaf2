#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "data/Database.h"
#include "data/FieldValue.h"
#include "data/LanguageSource.h"

namespace veritom {
class QD;
}

namespace veritom::test {

// The selection database the build staged for one language, opened read-only through the
// data access layer, as the program opens it.
class CStagedDatabase : public ILanguageSource {
public:
    explicit CStagedDatabase(std::string language);

    static std::string Directory();
    static bool Exists(const std::string& language);

    std::string GetLanguageCode() const override { return m_language; }
    IDatabase& Db() { return m_db; }
    bool IsOpen() const { return m_db.IsOpen(); }

private:
    std::string m_language;
    IDatabase m_db;
};

// A parameter value in one of the forms the program sets: text, 16-bit flag, 32-bit float,
// 32-bit message number.
using ParamValue = std::variant<std::string, std::int16_t, float, std::int32_t>;
using Params = std::vector<std::pair<std::string, ParamValue>>;

// Concatenation of parameter lists, so call sites can be written from shared pieces.
Params operator+(Params left, const Params& right);

// Every row of a stored query run with the parameters, each field by name and by position
// ("#0", "#1", ...). Raises
// CDaoException as the layer does (unknown query, parameter unset or undeclared).
using Row = std::map<std::string, CFieldValue>;
std::vector<Row> RunQuery(IDatabase& db, const std::string& query, const Params& params);

// Sets the parameters on a stored query opened by name.
void SetParams(QD& qd, const Params& params);

// The text field of every row, in order, without building rows (for long results).
std::vector<std::string> Column(IDatabase& db, const std::string& query, const Params& params,
                                const std::string& field);

std::string Text(const Row& row, const std::string& field);
// Every stored query the rapid selection tables name, for every series and build type.
std::set<std::string> RapidQueryNames(IDatabase& db);
double Number(const Row& row, const std::string& field);

}  // namespace veritom::test
