// Add to OrderPad of the tool dialogs: nothing for an empty part, a failure without an order
// pad, else the part goes to the order pad and a failure is reported.
#include <gtest/gtest.h>

#include "FakeOrderPadConnection.h"
#include "MessageRecorder.h"
#include "tools/orderpad/OrderPad.h"
#include "tools/orderpad/OrderPadLine.h"

namespace veritom::test {
namespace {

TEST(ToolOrderPad, WhatAddToOrderPadDoes) {
    struct Case {
        const char* label;
        bool withOrderPad;
        std::string partNumber;
        bool refused;
        bool added;
        std::size_t documents;
        std::string firstBox;
    };
    for (const Case& c : {
             Case{"empty part number", true, "", false, false, 0, ""},
             Case{"no order pad", false, "K21BN08040VM", false, false, 0, "Add to Order Failed!"},
             Case{"sent", true, "K21BN08040VM", false, true, 1, ""},
             Case{"refused", true, "K21BN08040VM", true, false, 1,
                  "Add to Order Failed!\n\nThe order pad did not take the part: full"},
         }) {
        SCOPED_TRACE(c.label);
        MessageRecorder messages;
        FakeOrderPadConnection connection;
        if (c.refused) {
            connection.sendReplies.push_back({OrderPadFailure::Refused, "full", false, 0});
        }
        COrderPad orderPad(connection);
        const COrderPadTarget target{c.withOrderPad ? &orderPad : nullptr, nullptr, "EN"};
        EXPECT_EQ(AddToolPartToOrderPad(target, {c.partNumber, "Morvane Valve", "A valve"}),
                  c.added);
        EXPECT_EQ(connection.documents.size(), c.documents);
        EXPECT_EQ(messages.boxes.empty() ? std::string() : messages.boxes.front().text, c.firstBox);
    }
}

}  // namespace
}  // namespace veritom::test
