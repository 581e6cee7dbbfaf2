#include "units/ui/TabbedText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <vector>

#include "units/TabStops.h"

namespace veritom {

namespace {

std::vector<int> ColumnWidths(const QFontMetrics& metrics, const QStringList& columns) {
    std::vector<int> widths;
    for (const QString& column : columns) {
        widths.push_back(metrics.horizontalAdvance(column));
    }
    return widths;
}

}  // namespace

void DrawTabbedText(QPainter& painter, const QRect& rect, const QString& text,
                    const CTabStops& stops) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList columns = text.split(QLatin1Char('\t'));
    const std::vector<int> starts =
        stops.ColumnStarts(ColumnWidths(metrics, columns), metrics.averageCharWidth());
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QRect cell(rect.left() + starts[static_cast<std::size_t>(i)], rect.top(),
                         rect.width(), rect.height());
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, columns[i]);
    }
}

int TabbedTextWidth(const QFontMetrics& metrics, const QString& text, const CTabStops& stops) {
    return stops.LineWidth(ColumnWidths(metrics, text.split(QLatin1Char('\t'))),
                           metrics.averageCharWidth());
}

}  // namespace veritom
