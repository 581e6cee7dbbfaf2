#include "ProgressCommand.h"

#include <vector>

namespace veritom {

namespace progress {

std::string StartCommand(std::string_view title) {
    return "START|" + std::string(title) + "|";
}

std::string TextCommand(std::string_view line, std::string_view second) {
    std::string command = "TEXT|" + std::string(line) + "|";
    if (!second.empty()) {
        command += std::string(second) + "|";
    }
    return command;
}

}  // namespace progress

ProgressCommand ParseProgressCommand(std::string_view text) {
    if (text.empty() || text.back() != '|') {
        return {};
    }
    text.remove_suffix(1);
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t bar = text.find('|'); bar != std::string_view::npos;
         bar = text.find('|', start)) {
        fields.emplace_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    fields.emplace_back(text.substr(start));

    const std::string& name = fields.front();
    if (name == "START" && fields.size() >= 2) {
        // A title may itself hold a bar: everything up to the last one is the title.
        return {ProgressCommand::Kind::Start, std::string(text.substr(6)), {}};
    }
    if (name == "TEXT" && (fields.size() == 2 || fields.size() == 3)) {
        return {ProgressCommand::Kind::Text, fields[1], fields.size() == 3 ? fields[2] : ""};
    }
    if (name == "END_RESET" && fields.size() == 1) {
        return {ProgressCommand::Kind::EndReset, {}, {}};
    }
    if (name == "QUIT" && fields.size() == 1) {
        return {ProgressCommand::Kind::Quit, {}, {}};
    }
    return {};
}

}  // namespace veritom
