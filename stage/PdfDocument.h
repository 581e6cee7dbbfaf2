#pragma once

#include <string>
#include <vector>

#include "FontMetrics.h"

namespace veritom::stage {

// A table of texts: a header row and the body rows, all with the header's number of cells.
struct PdfTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// Lays text and tables out on A4 pages in the standard Helvetica faces with the WinAnsi
// encoding, so German text needs no embedded font, and writes the PDF file. Texts are
// UTF-8; one without a WinAnsi character makes Write fail and name the text.
class CPdfDocument {
public:
    // runningHead is printed above every page, pageLabel ("Page %d of %d") below it.
    CPdfDocument(std::string title, std::string runningHead, std::string pageLabel);

    void Heading(const std::string& text);
    void Paragraph(const std::string& text);
    void Bullet(const std::string& text);
    void Table(const PdfTable& table);

    bool Write(const std::string& path, std::string& error) const;

private:
    struct Line {
        std::string text;  // WinAnsi
        double x;
        Face face;
        double size;
    };
    struct Cell {
        std::vector<std::string> lines;  // WinAnsi
        bool right;
    };

    std::string Encode(const std::string& utf8);
    std::vector<std::string> Wrap(const std::string& winAnsi, Face face, double size,
                                  double width) const;
    void Text(double x, double y, const std::string& winAnsi, Face face, double size);
    void Block(const std::string& utf8, double indent, Face face, double size, double leading);
    void NeedSpace(double height);
    void NewPage();
    std::vector<double> ColumnWidths(const std::vector<std::vector<Cell>>& rows, double size) const;
    double RowHeight(const std::vector<Cell>& row) const;
    void DrawRow(const std::vector<Cell>& row, const std::vector<double>& widths, Face face,
                 double shade);

    std::string m_title;
    std::string m_runningHead;
    std::string m_pageLabel;
    std::vector<std::string> m_pages;  // content streams
    double m_y = 0;
    std::string m_error;
};

}  // namespace veritom::stage
