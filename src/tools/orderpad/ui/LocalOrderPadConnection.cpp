#include "tools/orderpad/ui/LocalOrderPadConnection.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <QtEndian>

namespace veritom {

namespace {

constexpr int kConnectAttemptMs = 200;
constexpr int kRetryPauseMs = 50;

QString ServerName() {
    return QString::fromStdString(orderpad::ServerName());
}

QByteArray RequestFrame(orderpad::Command command, const QByteArray& payload) {
    QByteArray frame(orderpad::kRequestHeaderBytes, '\0');
    auto* header = reinterpret_cast<uchar*>(frame.data());
    qToBigEndian<quint32>(orderpad::kRequestMagic, header);
    header[4] = static_cast<uchar>(command);
    qToBigEndian<quint32>(static_cast<quint32>(payload.size()), header + 5);
    return frame + payload;
}

OrderPadFailure FailureOf(orderpad::Status status) {
    switch (status) {
        case orderpad::Status::Done:
            return OrderPadFailure::None;
        case orderpad::Status::NotSaved:
            return OrderPadFailure::NotSaved;
        case orderpad::Status::Refused:
        case orderpad::Status::BadRequest:
            break;
    }
    return OrderPadFailure::Refused;
}

}  // namespace

CLocalOrderPadConnection::CLocalOrderPadConnection(QString programDir, int startTimeoutMs,
                                                   int replyTimeoutMs)
    : m_programDir(std::move(programDir)),
      m_startTimeoutMs(startTimeoutMs),
      m_replyTimeoutMs(replyTimeoutMs) {}

CLocalOrderPadConnection::~CLocalOrderPadConnection() {
    Disconnect();
}

QString CLocalOrderPadConnection::ProgramPath() const {
    return QDir(m_programDir).filePath(QString::fromLatin1(orderpad::kProgramName));
}

bool CLocalOrderPadConnection::ConnectToRunning(int timeoutMs) {
    if (m_socket && m_socket->state() == QLocalSocket::ConnectedState) {
        return true;
    }
    m_socket = std::make_unique<QLocalSocket>();
    m_socket->connectToServer(ServerName());
    if (m_socket->waitForConnected(timeoutMs)) {
        return true;
    }
    m_socket.reset();
    return false;
}

OrderPadReply CLocalOrderPadConnection::Connect() {
    if (ConnectToRunning(kConnectAttemptMs)) {
        return {};
    }
    return StartProgram();
}

OrderPadReply CLocalOrderPadConnection::StartProgram() {
    const QString program = ProgramPath();
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable()) {
        return {OrderPadFailure::NotInstalled, QDir::toNativeSeparators(program).toStdString()};
    }
    if (!QProcess::startDetached(program, {}, m_programDir, &m_startedProcess)) {
        return {OrderPadFailure::NotStarted, QDir::toNativeSeparators(program).toStdString()};
    }
    const QDeadlineTimer deadline(m_startTimeoutMs);
    while (!deadline.hasExpired()) {
        if (ConnectToRunning(std::min<qint64>(kConnectAttemptMs, deadline.remainingTime()))) {
            OrderPadReply reply;
            reply.startedNow = true;
            return reply;
        }
        QThread::msleep(kRetryPauseMs);
    }
    return NoAnswer(m_startTimeoutMs);
}

OrderPadReply CLocalOrderPadConnection::Show() {
    return Request(orderpad::Command::Show, {});
}

OrderPadReply CLocalOrderPadConnection::Send(const std::vector<unsigned char>& document) {
    return Request(orderpad::Command::Send,
                   QByteArray(reinterpret_cast<const char*>(document.data()),
                              static_cast<qsizetype>(document.size())));
}

OrderPadReply CLocalOrderPadConnection::NoAnswer(int timeoutMs) {
    Disconnect();
    return {OrderPadFailure::NoAnswer, std::to_string((timeoutMs + 999) / 1000)};
}

bool CLocalOrderPadConnection::ReadExactly(QByteArray& into, qint64 bytes,
                                           const QDeadlineTimer& deadline) {
    while (m_socket->bytesAvailable() < bytes) {
        if (m_socket->state() != QLocalSocket::ConnectedState || deadline.hasExpired() ||
            !m_socket->waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            // Data may have arrived together with the disconnection.
            if (m_socket->bytesAvailable() < bytes) {
                return false;
            }
        }
    }
    into = m_socket->read(bytes);
    return true;
}

OrderPadReply CLocalOrderPadConnection::Request(orderpad::Command command,
                                                const QByteArray& payload) {
    if (OrderPadReply connected = Connect(); !connected.Ok()) {
        return connected;
    }
    const QDeadlineTimer deadline(m_replyTimeoutMs);
    m_socket->write(RequestFrame(command, payload));
    while (m_socket->bytesToWrite() > 0) {
        if (deadline.hasExpired() ||
            !m_socket->waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            return NoAnswer(m_replyTimeoutMs);
        }
    }
    QByteArray header;
    if (!ReadExactly(header, orderpad::kReplyHeaderBytes, deadline)) {
        return NoAnswer(m_replyTimeoutMs);
    }
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 textBytes = qFromBigEndian<quint32>(bytes + 9);
    QByteArray text;
    if (qFromBigEndian<quint32>(bytes) != orderpad::kReplyMagic ||
        textBytes > orderpad::kMaxReplyTextBytes || !ReadExactly(text, textBytes, deadline)) {
        return NoAnswer(m_replyTimeoutMs);
    }
    Disconnect();
    OrderPadReply reply;
    reply.failure = FailureOf(static_cast<orderpad::Status>(bytes[4]));
    reply.partsTaken = static_cast<int>(qFromBigEndian<quint32>(bytes + 5));
    reply.detail = text.toStdString();
    return reply;
}

void CLocalOrderPadConnection::Disconnect() {
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
}

}  // namespace veritom
