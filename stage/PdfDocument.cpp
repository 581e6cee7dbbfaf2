#include "PdfDocument.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "base/Format.h"
#include "base/TextCodec.h"

namespace veritom::stage {

namespace {

constexpr double kPageWidth = 595;
constexpr double kPageHeight = 842;
constexpr double kLeft = 56;
constexpr double kRight = kPageWidth - 56;
constexpr double kTop = 768;
constexpr double kBottom = 72;

constexpr double kTitleSize = 17;
constexpr double kHeadingSize = 12;
constexpr double kTextSize = 10;
constexpr double kTextLeading = 13.5;
constexpr double kTableSize = 8.5;
constexpr double kTableLeading = 10.5;
constexpr double kCellPad = 3.5;
constexpr double kBulletIndent = 14;

const char* const kNavy = "0.12 0.23 0.36";

std::string Number(double value) {
    return Format("%.2f", value);
}

// A PDF literal string: parentheses and backslashes escaped, bytes above 126 in octal so
// the file stays seven-bit text.
std::string Literal(const std::string& winAnsi) {
    std::string out = "(";
    for (const char c : winAnsi) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 32 || byte > 126) {
            out += Format("\\%03o", static_cast<int>(byte));
        } else {
            out += c;
        }
    }
    return out + ")";
}

// A text string of the document information: UTF-16BE with its byte order mark, in hex.
std::string InfoText(const std::string& utf8) {
    std::string out = "<FEFF";
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        out += Format("%04X", static_cast<int>(unit));
    }
    return out + ">";
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// The WinAnsi bytes of a UTF-8 text; false, with the first such error kept, when a character
// has none.
bool ToWinAnsi(const std::string& utf8, std::string& winAnsi, std::string& error) {
    if (const auto bytes = Utf8ToWindows1252(utf8)) {
        winAnsi = *bytes;
        return true;
    }
    if (error.empty()) {
        error = "a character without a WinAnsi byte in \"" + utf8 + "\"";
    }
    return false;
}

const char* FontName(Face face) {
    return face == Face::Bold ? "/F2" : "/F1";
}

