#pragma once

#include <QLocalServer>
#include <QTimer>

class QLocalSocket;

namespace veritom {

class CProgressWindow;

// Answers the selector on the local socket: each request is a string, each answer too (see
// tools/progress/ProgressCommand.h). The program ends on QUIT, when its last client has gone,
// and when no client comes within kIdleTimeoutMs of its start.
class CProgressServer : public QObject {
public:
    static constexpr int kIdleTimeoutMs = 30000;

    CProgressServer(CProgressWindow& window, QString name);

    // Listens on the name, taking over a name left behind by a program that died; false when
    // another progress program answers on it.
    bool Listen();

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    void OnDisconnected(QLocalSocket* socket);
    QString Answer(const QString& request, bool& quit);

    CProgressWindow& m_window;
    QString m_name;
    QLocalServer m_server;
    QTimer m_idle;
    int m_clients = 0;
};

}  // namespace veritom
