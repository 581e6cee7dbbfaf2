#include "ColorList.h"

#include <stdexcept>

namespace veritom {

std::size_t CColorList::Checked(int index) const {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("colour list line");
    }
    return static_cast<std::size_t>(index);
}

CColorList::Record* CColorList::RecordAt(int index) {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    auto& record = m_lines[static_cast<std::size_t>(index)].record;
    return record ? &*record : nullptr;
}

const CColorList::Record* CColorList::RecordAt(int index) const {
    return const_cast<CColorList*>(this)->RecordAt(index);
}

bool CColorList::HasRecord(int index) const {
    return RecordAt(index) != nullptr;
}

int CColorList::AddLine(std::string text, bool selectable, ListColour textColour,
                        ListColour background) {
    if (HasPlaceholder()) {
        m_lines.clear();
    }
    m_lines.push_back({std::move(text), Record{textColour, background, -1, selectable}});
    return Count() - 1;
}

void CColorList::SetLineValue(int index, std::int32_t value) {
    if (Record* record = RecordAt(index)) {
        record->value = value;
    }
}

std::int32_t CColorList::GetLineValue(int index) const {
    const Record* record = RecordAt(index);
    return record ? record->value : -1;
}

void CColorList::SetLineColours(int index, ListColour text, ListColour background) {
    if (Record* record = RecordAt(index)) {
        record->text = text;
        record->background = background;
    }
}

bool CColorList::IsSelectable(int index) const {
    const Record* record = RecordAt(index);
    return !record || record->selectable;
}

void CColorList::UpdatePlaceholder() {
    if (!m_enabled && m_lines.empty()) {
        m_lines.push_back({std::string(kPlaceholder), std::nullopt});
    }
}

void CColorList::Clear() {
    m_lines.clear();
    UpdatePlaceholder();
}

void CColorList::Enable(bool enabled) {
    m_enabled = enabled;
    UpdatePlaceholder();
}

int CColorList::Land(int target, int previous) const {
    if (m_noSelection || target < 0 || target >= Count()) {
        return m_noSelection ? -1 : previous;
    }
    const int step = m_lastMove == KeyMove::Down ? 1 : -1;
    for (int index = target; index >= 0 && index < Count(); index += step) {
        if (IsSelectable(index)) {
            return index;
        }
    }
    return previous;
}

bool CColorList::AcceptsClick(int index) const {
    return !m_noSelection && index >= 0 && index < Count() && IsSelectable(index);
}

int CColorList::FindTyped(std::string_view character) const {
    if (character.empty()) {
        return -1;
    }
    for (int index = 0; index < Count(); ++index) {
        if (HasRecord(index) && Text(index).starts_with(character)) {
            return index;
        }
    }
    return -1;
}

LinePaint CColorList::Paint(int index, bool selected, bool hasFocus) const {
    const Record* record = RecordAt(index);
    if (!record) {
        return {};
    }
    LinePaint paint;
    paint.drawn = true;
    if (!m_enabled) {
        paint.text = m_system.greyText;
        paint.background = m_system.buttonFace;
    } else if (!record->selectable) {
        paint.text = m_system.greyText;
        paint.background = m_system.window;
    } else if (selected && !m_keepColours && !m_noSelection) {
        paint.text = m_system.highlightText;
        paint.background = m_system.highlight;
    } else {
        paint.text = record->text == kSystemColour ? m_system.windowText : record->text;
        paint.background =
            record->background == kSystemColour ? m_system.window : record->background;
    }
    paint.focusRect = hasFocus && selected && record->selectable && !m_noSelection && m_enabled;
    return paint;
}

}  // namespace veritom
