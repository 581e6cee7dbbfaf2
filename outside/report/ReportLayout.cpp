#include "ReportLayout.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace report {

namespace {

constexpr int kTextFlags = int(Qt::AlignLeft) | int(Qt::AlignTop) | int(Qt::TextWordWrap);
constexpr int kRightTextFlags = int(Qt::AlignRight) | int(Qt::AlignTop) | int(Qt::TextWordWrap);
constexpr double kLabelShare = 0.38;

}  // namespace

ReportLayout::ReportLayout(const ReportContent& content, QPaintDevice& device,
                           const QSizeF& pageSize)
    : m_content(content), m_device(device), m_page(pageSize) {
    const double headerHeight =
        std::max(TextHeight(QStringLiteral("X"), Style::Heading, m_page.width()),
                 TextHeight(QStringLiteral("X"), Style::Date, m_page.width()));
    m_bodyTop = headerHeight + Millimetres(6);
    m_bodyBottom = m_page.height() -
                   TextHeight(QStringLiteral("X"), Style::Footer, m_page.width()) - Millimetres(6);
    NewPage();
    AddHeadline();
    AddSections();
    AddPictures();
    AddWarning();
}

double ReportLayout::Millimetres(double mm) const {
    return mm * m_device.logicalDpiY() / 25.4;
}

QFont ReportLayout::FontFor(Style style) const {
    QFont font = QGuiApplication::font();
    font.setBold(false);
    switch (style) {
        case Style::Heading:
            font.setPointSizeF(14);
            font.setBold(true);
            break;
        case Style::PartNumber:
            font.setPointSizeF(16);
            font.setBold(true);
            break;
        case Style::Label:
            font.setPointSizeF(9.5);
            font.setBold(true);
            break;
        case Style::Description:
        case Style::Value:
            font.setPointSizeF(9.5);
            break;
        case Style::Warning:
            font.setPointSizeF(9);
            font.setBold(true);
            break;
        case Style::Date:
        case Style::Caption:
            font.setPointSizeF(8.5);
            break;
        case Style::Footer:
            font.setPointSizeF(7.5);
            break;
    }
    return font;
}

double ReportLayout::TextHeight(const QString& text, Style style, double width) const {
    const QFontMetricsF metrics(FontFor(style), &m_device);
    return metrics.boundingRect(QRectF(0, 0, width, 1e9), kTextFlags, text).height();
}

void ReportLayout::NewPage() {
    m_pages.append(QList<Item>());
    m_y = m_bodyTop;
}

double ReportLayout::Place(double height) {
    if (m_y + height > m_bodyBottom && m_y > m_bodyTop) {
        NewPage();
    }
    const double top = m_y;
    m_y += height;
    return top;
}

void ReportLayout::AddHeadline() {
    if (m_content.partNumber.isEmpty()) {
        return;
    }
    const double width = m_page.width();
    const double numberHeight = TextHeight(m_content.partNumber, Style::PartNumber, width);
    m_pages.last().append({Item::Kind::Text,
                           QRectF(0, Place(numberHeight), width, numberHeight),
                           m_content.partNumber,
                           Style::PartNumber,
                           {}});
    if (!m_content.partDescription.isEmpty()) {
        const double height = TextHeight(m_content.partDescription, Style::Description, width);
        m_pages.last().append({Item::Kind::Text,
                               QRectF(0, Place(height), width, height),
                               m_content.partDescription,
                               Style::Description,
                               {}});
    }
    m_y += Millimetres(4);
}

void ReportLayout::AddSections() {
    const double width = m_page.width();
    const double labelWidth = width * kLabelShare;
    const double gap = Millimetres(3);
    const double valueWidth = width - labelWidth - gap;
    const double rowGap = Millimetres(1.2);
    const double bodyHeight = m_bodyBottom - m_bodyTop;
    bool first = true;
    for (const QList<ReportRow>& section : m_content.sections) {
        if (!first) {
            const double top = Place(Millimetres(4));
            m_pages.last().append({Item::Kind::Rule,
                                   QRectF(0, top + Millimetres(1.5), width, 0),
                                   {},
                                   Style::Value,
                                   {}});
        }
        first = false;
        for (const ReportRow& row : section) {
            const double height =
                std::min(bodyHeight, std::max(TextHeight(row.label, Style::Label, labelWidth),
                                              TextHeight(row.value, Style::Value, valueWidth)));
            const double top = Place(height + rowGap);
            m_pages.last().append({Item::Kind::Text,
                                   QRectF(0, top, labelWidth, height),
                                   row.label,
                                   Style::Label,
                                   {}});
            m_pages.last().append({Item::Kind::Text,
                                   QRectF(labelWidth + gap, top, valueWidth, height),
                                   row.value,
                                   Style::Value,
                                   {}});
        }
    }
}

