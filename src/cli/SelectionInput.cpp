#include "SelectionInput.h"

#include <iostream>

#include "app/SelectionFile.h"
#include "model/ValveObject.h"

namespace veritom::cli {

bool ReadSelectionForTool(const std::string& path, CSelectionFileHeader& header,
                          CSelectionFileFields& fields, CProd_ValveObject& workflow) {
    std::string reason;
    if (ReadSelectionFile(path, header, fields, workflow, reason) == SelectionFileStatus::Ok) {
        return true;
    }
    std::cerr << reason << '\n';
    return false;
}

}  // namespace veritom::cli
