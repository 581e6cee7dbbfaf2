#pragma once

#include <map>
#include <string>
#include <vector>

namespace veritom::stage {

// One block of a reference document.
struct ReferenceBlock {
    enum class Kind { Heading, Paragraph, Bullet, CatalogueTable, Table } kind;
    std::string text;                            // heading, paragraph, bullet; table kind
    std::string argument;                        // catalogue table argument
    std::vector<std::vector<std::string>> rows;  // literal table, header first
};

struct ReferenceDocument {
    std::string title;
    std::vector<ReferenceBlock> blocks;
};

// The reference documents of one language, written as text:
//   % a comment               @running-head TEXT       @page-label Page %d of %d
//   @label KEY TEXT           (texts of the catalogue tables)
//   @doc NAME.pdf             starts a document;  @title TEXT
//   @heading TEXT             - a bullet          | a | literal | table |  (first row: header)
//   @table KIND [ARGUMENT]    a table made from the catalogue
// Other lines are paragraph text; a blank line ends a paragraph.
struct ReferenceSource {
    std::string runningHead;
    std::string pageLabel;
    std::map<std::string, std::string> labels;
    std::map<std::string, ReferenceDocument> documents;
};

// Parses source; on a malformed line returns false and says which line in error.
bool ParseReferenceSource(const std::string& source, ReferenceSource& out, std::string& error);

}  // namespace veritom::stage
