// The progress program: a small window the selector shows while its dialogs load.
#include <QApplication>
#include <QCommandLineParser>

#include "ProgressServer.h"
#include "ProgressWindow.h"
#include "tools/progress/ProgressCommand.h"
#include "tools/progress/ui/LocalProgressTransport.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window class the selector knows the window by.
    QApplication::setApplicationName(QString::fromUtf8(veritom::progress::kWindowClass.data()));
    QCommandLineParser parser;
    const QCommandLineOption server(
        QStringLiteral("server"), QStringLiteral("Local socket to answer on."),
        QStringLiteral("name"), veritom::CLocalProgressTransport::DefaultServerName());
    parser.addOption(server);
    parser.process(app);

    veritom::CProgressWindow window;
    veritom::CProgressServer progressServer(window, parser.value(server));
    if (!progressServer.Listen()) {
        return 1;
    }
    window.show();
    return app.exec();
}
