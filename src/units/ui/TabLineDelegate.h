#pragma once

#include <QStyledItemDelegate>

namespace veritom {

class CTabStops;

// Draws a line of a tab-aware combo box's drop-down: its columns at the tab stops, on the
// window colour, or on the highlight colour when it is the selected line.
class CTabLineDelegate : public QStyledItemDelegate {
public:
    CTabLineDelegate(const CTabStops& stops, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const CTabStops& m_stops;
};

}  // namespace veritom
