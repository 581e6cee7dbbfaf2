#include "units/ui/TabLineDelegate.h"

#include <QPainter>

#include "units/TabStops.h"
#include "units/ui/TabbedText.h"

namespace veritom {

CTabLineDelegate::CTabLineDelegate(const CTabStops& stops, QObject* parent)
    : QStyledItemDelegate(parent), m_stops(stops) {}

void CTabLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled;
    painter->save();
    painter->fillRect(option.rect,
                      option.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const int indent = std::max(1, option.fontMetrics.averageCharWidth() / 4);
    DrawTabbedText(*painter, option.rect.adjusted(indent, 0, 0, 0),
                   index.data(Qt::DisplayRole).toString(), m_stops);
    painter->restore();
}

}  // namespace veritom
