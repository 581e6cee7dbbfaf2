#pragma once

#include <QAbstractTableModel>

namespace veritom {

class CPartNumberSelection;

// The candidate list as the table view shows it: one row per candidate in the display
// order, one column per column shown. The texts are made for the rows the view paints, so
// the model holds nothing of its own.
class CCandidateModel : public QAbstractTableModel {
public:
    explicit CCandidateModel(const CPartNumberSelection& selection, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table column a model column shows.
    int TableColumn(int section) const;
    // The rows or columns changed (filled, emptied, new columns).
    void Reload();
    // The same rows in another order.
    void Reordered();
    // A column's title changed (the flow-factor kind).
    void TitlesChanged();

private:
    const CPartNumberSelection& m_selection;
};

}  // namespace veritom
