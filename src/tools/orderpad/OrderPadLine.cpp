#include "OrderPadLine.h"

#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "tools/ToolStrings.h"
#include "tools/orderpad/OrderPadExport.h"
#include "tools/orderpad/OrderPadLanguage.h"

namespace veritom {

bool AddToolPartToOrderPad(const COrderPadTarget& target, const COrderPadLine& line) {
    if (line.partNumber.empty()) {
        return false;
    }
    if (!target.orderPad) {
        Messages().Beep();
        MessageBox(LoadString(ids::kAddToOrderFailed), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    // An order pad started by this part shows in the selector's language.
    if (target.store) {
        SetUpOrderPadLanguage(*target.store, target.languageCode);
    }
    return AddToOrderPad(*target.orderPad, line.partNumber, line.division, line.description);
}

}  // namespace veritom
