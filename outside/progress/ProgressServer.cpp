#include "ProgressServer.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QLocalSocket>

#include "ProgressWindow.h"
#include "tools/progress/ProgressCommand.h"

namespace veritom {

namespace {

constexpr int kProbeTimeoutMs = 500;
constexpr int kFlushTimeoutMs = 1000;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool SomeoneAnswers(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    return probe.waitForConnected(kProbeTimeoutMs);
}

}  // namespace

CProgressServer::CProgressServer(CProgressWindow& window, QString name)
    : m_window(window), m_name(std::move(name)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &CProgressServer::OnNewConnection);
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleTimeoutMs);
    connect(&m_idle, &QTimer::timeout, qApp, &QCoreApplication::quit);
}

bool CProgressServer::Listen() {
    if (!m_server.listen(m_name)) {
        if (m_server.serverError() != QAbstractSocket::AddressInUseError ||
            SomeoneAnswers(m_name)) {
            return false;
        }
        QLocalServer::removeServer(m_name);
        if (!m_server.listen(m_name)) {
            return false;
        }
    }
    m_idle.start();
    return true;
}

void CProgressServer::OnNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        ++m_clients;
        m_idle.stop();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this,
                [this, socket] { OnDisconnected(socket); });
    }
}

void CProgressServer::OnDisconnected(QLocalSocket* socket) {
    socket->deleteLater();
    if (--m_clients == 0) {
        // The selector that drove this window is gone.
        QCoreApplication::quit();
    }
}

void CProgressServer::OnReadyRead(QLocalSocket* socket) {
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_0);
    while (true) {
        in.startTransaction();
        QString request;
        in >> request;
        if (!in.commitTransaction()) {
            return;
        }
        bool quit = false;
        QDataStream out(socket);
        out.setVersion(QDataStream::Qt_6_0);
        out << Answer(request, quit);
        socket->flush();
        if (quit) {
            socket->waitForBytesWritten(kFlushTimeoutMs);
            m_window.close();
            m_server.close();
            QCoreApplication::quit();
            return;
        }
    }
}

QString CProgressServer::Answer(const QString& request, bool& quit) {
    if (request == FromView(progress::kAskWindow)) {
        return QString::number(QCoreApplication::applicationPid()) + QLatin1Char('|') +
               m_window.windowTitle();
    }
    if (request == FromView(progress::kAskText)) {
        return m_window.Line() + QLatin1Char('|') + m_window.SecondLine();
    }
    const ProgressCommand command = ParseProgressCommand(request.toStdString());
    const QString first = QString::fromStdString(command.first);
    switch (command.kind) {
        case ProgressCommand::Kind::Start:
            m_window.Start(first);
            break;
        case ProgressCommand::Kind::Text:
            m_window.ShowText(first, QString::fromStdString(command.second));
            break;
        case ProgressCommand::Kind::EndReset:
            m_window.Reset();
            break;
        case ProgressCommand::Kind::Quit:
            quit = true;
            break;
        case ProgressCommand::Kind::Unknown:
            return FromView(progress::kRefused);
    }
    return FromView(progress::kAcknowledged);
}

}  // namespace veritom
