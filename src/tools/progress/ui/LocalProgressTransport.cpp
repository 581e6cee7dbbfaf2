#include "tools/progress/ui/LocalProgressTransport.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include "tools/progress/ProgressCommand.h"

namespace veritom {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CLocalProgressTransport::CLocalProgressTransport(std::string programDirectory,
                                                 std::function<std::string()> applicationTitle,
                                                 QString serverName)
    : m_programDirectory(std::move(programDirectory)),
      m_applicationTitle(std::move(applicationTitle)),
      m_serverName(std::move(serverName)) {
    m_clock.start();
}

QString CLocalProgressTransport::DefaultServerName() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(FromView(progress::kWindowClass));
}

std::string CLocalProgressTransport::GetApplicationTitle() const {
    return m_applicationTitle ? m_applicationTitle() : std::string();
}

bool CLocalProgressTransport::Connect() {
    if (m_socket.state() == QLocalSocket::ConnectedState) {
        return true;
    }
    m_socket.abort();
    m_socket.connectToServer(m_serverName);
    return m_socket.waitForConnected(kConnectTimeoutMs);
}

std::optional<QString> CLocalProgressTransport::Request(const QString& text) {
    if (!Connect()) {
        return std::nullopt;
    }
    {
        QDataStream out(&m_socket);
        out.setVersion(QDataStream::Qt_6_0);
        out << text;
    }
    m_socket.flush();
    QDataStream in(&m_socket);
    in.setVersion(QDataStream::Qt_6_0);
    QElapsedTimer waited;
    waited.start();
    const auto completeAnswer = [&]() -> std::optional<QString> {
        if (m_socket.bytesAvailable() == 0) {
            return std::nullopt;  // a closed socket is not read
        }
        in.startTransaction();
        QString answer;
        in >> answer;
        return in.commitTransaction() ? std::optional(answer) : std::nullopt;
    };
    while (true) {
        if (auto answer = completeAnswer()) {
            return answer;
        }
        const qint64 left = kAnswerTimeoutMs - waited.elapsed();
        if (m_socket.state() != QLocalSocket::ConnectedState || left <= 0 ||
            !m_socket.waitForReadyRead(static_cast<int>(left))) {
            // The answer may have come with the disconnection; a late one must not be taken
            // for the next request's.
            auto last = completeAnswer();
            m_socket.abort();
            return last;
        }
    }
}

ProgressWindow CLocalProgressTransport::FindWindow(const std::string& title) {
    const auto answer = Request(FromView(progress::kAskWindow));
    if (!answer) {
        return kNoProgressWindow;
    }
    const qsizetype bar = answer->indexOf(QLatin1Char('|'));
    bool isNumber = false;
    const qint64 id = answer->left(bar).toLongLong(&isNumber);
    if (bar < 0 || !isNumber || id == kNoProgressWindow ||
        answer->mid(bar + 1) != QString::fromStdString(title)) {
        return kNoProgressWindow;
    }
    return id;
}

bool CLocalProgressTransport::StartProgram(const std::string& path) {
    QStringList arguments;
    if (m_serverName != DefaultServerName()) {
        arguments << QStringLiteral("--server") << m_serverName;
    }
    const QString program = QString::fromStdString(path);
    return QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
}

bool CLocalProgressTransport::Send(ProgressWindow window, const std::string& command) {
    Q_UNUSED(window);  // the connection is the window's: it was checked just before
    const auto answer = Request(QString::fromStdString(command));
    return answer && *answer == FromView(progress::kAcknowledged);
}

std::string CLocalProgressTransport::AskText() {
    const auto answer = Request(FromView(progress::kAskText));
    return answer ? answer->toStdString() : std::string();
}

void CLocalProgressTransport::ActivateMainWindow() {
    if (QWidget* window = QApplication::activeWindow()) {
        window->raise();
        window->activateWindow();
        window->repaint();
    }
}

void CLocalProgressTransport::Pause(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace veritom
