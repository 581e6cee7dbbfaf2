#pragma once

#include <ctime>
#include <string>

namespace veritom {

// The report's date and time, "March 3 2001 - 09:05:07", with the language's month names.
std::string FormatReportDate(const std::tm& local);

// The local date and time now.
std::tm LocalTimeNow();

}  // namespace veritom
