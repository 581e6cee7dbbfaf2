#include "NotAvailable.h"

#include "app/AppStrings.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"

namespace veritom {

void ShowNotAvailable(int nameId) {
    MessageBox(Format(LoadString(ids::kNotAvailable), LoadString(nameId)), MsgButtons::Ok,
               MsgIcon::Information);
}

}  // namespace veritom
