#include "OrderPadLine.h"

#include "base/NotAvailable.h"
#include "data/DialogContext.h"

namespace veritom {

bool AddToolPartToOrderPad(const CDialogContext&, const COrderPadLine& line) {
    if (line.partNumber.empty()) {
        return false;
    }
    // The one line to replace once the order pad component has arrived.
    ShowNotAvailable(ids::kNameOrderPad);
    return false;
}

}  // namespace veritom
