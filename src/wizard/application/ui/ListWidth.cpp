#include "wizard/application/ui/ListWidth.h"

#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "units/ui/ColorListBox.h"
#include "units/ui/TabbedText.h"

namespace veritom {

void WidenToLines(CColorListBox& list) {
    const QFontMetrics metrics = list.fontMetrics();
    int widest = 0;
    for (int row = 0; row < list.count(); ++row) {
        widest = std::max(widest,
                          TabbedTextWidth(metrics, list.item(row)->text(), list.List().TabStops()));
    }
    // The line's indent and a little air, the frame on both sides and room for a scroll bar.
    const int extra = metrics.averageCharWidth() * 2 + list.frameWidth() * 2 +
                      list.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list.setMinimumWidth(std::max(list.minimumWidth(), widest + extra));
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace veritom
