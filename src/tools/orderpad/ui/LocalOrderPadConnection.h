#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <memory>

#include "tools/orderpad/OrderPadConnection.h"
#include "tools/orderpad/OrderPadProtocol.h"

class QLocalSocket;

namespace veritom {

// The way to the order pad program over its local socket. When no order pad is listening,
// the program is started from the shared data directory and given startTimeoutMs to open
// its socket; every answer is awaited for at most replyTimeoutMs. So the selector waits a
// few seconds at worst, and a part counts as sent only when the order pad has confirmed it.
class CLocalOrderPadConnection : public IOrderPadConnection {
public:
    explicit CLocalOrderPadConnection(QString programDir, int startTimeoutMs = 5000,
                                      int replyTimeoutMs = 5000);
    ~CLocalOrderPadConnection() override;
    CLocalOrderPadConnection(const CLocalOrderPadConnection&) = delete;
    CLocalOrderPadConnection& operator=(const CLocalOrderPadConnection&) = delete;

    OrderPadReply Connect() override;
    OrderPadReply Show() override;
    OrderPadReply Send(const std::vector<unsigned char>& document) override;

    QString ProgramPath() const;
    // The process id of the order pad this connection last started, or 0.
    qint64 StartedProcessId() const { return m_startedProcess; }

private:
    bool ConnectToRunning(int timeoutMs);
    OrderPadReply StartProgram();
    OrderPadReply Request(orderpad::Command command, const QByteArray& payload);
    bool ReadExactly(QByteArray& into, qint64 bytes, const QDeadlineTimer& deadline);
    OrderPadReply NoAnswer(int timeoutMs);
    void Disconnect();

    QString m_programDir;
    int m_startTimeoutMs;
    int m_replyTimeoutMs;
    std::unique_ptr<QLocalSocket> m_socket;
    qint64 m_startedProcess = 0;
};

}  // namespace veritom
