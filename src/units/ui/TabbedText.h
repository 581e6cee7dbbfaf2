#pragma once

#include <QString>

class QFontMetrics;
class QPainter;
class QRect;

namespace veritom {

class CTabStops;

// Draws text's tab-separated columns at the tab stops, from rect's left, centred vertically.
void DrawTabbedText(QPainter& painter, const QRect& rect, const QString& text,
                    const CTabStops& stops);
// The width the columns of text take when drawn with the tab stops.
int TabbedTextWidth(const QFontMetrics& metrics, const QString& text, const CTabStops& stops);

}  // namespace veritom
