#pragma once

#include <string_view>
#include <vector>

#include "data/QueryDecl.h"

struct sqlite3_stmt;

namespace veritom {

class CQuery;

// Reads the rows of a declared query one at a time straight from the engine, for a caller
// that keeps what it reads in a compact form of its own (the part number list); a snapshot
// would hold every value of every row at once. The fields are read the way the declaration
// says, like IRecordset's: Null reads as "" or 0, a value of another kind as "" or 0, a
// handle of another query or a field read another way raises CDaoException, as does a
// declared field the result lacks.
class CRowStream {
public:
    // Runs query with the parameters set on it; one left unset raises CDaoException.
    explicit CRowStream(CQuery& query);
    ~CRowStream();
    CRowStream(const CRowStream&) = delete;
    CRowStream& operator=(const CRowStream&) = delete;

    // Steps to the next row: false after the last. An engine error raises CDaoException.
    bool Next();

    // The current row's text: valid until the next step.
    std::string_view GetText(FieldRef field) const { return TextAt(TextPosition(field)); }
    double GetNumber(FieldRef field) const { return NumberAt(NumberPosition(field)); }

    // For a caller that reads many rows: the result column of a declared field, checked
    // once, then read by column.
    int TextPosition(FieldRef field) const;
    int NumberPosition(FieldRef field) const;
    std::string_view TextAt(int column) const;
    double NumberAt(int column) const;

private:
    int Position(FieldRef field, FieldRead read, FieldRead alternative) const;

    CQuery& m_query;
    sqlite3_stmt* m_statement = nullptr;
    std::vector<int> m_positions;      // by declared field index; -1: not in the result
    std::vector<bool> m_declaredText;  // by result column
};

}  // namespace veritom
