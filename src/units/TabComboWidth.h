#pragma once

namespace veritom {

// The width of a tab-aware combo box's drop-down list: never narrower than the width mode
// times the control's width (mode 1: as wide as the control, mode 2: twice as wide), and
// widened to each line that does not fit, with room for the scroll bar and borders.
class CTabComboWidth {
public:
    // Modes other than 1 and 2 count as 1.
    void SetWidthMode(int mode);
    int WidthMode() const { return m_mode; }
    void SetControlWidth(int width);
    void SetFrameWidth(int scrollBarAndBorders) { m_frame = scrollBarAndBorders; }

    // Notes a line of lineWidth pixels; true when the drop-down had to widen.
    bool AddLine(int lineWidth);
    // Back to the base width.
    void Clear() { m_widest = 0; }
    int DropDownWidth() const;
    int BaseWidth() const { return m_mode * m_control; }

private:
    int m_mode = 1;
    int m_control = 0;
    int m_frame = 0;
    int m_widest = 0;
};

}  // namespace veritom
