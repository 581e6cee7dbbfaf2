#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include "ReportContent.h"

class QPaintDevice;
class QPainter;

namespace report {

// The report laid out on pages of a paint device: every page has the header (product name,
// date) and the footer (product, software version, page number); the first starts with the
// part number, then come the labelled rows section by section, the pictures and the warning.
// Coordinates are the device's, with the page's printable area at the origin.
class ReportLayout {
public:
    enum class Style {
        Heading,
        Date,
        PartNumber,
        Description,
        Label,
        Value,
        Caption,
        Warning,
        Footer
    };

    struct Item {
        enum class Kind { Text, Rule, Picture, Frame };
        Kind kind = Kind::Text;
        QRectF rect;
        QString text;
        Style style = Style::Value;
        QImage image;
    };

    ReportLayout(const ReportContent& content, QPaintDevice& device, const QSizeF& pageSize);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // The items of a page, header and footer included.
    QList<Item> PageItems(int page) const;
    void PaintPage(QPainter& painter, int page) const;

    QFont FontFor(Style style) const;

private:
    double TextHeight(const QString& text, Style style, double width) const;
    double Millimetres(double mm) const;
    // Room for height on the current page, opening a new one when there is none.
    double Place(double height);
    void NewPage();
    void AddHeadline();
    void AddSections();
    void AddPictures();
    void AddWarning();

    const ReportContent& m_content;
    QPaintDevice& m_device;
    QSizeF m_page;
    double m_bodyTop = 0;
    double m_bodyBottom = 0;
    double m_y = 0;
    QList<QList<Item>> m_pages;
};

}  // namespace report
