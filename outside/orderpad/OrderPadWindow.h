#pragma once

#include <QMainWindow>

#include "OrderList.h"
#include "OrderListModel.h"
#include "OrderPadServer.h"

class QAction;
class QLabel;
class QMenu;
class QMessageBox;
class QTableView;

namespace orderpad {

// The order pad's window: the order list as a table, with the parts received from the
// selection programs added at its end.
class OrderPadWindow : public QMainWindow, public OrderPadServer::Handler {
    Q_OBJECT

public:
    explicit OrderPadWindow(OrderList& list, QWidget* parent = nullptr);

    void ShowWindow() override;
    OrderPadServer::Reply TakeDocument(const QByteArray& document) override;

    // Says what happened to the order list file when it was read at start.
    void ReportLoad(OrderList::LoadResult result);

private:
    void Retranslate();
    void FitColumns();
    void FollowLanguage();
    void RemoveSelected();
    void RemoveAll();
    void UpdateState();
    // A message that does not stop the order pad from answering the selection programs.
    void ShowMessage(const QString& text);

    OrderList& m_list;
    OrderListModel m_model;
    QTableView* m_table = nullptr;
    QMenu* m_orderMenu = nullptr;
    QAction* m_removeSelected = nullptr;
    QAction* m_removeAll = nullptr;
    QAction* m_close = nullptr;
    QLabel* m_count = nullptr;
    QMessageBox* m_message = nullptr;
};

}  // namespace orderpad
