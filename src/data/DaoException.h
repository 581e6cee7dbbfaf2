#pragma once

#include <exception>
#include <string>

namespace veritom {

// The one exception of the database engine: an unknown query, parameter or field, a
// parameter left unset, an SQL error or a move without a current record. Core code never
// catches it; the application reports it in one place and abandons the user action.
class CDaoException : public std::exception {
public:
    CDaoException(int number, std::string source, std::string description);

    int Number() const { return m_number; }
    const std::string& Source() const { return m_source; }
    const std::string& Description() const { return m_description; }
    // The complete message in the engine's error form, as the user sees it.
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    int m_number;
    std::string m_source;
    std::string m_description;
    std::string m_message;
};

// The engine's error text for number, source and description.
std::string DaoErrorText(int number, const std::string& source, const std::string& description);

}  // namespace veritom
