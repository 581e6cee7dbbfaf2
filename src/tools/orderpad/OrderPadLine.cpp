#include "OrderPadLine.h"

#include "base/NotAvailable.h"
#include "tools/orderpad/OrderPadExport.h"
#include "tools/orderpad/OrderPadLanguage.h"

namespace veritom {

bool AddToolPartToOrderPad(const COrderPadTarget& target, const COrderPadLine& line) {
    if (line.partNumber.empty()) {
        return false;
    }
    if (!target.orderPad) {
        ShowNotAvailable(ids::kNameOrderPad);
        return false;
    }
    // An order pad started by this part shows in the selector's language.
    if (target.store) {
        SetUpOrderPadLanguage(*target.store, target.languageCode);
    }
    return AddToOrderPad(*target.orderPad, line.partNumber, line.division, line.description);
}

}  // namespace veritom
