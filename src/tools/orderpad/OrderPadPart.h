#pragma once

#include <string>

namespace veritom {

// One order line as the order pad receives it.
struct OrderPadPart {
    std::string partNumber;
    std::string quantity;
    std::string division;
    std::string description;
    std::string modification;
    std::string customerNotes;
};

}  // namespace veritom
