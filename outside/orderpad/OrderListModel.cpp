#include "OrderListModel.h"

#include <QDir>
#include <QLocale>

#include "OrderPadTexts.h"

namespace orderpad {

namespace {

const int kHeaders[OrderListModel::ColumnCount] = {
    kColumnPartNumber,   kColumnQuantity,      kColumnDivision, kColumnDescription,
    kColumnModification, kColumnCustomerNotes, kColumnSender,   kColumnReceived};

// The user's own date format when it is of the order pad's language, else that language's: a
// German order pad never shows English month names.
QLocale DisplayLocale() {
    const QLocale system = QLocale::system();
    const QLocale language(Texts::Language().toLower());
    return system.language() == language.language() ? system : language;
}

}  // namespace

OrderListModel::OrderListModel(OrderList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {}

int OrderListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.Lines().size());
}

int OrderListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OrderListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const OrderLine& line = m_list.Lines().at(index.row());
    switch (index.column()) {
        case PartNumber:
            return line.partNumber;
        case Quantity:
            return line.quantity;
        case Division:
            return line.division;
        case Description:
            return line.description;
        case Modification:
            return line.modification;
        case CustomerNotes:
            return line.customerNotes;
        case Sender:
            return line.sender;
        case Received:
            return DisplayLocale().toString(line.received.toLocalTime(), QLocale::ShortFormat);
        default:
            break;
    }
    return {};
}

QVariant OrderListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return Texts::Get(kHeaders[section]);
}

Qt::ItemFlags OrderListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Quantity) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QString OrderListModel::SaveFailure() const {
    return Texts::Get(kListNotSaved).arg(QDir::toNativeSeparators(m_list.Path()), m_list.Error());
}

bool OrderListModel::Change(const std::function<bool()>& change) {
    beginResetModel();
    const bool changed = change();
    endResetModel();
    if (!changed) {
        emit changeRefused(SaveFailure());
    }
    return changed;
}

bool OrderListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != Quantity) {
        return false;
    }
    const QString quantity = value.toString();
    if (!OrderList::IsValidQuantity(quantity)) {
        emit changeRefused(Texts::Get(kBadQuantity));
        return false;
    }
    if (!m_list.SetQuantity(index.row(), quantity)) {
        emit changeRefused(SaveFailure());
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

bool OrderListModel::Append(const QList<OrderLine>& lines) {
    if (lines.isEmpty()) {
        return true;
    }
    // Rows are inserted, not reset, so an edit in progress and the selection stay.
    const int first = rowCount();
    const bool appended = m_list.Append(
        lines, [&] { beginInsertRows({}, first, first + static_cast<int>(lines.size()) - 1); });
    if (!appended) {
        emit changeRefused(SaveFailure());
        return false;
    }
    endInsertRows();
    return true;
}

bool OrderListModel::Remove(const QList<int>& rows) {
    return Change([&] { return m_list.Remove(rows); });
}

void OrderListModel::Retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0) {
        emit dataChanged(index(0, Received), index(rowCount() - 1, Received));
    }
}

}  // namespace orderpad