// Numbers, sizes and ranges are set flush right in a table.
bool IsNumeric(const std::string& winAnsi) {
    return !winAnsi.empty() && std::all_of(winAnsi.begin(), winAnsi.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == ' ' || c == '-' || c == '/' ||
               c == '\x96';
    }) && std::any_of(winAnsi.begin(), winAnsi.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

CPdfDocument::CPdfDocument(std::string title, std::string runningHead, std::string pageLabel)
    : m_title(std::move(title)),
      m_runningHead(std::move(runningHead)),
      m_pageLabel(std::move(pageLabel)) {
    NewPage();
    const std::string encoded = Encode(m_title);
    for (const std::string& line : Wrap(encoded, Face::Bold, kTitleSize, kRight - kLeft)) {
        m_pages.back() += std::string(kNavy) + " rg\n";
        Text(kLeft, m_y - kTitleSize, line, Face::Bold, kTitleSize);
        m_pages.back() += "0 g\n";
        m_y -= kTitleSize + 5;
    }
    m_y -= 4;
    m_pages.back() += std::string(kNavy) + " RG 1.2 w " + Number(kLeft) + " " + Number(m_y) +
                      " m " + Number(kRight) + " " + Number(m_y) + " l S 0 G\n";
    m_y -= 16;
}

std::string CPdfDocument::Encode(const std::string& utf8) {
    std::string winAnsi;
    if (!ToWinAnsi(utf8, winAnsi, m_error)) {
        return "?";
    }
    return winAnsi;
}

std::vector<std::string> CPdfDocument::Wrap(const std::string& winAnsi, Face face, double size,
                                            double width) const {
    std::vector<std::string> lines;
    std::string line;
    for (std::string word : Words(winAnsi)) {
        // A word wider than the column is broken where it must.
        while (TextWidth(word, face, size) > width && word.size() > 1) {
            std::size_t fit = word.size() - 1;
            while (fit > 1 && TextWidth(word.substr(0, fit), face, size) > width) {
                --fit;
            }
            if (!line.empty()) {
                lines.push_back(line);
                line.clear();
            }
            lines.push_back(word.substr(0, fit));
            word.erase(0, fit);
        }
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextWidth(candidate, face, size) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.empty() || lines.empty()) {
        lines.push_back(line);
    }
    return lines;
}

void CPdfDocument::Text(double x, double y, const std::string& winAnsi, Face face, double size) {
    m_pages.back() += "BT " + std::string(FontName(face)) + " " + Number(size) + " Tf " +
                      Number(x) + " " + Number(y) + " Td " + Literal(winAnsi) + " Tj ET\n";
}

void CPdfDocument::NewPage() {
    m_pages.emplace_back();
    m_y = kTop;
}

void CPdfDocument::NeedSpace(double height) {
    if (m_y - height < kBottom) {
        NewPage();
    }
}

void CPdfDocument::Block(const std::string& utf8, double indent, Face face, double size,
                         double leading) {
    const std::string encoded = Encode(utf8);
    for (const std::string& line : Wrap(encoded, face, size, kRight - kLeft - indent)) {
        NeedSpace(leading);
        Text(kLeft + indent, m_y - size, line, face, size);
        m_y -= leading;
    }
}

void CPdfDocument::Heading(const std::string& text) {
    m_y -= 6;
    NeedSpace(kHeadingSize + 4 + 3 * kTextLeading);  // never alone at the foot of a page
    m_pages.back() += std::string(kNavy) + " rg\n";
    Block(text, 0, Face::Bold, kHeadingSize, kHeadingSize + 4);
    m_pages.back() += "0 g\n";
    m_y -= 2;
}

void CPdfDocument::Paragraph(const std::string& text) {
    Block(text, 0, Face::Regular, kTextSize, kTextLeading);
    m_y -= 6;
}

void CPdfDocument::Bullet(const std::string& text) {
    NeedSpace(kTextLeading);
    Text(kLeft + 3, m_y - kTextSize, "\x95", Face::Regular, kTextSize);
    Block(text, kBulletIndent, Face::Regular, kTextSize, kTextLeading);
    m_y -= 3;
}

std::vector<double> CPdfDocument::ColumnWidths(const std::vector<std::vector<Cell>>& rows,
                                               double size) const {
    const std::size_t columns = rows.front().size();
    std::vector<double> natural(columns, 0);
    std::vector<double> minimum(columns, 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Face face = r == 0 ? Face::Bold : Face::Regular;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string& text = rows[r][c].lines.front();
            // A heading may wrap to make room for the values under it.
            if (r > 0) {
                natural[c] = std::max(natural[c], TextWidth(text, face, size) + 2 * kCellPad);
            }
            for (const std::string& word : Words(text)) {
                minimum[c] = std::max(minimum[c], TextWidth(word, face, size) + 2 * kCellPad);
            }
        }
    }
    const double available = kRight - kLeft;
    double naturalSum = 0;
    double minimumSum = 0;
    for (std::size_t c = 0; c < columns; ++c) {
        natural[c] = std::max(natural[c], minimum[c]);
        naturalSum += natural[c];
        minimumSum += minimum[c];
    }
    std::vector<double> widths(columns);
    for (std::size_t c = 0; c < columns; ++c) {
        if (naturalSum <= available) {
            widths[c] = natural[c] * available / naturalSum;
        } else if (minimumSum >= available || naturalSum == minimumSum) {
            widths[c] = minimum[c] * available / minimumSum;
        } else {
            widths[c] = minimum[c] + (natural[c] - minimum[c]) * (available - minimumSum) /
                                         (naturalSum - minimumSum);
        }
    }
    return widths;
}

double CPdfDocument::RowHeight(const std::vector<Cell>& row) const {
    std::size_t lines = 1;
    for (const Cell& cell : row) {
        lines = std::max(lines, cell.lines.size());
    }
    return static_cast<double>(lines) * kTableLeading + 2 * kCellPad;
}

