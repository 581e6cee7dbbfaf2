#include "OrderPadExport.h"

#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "tools/ToolStrings.h"
#include "tools/orderpad/OrderPad.h"
#include "tools/orderpad/OrderPadLanguage.h"

namespace veritom {

namespace {

void ShowFailure(int headline, const OrderPadReply& reply) {
    std::string text = LoadString(headline);
    if (const std::string reason = OrderPadFailureText(reply); !reason.empty()) {
        text += "\n\n" + reason;
    }
    MessageBox(text);
}

}  // namespace

std::string OrderPadFailureText(const OrderPadReply& reply) {
    switch (reply.failure) {
        case OrderPadFailure::NotInstalled:
            return Format(LoadString(ids::kOrderPadNotInstalled), reply.detail);
        case OrderPadFailure::NotStarted:
            return Format(LoadString(ids::kOrderPadNotStarted), reply.detail);
        case OrderPadFailure::NoAnswer:
            return Format(LoadString(ids::kOrderPadNoAnswer), reply.detail);
        case OrderPadFailure::Refused:
            return Format(LoadString(ids::kOrderPadRefused), reply.detail);
        case OrderPadFailure::NotSaved:
            return Format(LoadString(ids::kOrderPadNotSaved), reply.detail);
        case OrderPadFailure::NotConfirmed:
            return LoadString(ids::kOrderPadNotConfirmed);
        case OrderPadFailure::NotWritten:
        case OrderPadFailure::None:
            break;
    }
    return {};
}

bool ViewOrderPad(COrderPad& orderPad, IConfigStore& store, const std::string& languageCode) {
    SetUpOrderPadLanguage(store, languageCode);
    OrderPadReply reply;
    {
        CWaitCursor wait;
        reply = orderPad.Show();
    }
    if (!reply.Ok()) {
        ShowFailure(ids::kOpenOrderPadFailed, reply);
        return false;
    }
    return true;
}

bool AddToOrderPad(COrderPad& orderPad, const std::string& partNumber, const std::string& division,
                   const std::string& description) {
    if (partNumber.empty()) {
        return false;
    }
    const OrderPadPart part{partNumber,  kOrderQuantity,     division,
                            description, kOrderModification, kOrderCustomerNotes};
    OrderPadReply reply{OrderPadFailure::NotWritten, {}};
    {
        CWaitCursor wait;
        if (orderPad.AddPart(part, nullptr)) {
            reply = orderPad.Transfer(kSendingProgram);
        }
    }
    if (!reply.Ok()) {
        ShowFailure(ids::kAddToOrderFailed, reply);
        Messages().Beep();
        return false;
    }
    return true;
}

}  // namespace veritom
