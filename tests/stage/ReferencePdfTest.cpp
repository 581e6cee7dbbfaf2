#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "base/TextCodec.h"

namespace {

namespace fs = std::filesystem;

const fs::path kReference = fs::path(VERITOM_STAGE_DIR) / "share/veritom/Reference";
const fs::path kSource = VERITOM_SOURCE_DIR;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) {
        cells.push_back(cell);
    }
    return cells;
}

// Rows of a catalogue table as column name to text.
std::vector<std::map<std::string, std::string>> Catalogue(const std::string& table) {
    std::ifstream in(kSource / "seldb/data" / (table + ".tsv"));
    std::vector<std::string> columns;
    std::vector<std::map<std::string, std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> cells = SplitTabs(line);
        if (columns.empty()) {
            columns = cells;
            continue;
        }
        rows.emplace_back();
        for (std::size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
            rows.back()[columns[i]] = cells[i];
        }
    }
    return rows;
}

// The titles the document source gives each document of a language.
std::map<std::string, std::string> SourceTitles(const std::string& language) {
    std::ifstream in(kSource / "stage/reference" / ("Reference" + language + ".txt"));
    std::map<std::string, std::string> titles;
    std::string document;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("@doc ", 0) == 0) {
            document = line.substr(5);
        } else if (line.rfind("@title ", 0) == 0) {
            titles[document] = line.substr(7);
        }
    }
    return titles;
}

// What a PDF of the stage tree shows: the decoded title of its information dictionary and
// the texts its pages draw, in drawing order, as UTF-8.
struct PdfText {
    std::string title;
    std::vector<std::vector<std::string>> pages;
};

std::string DecodeLiteral(const std::string& literal) {
    std::string bytes;
    for (std::size_t i = 0; i < literal.size(); ++i) {
        if (literal[i] != '\\') {
            bytes += literal[i];
        } else if (i + 3 < literal.size() &&
                   std::isdigit(static_cast<unsigned char>(literal[i + 1]))) {
            bytes += static_cast<char>(std::stoi(literal.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            bytes += literal[++i];
        }
    }
    return veritom::Windows1252ToUtf8(bytes);
}

std::string DecodeHexUtf16(const std::string& hex) {
    std::u16string units;
    for (std::size_t i = 4; i + 4 <= hex.size(); i += 4) {  // after the byte order mark
        units += static_cast<char16_t>(std::stoi(hex.substr(i, 4), nullptr, 16));
    }
    return veritom::Utf16ToUtf8(units);
}

PdfText ReadPdfText(const std::string& pdf) {
    PdfText text;
    std::smatch title;
    if (std::regex_search(pdf, title, std::regex("/Title <(FEFF[0-9A-F]*)>"))) {
        text.title = DecodeHexUtf16(title[1]);
    }
    const std::regex shown(R"(\(((?:[^\\)]|\\.)*)\) Tj)");
    const std::regex stream(R"(/Length (\d+) >>\nstream\n)");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), stream);
         it != std::sregex_iterator(); ++it) {
        const std::string content = pdf.substr(
            static_cast<std::size_t>(it->position() + it->length()), std::stoul((*it)[1]));
        text.pages.emplace_back();
        for (auto show = std::sregex_iterator(content.begin(), content.end(), shown);
             show != std::sregex_iterator(); ++show) {
            text.pages.back().push_back(DecodeLiteral((*show)[1]));
        }
    }
    return text;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) {
        out += text + " ";
    }
    return out;
}

