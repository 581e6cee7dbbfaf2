#include "OrderPad.h"

namespace veritom {

COrderPad::COrderPad(IOrderPadConnection& connection) : m_connection(connection) {}

void COrderPad::Forget() {
    m_document.Discard();
    m_partCount = 0;
}

OrderPadReply COrderPad::Show() {
    Forget();
    OrderPadReply reply = m_connection.Connect();
    if (!reply.Ok()) {
        return reply;
    }
    return m_connection.Show();
}

bool COrderPad::AddPart(const OrderPadPart& part,
                        const std::vector<unsigned char>* selectionObject) {
    if (selectionObject && !m_document.WriteSelectionObject(*selectionObject)) {
        return false;
    }
    if (!m_document.AddPart(m_partCount, part)) {
        return false;
    }
    ++m_partCount;
    return true;
}

OrderPadReply COrderPad::Transfer(const std::string& veritomName) {
    const int parts = m_partCount;
    const auto document = m_document.Finish(veritomName);
    Forget();
    if (!document || parts == 0) {
        return {OrderPadFailure::NotWritten, {}};
    }
    OrderPadReply reply = m_connection.Connect();
    if (!reply.Ok()) {
        return reply;
    }
    if (reply.startedNow) {
        if (OrderPadReply shown = m_connection.Show(); !shown.Ok()) {
            return shown;
        }
    }
    reply = m_connection.Send(*document);
    if (reply.Ok() && reply.partsTaken != parts) {
        reply.failure = OrderPadFailure::NotConfirmed;
    }
    return reply;
}

}  // namespace veritom
