#pragma once

#include <string>
#include <vector>

namespace veritom::seldb {

// A catalogue table kept as tab-separated text: the first line that is neither blank nor a
// comment ("#") names the columns; every further such line is one row with exactly as many
// fields. Fields may carry the escapes \n, \t and \\.
class CTsvTable {
public:
    struct Row {
        int line = 0;  // 1-based line in the source, for messages
        std::vector<std::string> fields;
    };

    // Parses the text; a malformed line throws CBuildError naming the source and the line.
    static CTsvTable Parse(const std::string& text, const std::string& sourceName);
    static CTsvTable Read(const std::string& path);

    const std::string& SourceName() const { return m_sourceName; }
    const std::vector<std::string>& Header() const { return m_header; }
    const std::vector<Row>& Rows() const { return m_rows; }
    // Index of the column with the name, or -1.
    int ColumnIndex(const std::string& name) const;

private:
    std::string m_sourceName;
    std::vector<std::string> m_header;
    std::vector<Row> m_rows;
};

}  // namespace veritom::seldb
