#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QString>

#include "tools/orderpad/OrderPadProtocol.h"

class QLocalSocket;

namespace orderpad {

// The order pad's side of its local socket: reads each request, has the handler carry it out
// and answers. Requests from one connection are answered in order.
class OrderPadServer : public QObject {
    Q_OBJECT

public:
    struct Reply {
        veritom::orderpad::Status status = veritom::orderpad::Status::Done;
        int partsTaken = 0;
        QString text;
    };

    class Handler {
    public:
        virtual ~Handler() = default;
        virtual void ShowWindow() = 0;
        virtual Reply TakeDocument(const QByteArray& document) = 0;
    };

    explicit OrderPadServer(Handler& handler, QObject* parent = nullptr);

    // Listens on name for this user only, taking over the name from an order pad that ended
    // without letting go of it; false with ErrorString when the name cannot be had.
    bool Listen(const QString& name);
    QString ErrorString() const { return m_server.errorString(); }

    // Asks the order pad listening on name to show its window; false when none answers.
    static bool ShowRunning(const QString& name, int timeoutMs);

    static QByteArray ReplyFrame(const Reply& reply);

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    void Answer(QLocalSocket* socket, const Reply& reply, bool thenClose);

    Handler& m_handler;
    QLocalServer m_server;
};

}  // namespace orderpad
