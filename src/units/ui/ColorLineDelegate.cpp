#include "units/ui/ColorLineDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "units/ColorList.h"
#include "units/ui/TabbedText.h"

namespace veritom {

namespace {

QColor ToColor(ListColour colour) {
    return QColor::fromRgb(static_cast<QRgb>(colour) | 0xFF000000u);
}

}  // namespace

CColorLineDelegate::CColorLineDelegate(const CColorList& list, QObject* parent)
    : QStyledItemDelegate(parent), m_list(list) {}

void CColorLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const LinePaint paint = m_list.Paint(index.row(), option.state & QStyle::State_Selected,
                                         option.state & QStyle::State_HasFocus);
    if (!paint.drawn) {
        return;
    }
    painter->save();
    painter->fillRect(option.rect, ToColor(paint.background));
    painter->setPen(ToColor(paint.text));
    painter->setFont(option.font);
    // Text starts a quarter of the dialog base width in.
    const int indent = std::max(1, option.fontMetrics.averageCharWidth() / 4);
    DrawTabbedText(*painter, option.rect.adjusted(indent, 0, 0, 0),
                   index.data(Qt::DisplayRole).toString(), m_list.TabStops());
    if (paint.focusRect) {
        QStyleOptionFocusRect focus;
        focus.rect = option.rect;
        focus.state = option.state;
        focus.backgroundColor = ToColor(paint.background);
        const QWidget* widget = option.widget;
        (widget ? widget->style() : QApplication::style())
            ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

}  // namespace veritom
