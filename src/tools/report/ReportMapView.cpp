#include "ReportMapView.h"

namespace veritom {

CReportMapView::CReportMapView(const CReportMap& map) {
    m_texts.reserve(map.size());
    m_entries.reserve(map.size());
    for (const auto& [key, texts] : map) {
        std::vector<const char*>& pointers = m_texts.emplace_back();
        pointers.reserve(texts.size());
        for (const std::string& text : texts) {
            pointers.push_back(text.c_str());
        }
        m_entries.push_back({key.c_str(), pointers.data(), static_cast<int>(pointers.size())});
    }
    m_map.entries = m_entries.data();
    m_map.entryCount = static_cast<int>(m_entries.size());
}

}  // namespace veritom
