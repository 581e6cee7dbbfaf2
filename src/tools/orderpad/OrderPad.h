#pragma once

#include <string>
#include <vector>

#include "tools/orderpad/OrderPadConnection.h"
#include "tools/orderpad/OrderPadDocument.h"
#include "tools/orderpad/OrderPadPart.h"

namespace veritom {

// The order-pad component of the selection object: collects parts in a transfer document
// and hands it to the order pad program through a connection.
class COrderPad {
public:
    explicit COrderPad(IOrderPadConnection& connection);

    // Brings the order pad window up, starting the program when it is not running. Parts
    // added but not yet transferred are forgotten.
    OrderPadReply Show();
    // Adds one part as "Part*<counter>"; the selection data object, when given, goes into the
    // root first. False when a storage or stream could not be created.
    bool AddPart(const OrderPadPart& part, const std::vector<unsigned char>* selectionObject);
    // Names the sending program and hands the document to the order pad. The parts count as
    // sent only when the order pad confirms it has stored every one of them. The document is
    // dropped afterwards, sent or not, so a part reported as failed never arrives later.
    OrderPadReply Transfer(const std::string& veritomName);

    int PartCount() const { return m_partCount; }

private:
    void Forget();

    IOrderPadConnection& m_connection;
    COrderPadDocument m_document;
    int m_partCount = 0;
};

}  // namespace veritom
