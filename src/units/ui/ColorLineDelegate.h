#pragma once

#include <QStyledItemDelegate>

namespace veritom {

class CColorList;

// Draws the lines of a colour list box as the list says: its colours, greyed when the line
// is unselectable, highlighted when selected, columns at the tab stops; the placeholder line
// not at all.
class CColorLineDelegate : public QStyledItemDelegate {
public:
    CColorLineDelegate(const CColorList& list, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const CColorList& m_list;
};

}  // namespace veritom
