#pragma once

#include <string>

#include "tools/orderpad/OrderPadConnection.h"

namespace veritom {

class COrderPad;
class IConfigStore;

// What this selector sends with every part.
inline constexpr const char* kOrderQuantity = "1";
inline constexpr const char* kOrderModification = "Mod";
inline constexpr const char* kOrderCustomerNotes = "Cust Notes";
inline constexpr const char* kSendingProgram = "Morvane.exe";

// View, OrderPad: sets the order pad's language to languageCode, then brings its window up;
// "Open OrderPad Failed!" and the reason when it cannot.
bool ViewOrderPad(COrderPad& orderPad, IConfigStore& store, const std::string& languageCode);

// Add to OrderPad, shared by the workflow and the tool dialogs: adds one part (quantity "1",
// modification "Mod", customer notes "Cust Notes") and transfers it as "Morvane.exe". An
// empty part number sends and shows nothing. On failure "Add to Order Failed!", the reason
// and a beep. True only when the order pad confirmed the part.
bool AddToOrderPad(COrderPad& orderPad, const std::string& partNumber, const std::string& division,
                   const std::string& description);

// The line saying why the order pad failed; empty when there is nothing more to say.
std::string OrderPadFailureText(const OrderPadReply& reply);

}  // namespace veritom
