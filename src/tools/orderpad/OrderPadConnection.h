#pragma once

#include <string>
#include <vector>

namespace veritom {

// Why the order pad could not be reached or did not take a document.
enum class OrderPadFailure {
    None,
    NotInstalled,  // detail: the program path
    NotStarted,    // detail: the program path
    NoAnswer,      // detail: the seconds waited
    Refused,       // detail: the order pad's reason
    NotSaved,      // detail: the order pad's reason
    NotConfirmed,  // the order pad answered without confirming every part
    NotWritten,    // the transfer document could not be written
};

struct OrderPadReply {
    OrderPadFailure failure = OrderPadFailure::None;
    std::string detail;
    // Connect: the order pad program was started by this call.
    bool startedNow = false;
    // Send: the parts the order pad confirmed it has taken into its order list.
    int partsTaken = 0;

    bool Ok() const { return failure == OrderPadFailure::None; }
};

// The way to the order pad program: find the running one or start it, bring its window up,
// hand it a transfer document. Every call returns within a bounded time.
class IOrderPadConnection {
public:
    virtual ~IOrderPadConnection() = default;
    virtual OrderPadReply Connect() = 0;
    virtual OrderPadReply Show() = 0;
    // The compound file's bytes; the reply counts the parts the order pad has stored.
    virtual OrderPadReply Send(const std::vector<unsigned char>& document) = 0;
};

}  // namespace veritom
