#include "DataDocument.h"

#include <filesystem>

#include "base/MessageSink.h"
#include "base/Paths.h"

namespace veritom {

CDataDocument::CDataDocument(const std::string& folder, const std::string& name)
    : m_name(name), m_path(JoinPath(folder, name)) {}

bool CDataDocument::IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (const char c : name) {
        // Separators of either system, drive letters and address schemes, control characters.
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return true;
}

bool CDataDocument::IsOpenable() const {
    std::error_code error;
    return IsPlainFileName(m_name) && std::filesystem::is_regular_file(m_path, error);
}

bool CDataDocument::Open() const {
    return IsOpenable() && Messages().OpenDocument(m_path);
}

bool CDataDocument::ShowHelp(const std::string& keyword) const {
    return IsOpenable() && Messages().ShowHelp(m_path, 0, keyword);
}

}  // namespace veritom
