#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "units/TabComboWidth.h"
#include "units/TabStops.h"

namespace veritom {

// A drop-down list whose lines show tab-separated columns at its tab stops. The drop-down
// widens to its widest line (see CTabComboWidth for the two width modes).
class CTabComboBox : public QComboBox {
public:
    explicit CTabComboBox(QWidget* parent = nullptr);

    // Adds a line; the drop-down widens when the line does not fit. Returns its index.
    int AddString(const std::string& text);
    void SetTabStops(const std::vector<int>& positions);
    void SetWidthMode(int mode);
    // Removes all lines; the drop-down returns to its base width.
    void Clear();

    int DropDownWidth() const { return m_width.DropDownWidth(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyDropDownWidth();
    int FrameWidth() const;

    CTabStops m_stops;
    CTabComboWidth m_width;
};

}  // namespace veritom
