#include <QApplication>
#include <QMessageBox>

#include "OrderList.h"
#include "OrderPadServer.h"
#include "OrderPadTexts.h"
#include "OrderPadWindow.h"
#include "tools/orderpad/OrderPadProtocol.h"

// The order pad: collects the parts the selection programs send into one order list.
// A second start brings the running order pad's window up instead.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("veritom"));
    QCoreApplication::setApplicationName(QStringLiteral("orderpad"));
    orderpad::Texts::Reload();

    const QString name = QString::fromStdString(veritom::orderpad::ServerName());
    if (orderpad::OrderPadServer::ShowRunning(name, 2000)) {
        return 0;
    }
    orderpad::OrderList list(orderpad::OrderList::DefaultPath());
    const orderpad::OrderList::LoadResult loaded = list.Load();
    orderpad::OrderPadWindow window(list);
    orderpad::OrderPadServer server(window);
    if (!server.Listen(name)) {
        QMessageBox::critical(
            nullptr, orderpad::Texts::Get(orderpad::kWindowTitle),
            orderpad::Texts::Get(orderpad::kCannotListen).arg(server.ErrorString()));
        return 1;
    }
    window.show();
    window.ReportLoad(loaded);
    return app.exec();
}
