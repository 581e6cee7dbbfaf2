#include "OrderPadServer.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QtEndian>

#include "OrderPadTexts.h"

namespace orderpad {

namespace {

using veritom::orderpad::Command;
using veritom::orderpad::Status;

QByteArray ShowRequest() {
    QByteArray frame(veritom::orderpad::kRequestHeaderBytes, '\0');
    auto* bytes = reinterpret_cast<uchar*>(frame.data());
    qToBigEndian<quint32>(veritom::orderpad::kRequestMagic, bytes);
    bytes[4] = static_cast<uchar>(Command::Show);
    return frame;
}

}  // namespace

OrderPadServer::OrderPadServer(Handler& handler, QObject* parent)
    : QObject(parent), m_handler(handler) {
    connect(&m_server, &QLocalServer::newConnection, this, &OrderPadServer::OnNewConnection);
}

bool OrderPadServer::Listen(const QString& name) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(name)) {
        return true;
    }
    if (m_server.serverError() == QAbstractSocket::AddressInUseError && !ShowRunning(name, 1000)) {
        QLocalServer::removeServer(name);
        return m_server.listen(name);
    }
    return false;
}

bool OrderPadServer::ShowRunning(const QString& name, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(ShowRequest());
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    while (socket.bytesAvailable() < veritom::orderpad::kReplyHeaderBytes) {
        if (deadline.hasExpired() ||
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
    }
    const QByteArray header = socket.read(veritom::orderpad::kReplyHeaderBytes);
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    return qFromBigEndian<quint32>(bytes) == veritom::orderpad::kReplyMagic &&
           bytes[4] == static_cast<uchar>(Status::Done);
}

QByteArray OrderPadServer::ReplyFrame(const Reply& reply) {
    const QByteArray text = reply.text.toUtf8().left(veritom::orderpad::kMaxReplyTextBytes);
    QByteArray frame(veritom::orderpad::kReplyHeaderBytes, '\0');
    auto* bytes = reinterpret_cast<uchar*>(frame.data());
    qToBigEndian<quint32>(veritom::orderpad::kReplyMagic, bytes);
    bytes[4] = static_cast<uchar>(reply.status);
    qToBigEndian<quint32>(static_cast<quint32>(reply.partsTaken), bytes + 5);
    qToBigEndian<quint32>(static_cast<quint32>(text.size()), bytes + 9);
    return frame + text;
}

void OrderPadServer::OnNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        if (socket->bytesAvailable() > 0) {
            OnReadyRead(socket);
        }
    }
}

void OrderPadServer::Answer(QLocalSocket* socket, const Reply& reply, bool thenClose) {
    socket->write(ReplyFrame(reply));
    socket->flush();
    if (thenClose) {
        socket->disconnectFromServer();
    }
}

void OrderPadServer::OnReadyRead(QLocalSocket* socket) {
    while (socket->bytesAvailable() >= veritom::orderpad::kRequestHeaderBytes) {
        const QByteArray header = socket->peek(veritom::orderpad::kRequestHeaderBytes);
        const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
        const quint32 length = qFromBigEndian<quint32>(bytes + 5);
        const uchar command = bytes[4];
        const bool known = command == static_cast<uchar>(Command::Show) ||
                           command == static_cast<uchar>(Command::Send);
        if (qFromBigEndian<quint32>(bytes) != veritom::orderpad::kRequestMagic || !known) {
            Answer(socket, {Status::BadRequest, 0, Texts::Get(kUnknownRequest)}, true);
            return;
        }
        if (length > veritom::orderpad::kMaxDocumentBytes) {
            Answer(socket, {Status::Refused, 0, Texts::Get(kDocumentTooLarge)}, true);
            return;
        }
        if (socket->bytesAvailable() < veritom::orderpad::kRequestHeaderBytes + qint64(length)) {
            return;
        }
        socket->skip(veritom::orderpad::kRequestHeaderBytes);
        const QByteArray payload = socket->read(length);
        if (command == static_cast<uchar>(Command::Show)) {
            m_handler.ShowWindow();
            Answer(socket, {}, false);
        } else {
            Answer(socket, m_handler.TakeDocument(payload), false);
        }
    }
}

}  // namespace orderpad