// Every offset of the cross-reference table points at the object it names, startxref at
// the table, and each stream is as long as its /Length says.
void ExpectWellFormed(const std::string& pdf, const std::string& name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    ASSERT_GE(pdf.size(), 6u);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    const std::size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(startxref + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::istringstream table(pdf.substr(xref + 5));
    std::size_t first = 0;
    std::size_t count = 0;
    table >> first >> count;
    ASSERT_EQ(first, 0u);
    ASSERT_GE(count, 6u);  // catalogue, pages, two fonts, information, a page
    std::string offset, generation, kind;
    table >> offset >> generation >> kind;
    EXPECT_EQ(kind, "f");
    for (std::size_t object = 1; object < count; ++object) {
        table >> offset >> generation >> kind;
        ASSERT_EQ(kind, "n") << object;
        EXPECT_EQ(pdf.compare(std::stoul(offset), std::to_string(object).size() + 7,
                              std::to_string(object) + " 0 obj\n"),
                  0)
            << "object " << object;
    }
    const std::size_t trailer = pdf.find("trailer\n<< /Size " + std::to_string(count) + " ", xref);
    ASSERT_NE(trailer, std::string::npos);
    EXPECT_NE(pdf.find("/Root 1 0 R", trailer), std::string::npos);
    const std::regex length(R"(/Length (\d+) >>\nstream\n)");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), length);
         it != std::sregex_iterator(); ++it) {
        const std::size_t start = static_cast<std::size_t>(it->position() + it->length());
        EXPECT_EQ(pdf.compare(start + std::stoul((*it)[1]), 9, "endstream"), 0);
    }
}

class ReferencePdf : public testing::TestWithParam<std::string> {};

// Every document the selection database names, as the stage build collects them.
std::vector<std::string> NamedDocuments() {
    std::vector<std::string> names;
    const std::regex document("[A-Za-z0-9_-]+\\.pdf");
    for (const auto& entry : fs::directory_iterator(kSource / "seldb/data")) {
        const std::string text = ReadAll(entry.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), document);
             it != std::sregex_iterator(); ++it) {
            names.push_back(it->str());
        }
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

TEST_P(ReferencePdf, EveryNamedDocumentIsWellFormedAndShowsItsTitle) {
    const std::string language = GetParam();
    const std::map<std::string, std::string> titles = SourceTitles(language);
    const std::vector<std::string> names = NamedDocuments();
    EXPECT_GE(names.size(), 30u);
    for (const std::string& name : names) {
        const fs::path path = kReference / language / name;
        ASSERT_TRUE(fs::exists(path)) << path;
        const std::string pdf = ReadAll(path);
        ExpectWellFormed(pdf, name);
        ASSERT_TRUE(titles.count(name)) << name << " has no @doc in the source";
        const PdfText text = ReadPdfText(pdf);
        EXPECT_EQ(text.title, titles.at(name));
        ASSERT_FALSE(text.pages.empty()) << name;
        // The title may wrap; its lines follow each other on the first page.
        const std::string shown = Joined(text.pages.front());
        EXPECT_NE(shown.find(titles.at(name) + " "), std::string::npos)
            << name << ": " << shown.substr(0, 200);
    }
}

// The ratings of a series sheet are the catalogue's: every size's flow factor and inlet
// pressure appear on it, written with the language's decimal mark.
TEST_P(ReferencePdf, SeriesSheetsShowTheCatalogueRatings) {
    const std::string language = GetParam();
    std::map<std::string, std::string> sheets;
    for (const auto& series : Catalogue("Series")) {
        if (!series.at("RefFile").empty()) {
            sheets[series.at("SeriesLink")] = series.at("RefFile");
        }
    }
    ASSERT_GE(sheets.size(), 10u);
    for (const auto& size : Catalogue("SeriesSize")) {
        const auto sheet = sheets.find(size.at("SeriesLink"));
        if (sheet == sheets.end()) {
            continue;
        }
        const PdfText text = ReadPdfText(ReadAll(kReference / language / sheet->second));
        std::vector<std::string> cells;
        for (const auto& page : text.pages) {
            cells.insert(cells.end(), page.begin(), page.end());
        }
        std::string cv = size.at("Cv");
        if (language == "DE") {
            std::replace(cv.begin(), cv.end(), '.', ',');
        }
        const auto has = [&](const std::string& cell) {
            return std::find(cells.begin(), cells.end(), cell) != cells.end();
        };
        EXPECT_TRUE(has(cv)) << sheet->second << " lacks Cv " << cv;
        EXPECT_TRUE(has(size.at("MaxInPress")))
            << sheet->second << " lacks " << size.at("MaxInPress");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ReferencePdf, testing::Values("EN", "DE"));

}  // namespace
