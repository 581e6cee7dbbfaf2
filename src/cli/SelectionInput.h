#pragma once

#include <string>

namespace veritom {
class CProd_ValveObject;
struct CSelectionFileFields;
struct CSelectionFileHeader;
}  // namespace veritom

namespace veritom::cli {

// Reads a selection file for a command: the whole file, checked as the program checks it;
// on failure the program's message goes to standard error and the result is false.
bool ReadSelectionForTool(const std::string& path, CSelectionFileHeader& header,
                          CSelectionFileFields& fields, CProd_ValveObject& workflow);

}  // namespace veritom::cli
