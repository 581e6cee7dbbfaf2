#pragma once

#include <deque>
#include <string>
#include <vector>

#include "tools/orderpad/OrderPadConnection.h"

namespace veritom::test {

// A connection that records its calls and the documents handed over, and answers from
// scripted replies; when none is left, success, and Send confirms partsPerDocument parts.
class FakeOrderPadConnection : public IOrderPadConnection {
public:
    OrderPadReply Connect() override {
        calls.push_back("Connect");
        return Next(connectReplies);
    }
    OrderPadReply Show() override {
        calls.push_back("Show");
        return Next(showReplies);
    }
    OrderPadReply Send(const std::vector<unsigned char>& document) override {
        calls.push_back("Send");
        documents.push_back(document);
        return Next(sendReplies);
    }

    std::deque<OrderPadReply> connectReplies;
    std::deque<OrderPadReply> showReplies;
    std::deque<OrderPadReply> sendReplies;
    std::vector<std::string> calls;
    std::vector<std::vector<unsigned char>> documents;
    int partsPerDocument = 1;

private:
    OrderPadReply Next(std::deque<OrderPadReply>& replies) {
        if (replies.empty()) {
            return {OrderPadFailure::None, {}, false, partsPerDocument};
        }
        OrderPadReply reply = replies.front();
        replies.pop_front();
        return reply;
    }
};

}  // namespace veritom::test
