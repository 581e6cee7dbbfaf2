#include "app/ui/FocusStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace veritom {

namespace {

constexpr qreal kMarkWidth = 2.0;

void DrawFocusMark(const QStyleOption* option, QPainter* painter, int inset) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QPen pen(option->palette.color(QPalette::Highlight), kMarkWidth);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const QRectF mark = QRectF(option->rect).adjusted(inset + 1, inset + 1, -inset - 1, -inset - 1);
    painter->drawRoundedRect(mark, 3, 3);
    painter->restore();
}

}  // namespace

CFocusStyle::CFocusStyle() : QProxyStyle() {}

void CFocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        DrawFocusMark(option, painter, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void CFocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // Buttons draw their own, faint focus; the mark goes round the whole button.
    if (element == CE_PushButtonBevel && (option->state & State_HasFocus) &&
        (option->state & State_Enabled)) {
        DrawFocusMark(option, painter, 1);
    }
}

}  // namespace veritom
