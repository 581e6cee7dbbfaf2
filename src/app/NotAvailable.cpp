#include "NotAvailable.h"

#include "app/Format.h"
#include "app/MessageSink.h"
#include "app/ShellStrings.h"
#include "app/StringTable.h"

namespace veritom {

void ShowNotAvailable(int nameId) {
    MessageBox(Format(LoadString(ids::kNotAvailable), LoadString(nameId)), MsgButtons::Ok,
               MsgIcon::Information);
}

}  // namespace veritom