void CPdfDocument::DrawRow(const std::vector<Cell>& row, const std::vector<double>& widths,
                           Face face, double shade) {
    const double height = RowHeight(row);
    std::string& page = m_pages.back();
    if (shade < 1) {
        page += Number(shade) + " g " + Number(kLeft) + " " + Number(m_y - height) + " " +
                Number(kRight - kLeft) + " " + Number(height) + " re f 0 g\n";
    }
    double x = kLeft;
    for (std::size_t c = 0; c < row.size(); ++c) {
        double y = m_y - kCellPad - kTableSize;
        for (const std::string& line : row[c].lines) {
            const double textX = row[c].right
                                     ? x + widths[c] - kCellPad - TextWidth(line, face, kTableSize)
                                     : x + kCellPad;
            Text(textX, y, line, face, kTableSize);
            y -= kTableLeading;
        }
        x += widths[c];
    }
    m_y -= height;
    m_pages.back() += "0.5 w 0.55 G " + Number(kLeft) + " " + Number(m_y) + " m " + Number(kRight) +
                      " " + Number(m_y) + " l S 0 G\n";
}

void CPdfDocument::Table(const PdfTable& table) {
    if (table.header.empty()) {
        return;
    }
    const std::size_t columns = table.header.size();
    std::vector<std::vector<Cell>> rows;
    rows.push_back({});
    for (const std::string& text : table.header) {
        rows.back().push_back({{Encode(text)}, false});
    }
    std::vector<bool> numeric(columns, true);
    for (const auto& source : table.rows) {
        rows.push_back({});
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string text = Encode(c < source.size() ? source[c] : std::string());
            numeric[c] = numeric[c] && (text.empty() || IsNumeric(text));
            rows.back().push_back({{text}, false});
        }
    }
    const std::vector<double> widths = ColumnWidths(rows, kTableSize);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            Cell& cell = rows[r][c];
            cell.right = numeric[c];
            cell.lines = Wrap(cell.lines.front(), r == 0 ? Face::Bold : Face::Regular, kTableSize,
                              widths[c] - 2 * kCellPad);
        }
    }
    m_y -= 4;
    NeedSpace(RowHeight(rows[0]) + (rows.size() > 1 ? RowHeight(rows[1]) : 0));
    m_pages.back() += "0.8 w 0 G " + Number(kLeft) + " " + Number(m_y) + " m " + Number(kRight) +
                      " " + Number(m_y) + " l S\n";
    DrawRow(rows[0], widths, Face::Bold, 0.87);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (m_y - RowHeight(rows[r]) < kBottom) {
            NewPage();
            DrawRow(rows[0], widths, Face::Bold, 0.87);  // the header again on every page
        }
        DrawRow(rows[r], widths, Face::Regular, r % 2 == 0 ? 0.95 : 1.0);
    }
    m_y -= 12;
}

bool CPdfDocument::Write(const std::string& path, std::string& error) const {
    if (!m_error.empty()) {
        error = m_error;
        return false;
    }
    const std::size_t pageCount = m_pages.size();
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "",  // the page tree, once the page objects are numbered
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>",
        "<< /Title " + InfoText(m_title) + " /Producer (veritom_stagefiles) >>",
    };
    std::string kids;
    std::string head;
    ToWinAnsi(m_runningHead, head, error);
    for (std::size_t i = 0; i < pageCount; ++i) {
        const std::size_t pageObject = objects.size() + 1;
        kids += std::to_string(pageObject) + " 0 R ";
        std::string pageText;
        ToWinAnsi(Format(m_pageLabel, static_cast<int>(i + 1), static_cast<int>(pageCount)),
                  pageText, error);
        std::string frame =
            "0.4 g\nBT /F1 8.00 Tf " + Number(kLeft) + " 806.00 Td " + Literal(head) + " Tj ET\n";
        frame += "BT /F1 8.00 Tf " + Number(kRight - TextWidth(pageText, Face::Regular, 8)) +
                 " 40.00 Td " + Literal(pageText) + " Tj ET\n0 g\n";
        frame += "0.5 w 0.6 G " + Number(kLeft) + " 800.00 m " + Number(kRight) + " 800.00 l S " +
                 Number(kLeft) + " 52.00 m " + Number(kRight) + " 52.00 l S 0 G\n";
        const std::string stream = frame + m_pages[i];
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(kPageWidth) +
                          " " + Number(kPageHeight) +
                          "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                          std::to_string(pageObject + 1) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream +
                          "endstream");
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) + " >>";
    if (!error.empty()) {
        return false;
    }

    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        out += Format("%010lld 00000 n \n", static_cast<long long>(offset));
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace veritom::stage
