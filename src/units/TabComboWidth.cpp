#include "TabComboWidth.h"

#include <algorithm>

namespace veritom {

void CTabComboWidth::SetWidthMode(int mode) {
    m_mode = mode == 2 ? 2 : 1;
}

void CTabComboWidth::SetControlWidth(int width) {
    m_control = std::max(width, 0);
}

bool CTabComboWidth::AddLine(int lineWidth) {
    const int before = DropDownWidth();
    m_widest = std::max(m_widest, lineWidth + m_frame);
    return DropDownWidth() > before;
}

int CTabComboWidth::DropDownWidth() const {
    return std::max(BaseWidth(), m_widest);
}

}  // namespace veritom
