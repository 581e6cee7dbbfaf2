#pragma once

#include <string>

namespace veritom {

struct CDialogContext;

// What a tool dialog hands to the order pad: the part, the division it is ordered from and
// its description. Quantity, modification and customer notes are the order pad's fixed ones.
struct COrderPadLine {
    std::string partNumber;
    std::string division;
    std::string description;
};

// Add to OrderPad of the tool dialogs; an empty part number sends and shows nothing. The
// order pad component is not part of this build yet, so the call says that it is not
// available and reports failure.
bool AddToolPartToOrderPad(const CDialogContext& context, const COrderPadLine& line);

}  // namespace veritom
