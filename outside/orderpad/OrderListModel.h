#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "OrderList.h"

namespace orderpad {

// The order list as the window's table shows it: one row a part. Only the quantity can be
// edited; an edit the list cannot save is refused.
class OrderListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        PartNumber,
        Quantity,
        Division,
        Description,
        Modification,
        CustomerNotes,
        Sender,
        Received,
        ColumnCount
    };

    explicit OrderListModel(OrderList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    bool Append(const QList<OrderLine>& lines);
    bool Remove(const QList<int>& rows);
    // The header texts follow the language.
    void Retranslate();

signals:
    // A change could not be made: the reason, for the window to show.
    void changeRefused(const QString& reason);

private:
    bool Change(const std::function<bool()>& change);
    QString SaveFailure() const;

    OrderList& m_list;
};

}  // namespace orderpad