void ReportLayout::AddPictures() {
    if (m_content.pictures.isEmpty()) {
        return;
    }
    m_y += Millimetres(4);
    const double width = m_page.width();
    const double boxWidth = Millimetres(45);
    const double boxHeight = Millimetres(35);
    const double gap = Millimetres(5);
    double captionHeight = 0;
    for (const ReportPicture& picture : m_content.pictures) {
        captionHeight =
            std::max(captionHeight, TextHeight(picture.label, Style::Caption, boxWidth));
    }
    const double rowHeight = boxHeight + Millimetres(1) + captionHeight + gap;
    double x = width;  // starts a row at once
    double top = 0;
    for (const ReportPicture& picture : m_content.pictures) {
        if (x + boxWidth > width) {
            top = Place(rowHeight);
            x = 0;
        }
        const QSizeF scaled =
            QSizeF(picture.image.size()).scaled(QSizeF(boxWidth, boxHeight), Qt::KeepAspectRatio);
        m_pages.last().append({Item::Kind::Picture,
                               QRectF(QPointF(x + (boxWidth - scaled.width()) / 2, top), scaled),
                               {},
                               Style::Caption,
                               picture.image});
        m_pages.last().append({Item::Kind::Text,
                               QRectF(x, top + boxHeight + Millimetres(1), boxWidth, captionHeight),
                               picture.label,
                               Style::Caption,
                               {}});
        x += boxWidth + gap;
    }
}

void ReportLayout::AddWarning() {
    if (m_content.warning.isEmpty()) {
        return;
    }
    m_y += Millimetres(4);
    const double padding = Millimetres(2.5);
    const double width = m_page.width();
    const double textHeight =
        std::min(m_bodyBottom - m_bodyTop - 2 * padding,
                 TextHeight(m_content.warning, Style::Warning, width - 2 * padding));
    const double top = Place(textHeight + 2 * padding);
    m_pages.last().append({Item::Kind::Frame,
                           QRectF(0, top, width, textHeight + 2 * padding),
                           {},
                           Style::Warning,
                           {}});
    m_pages.last().append({Item::Kind::Text,
                           QRectF(padding, top + padding, width - 2 * padding, textHeight),
                           m_content.warning,
                           Style::Warning,
                           {}});
}

QList<ReportLayout::Item> ReportLayout::PageItems(int page) const {
    const double width = m_page.width();
    const QString heading =
        m_content.productName.isEmpty() ? m_content.title : m_content.productName;
    const double headingHeight = TextHeight(heading, Style::Heading, width * 0.6);
    QList<Item> items{
        {Item::Kind::Text, QRectF(0, 0, width * 0.6, headingHeight), heading, Style::Heading, {}},
        {Item::Kind::Text,
         QRectF(width * 0.6, 0, width * 0.4, headingHeight),
         m_content.date,
         Style::Date,
         {}},
        {Item::Kind::Rule, QRectF(0, m_bodyTop - Millimetres(3), width, 0), {}, Style::Value, {}}};
    const double footerTop = m_bodyBottom + Millimetres(3);
    const double footerHeight = m_page.height() - footerTop;
    const QString product =
        (m_content.productName + QLatin1Char(' ') + m_content.version).trimmed();
    items.append(
        {Item::Kind::Rule, QRectF(0, footerTop - Millimetres(1), width, 0), {}, Style::Value, {}});
    items.append({Item::Kind::Text,
                  QRectF(0, footerTop, width * 0.7, footerHeight),
                  product,
                  Style::Footer,
                  {}});
    items.append({Item::Kind::Text,
                  QRectF(width * 0.7, footerTop, width * 0.3, footerHeight),
                  QStringLiteral("%1 / %2").arg(page + 1).arg(PageCount()),
                  Style::Footer,
                  {}});
    items.append(m_pages.value(page));
    return items;
}

void ReportLayout::PaintPage(QPainter& painter, int page) const {
    painter.save();
    for (const Item& item : PageItems(page)) {
        switch (item.kind) {
            case Item::Kind::Text: {
                painter.setFont(FontFor(item.style));
                painter.setPen(Qt::black);
                const bool right = item.style == Style::Date ||
                                   (item.style == Style::Footer && item.rect.left() > 0);
                painter.drawText(item.rect, right ? kRightTextFlags : kTextFlags, item.text);
                break;
            }
            case Item::Kind::Rule:
                painter.setPen(QPen(Qt::darkGray, 0));
                painter.drawLine(item.rect.topLeft(), item.rect.topRight());
                break;
            case Item::Kind::Picture:
                painter.drawImage(item.rect, item.image);
                break;
            case Item::Kind::Frame:
                painter.setPen(QPen(Qt::black, Millimetres(0.3)));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(item.rect);
                break;
        }
    }
    painter.restore();
}

}  // namespace report
