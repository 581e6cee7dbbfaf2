#include "ReferenceSource.h"

#include <sstream>

namespace veritom::stage {

namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "@word rest" split into word and rest.
std::pair<std::string, std::string> Directive(const std::string& line) {
    const std::size_t space = line.find(' ');
    if (space == std::string::npos) {
        return {line.substr(1), {}};
    }
    return {line.substr(1, space - 1), Trim(line.substr(space + 1))};
}

std::vector<std::string> TableCells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 1;
    for (std::size_t bar = line.find('|', start); bar != std::string::npos;
         bar = line.find('|', start)) {
        cells.push_back(Trim(line.substr(start, bar - start)));
        start = bar + 1;
    }
    return cells;
}

}  // namespace

bool ParseReferenceSource(const std::string& source, ReferenceSource& out, std::string& error) {
    std::istringstream in(source);
    ReferenceDocument* document = nullptr;
    std::string paragraph;
    bool inBullet = false;
    int number = 0;
    const auto flush = [&] {
        if (!paragraph.empty() && document) {
            document->blocks.push_back({ReferenceBlock::Kind::Paragraph, paragraph, {}, {}});
        }
        paragraph.clear();
    };
    const auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(number) + ": " + why;
        return false;
    };
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        const std::string line = Trim(raw);
        if (!line.empty() && line.front() == '%') {
            continue;
        }
        if (line.empty()) {
            flush();
            inBullet = false;
            continue;
        }
        if (line.front() == '@' || line.front() == '|') {
            inBullet = false;
        }
        if (line.front() == '@') {
            flush();
            const auto [word, rest] = Directive(line);
            if (word == "running-head") {
                out.runningHead = rest;
            } else if (word == "page-label") {
                out.pageLabel = rest;
            } else if (word == "label") {
                const std::size_t space = rest.find(' ');
                if (space == std::string::npos) {
                    return fail("a label needs a key and a text");
                }
                out.labels[rest.substr(0, space)] = Trim(rest.substr(space + 1));
            } else if (word == "doc") {
                if (out.documents.count(rest)) {
                    return fail("document " + rest + " twice");
                }
                document = &out.documents[rest];
            } else if (!document) {
                return fail("@" + word + " before the first @doc");
            } else if (word == "title") {
                document->title = rest;
            } else if (word == "heading") {
                document->blocks.push_back({ReferenceBlock::Kind::Heading, rest, {}, {}});
            } else if (word == "table") {
                const auto [kind, argument] = Directive("@" + rest);
                document->blocks.push_back(
                    {ReferenceBlock::Kind::CatalogueTable, kind, argument, {}});
            } else {
                return fail("unknown directive @" + word);
            }
            continue;
        }
        if (!document) {
            return fail("text before the first @doc");
        }
        if (line.front() == '|') {
            flush();
            auto& blocks = document->blocks;
            if (blocks.empty() || blocks.back().kind != ReferenceBlock::Kind::Table) {
                blocks.push_back({ReferenceBlock::Kind::Table, {}, {}, {}});
            }
            blocks.back().rows.push_back(TableCells(line));
            if (blocks.back().rows.back().size() != blocks.back().rows.front().size()) {
                return fail("a table row with another number of cells than its header");
            }
            continue;
        }
        if (line.rfind("- ", 0) == 0) {
            flush();
            document->blocks.push_back({ReferenceBlock::Kind::Bullet, line.substr(2), {}, {}});
            inBullet = true;
            continue;
        }
        if (paragraph.empty() && inBullet) {
            document->blocks.back().text += " " + line;  // a bullet goes on to the next line
            continue;
        }
        paragraph += paragraph.empty() ? line : " " + line;
    }
    flush();
    for (const auto& [name, doc] : out.documents) {
        if (doc.title.empty()) {
            error = name + " has no @title";
            return false;
        }
    }
    if (out.pageLabel.empty()) {
        error = "no @page-label";
        return false;
    }
    return true;
}

}  // namespace veritom::stage
