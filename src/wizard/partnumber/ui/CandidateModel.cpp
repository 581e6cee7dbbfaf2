#include "wizard/partnumber/ui/CandidateModel.h"

#include "wizard/partnumber/PartNumberSelection.h"

namespace veritom {

CCandidateModel::CCandidateModel(const CPartNumberSelection& selection, QObject* parent)
    : QAbstractTableModel(parent), m_selection(selection) {}

int CCandidateModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_selection.RowCount());
}

int CCandidateModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_selection.Columns().size());
}

int CCandidateModel::TableColumn(int section) const {
    const auto& columns = m_selection.Columns();
    return section >= 0 && section < static_cast<int>(columns.size())
               ? columns[static_cast<std::size_t>(section)]
               : -1;
}

QVariant CCandidateModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int column = TableColumn(index.column());
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(
            m_selection.CellText(static_cast<std::size_t>(index.row()), column));
    }
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment alignment =
            CColumnTable::IsNumeric(column) ? Qt::AlignRight : Qt::AlignLeft;
        return QVariant::fromValue(alignment | Qt::AlignVCenter);
    }
    return {};
}

QVariant CCandidateModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const int column = TableColumn(section);
    return column < 0 ? QVariant()
                      : QVariant(QString::fromStdString(m_selection.ColumnTitle(column)));
}

void CCandidateModel::Reload() {
    beginResetModel();
    endResetModel();
}

void CCandidateModel::Reordered() {
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
    }
}

void CCandidateModel::TitlesChanged() {
    if (columnCount() > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
}

}  // namespace veritom
