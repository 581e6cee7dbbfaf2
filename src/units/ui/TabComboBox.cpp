#include "units/ui/TabComboBox.h"

#include <QAbstractItemView>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "units/ui/TabLineDelegate.h"
#include "units/ui/TabbedText.h"

namespace veritom {

CTabComboBox::CTabComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new CTabLineDelegate(m_stops, this));
    m_width.SetFrameWidth(FrameWidth());
}

int CTabComboBox::FrameWidth() const {
    // Room for the scroll bar, the list's frame on both sides and the text indent.
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) +
           2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) +
           fontMetrics().averageCharWidth();
}

int CTabComboBox::AddString(const std::string& text) {
    const QString line = QString::fromStdString(text);
    addItem(line);
    if (m_width.AddLine(TabbedTextWidth(fontMetrics(), line, m_stops))) {
        ApplyDropDownWidth();
    }
    return count() - 1;
}

void CTabComboBox::SetTabStops(const std::vector<int>& positions) {
    m_stops.Set(positions);
    m_width.Clear();
    for (int row = 0; row < count(); ++row) {
        m_width.AddLine(TabbedTextWidth(fontMetrics(), itemText(row), m_stops));
    }
    ApplyDropDownWidth();
}

void CTabComboBox::SetWidthMode(int mode) {
    m_width.SetWidthMode(mode);
    ApplyDropDownWidth();
}

void CTabComboBox::Clear() {
    clear();
    m_width.Clear();
    ApplyDropDownWidth();
}

void CTabComboBox::ApplyDropDownWidth() {
    m_width.SetControlWidth(width());
    view()->setMinimumWidth(m_width.DropDownWidth());
}

void CTabComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    ApplyDropDownWidth();
}

void CTabComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString current = option.currentText;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setClipRect(field);
    DrawTabbedText(painter, field, current, m_stops);
}

}  // namespace veritom
