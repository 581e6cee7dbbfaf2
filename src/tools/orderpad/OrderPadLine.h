#pragma once

#include <string>

namespace veritom {

class COrderPad;
class IConfigStore;

// What a tool dialog hands to the order pad: the part, the division it is ordered from and
// its description. Quantity, modification and customer notes are the order pad's fixed ones.
struct COrderPadLine {
    std::string partNumber;
    std::string division;
    std::string description;
};

// Where the tool dialogs send a part: the selection object's order pad, and the store and
// language code the order pad's language is set from.
struct COrderPadTarget {
    COrderPad* orderPad = nullptr;  // none: nothing can be sent
    IConfigStore* store = nullptr;
    std::string languageCode;
};

// Add to OrderPad of the tool dialogs: sets the order pad's language and adds the part (see
// AddToOrderPad in tools/orderpad/OrderPadExport.h, which reports a failure). An empty part
// number sends and shows nothing; without an order pad the part is not sent, and says so.
bool AddToolPartToOrderPad(const COrderPadTarget& target, const COrderPadLine& line);

}  // namespace veritom
