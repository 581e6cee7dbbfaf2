#include "DaoException.h"

#include <utility>

#include "base/Format.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"

namespace veritom {

CDaoException::CDaoException(int number, std::string source, std::string description)
    : m_number(number),
      m_source(std::move(source)),
      m_description(std::move(description)),
      m_message(DaoErrorText(m_number, m_source, m_description)) {}

std::string DaoErrorText(int number, const std::string& source, const std::string& description) {
    return Format(LoadString(ids::kDaoError), number, source, description);
}

}  // namespace veritom
