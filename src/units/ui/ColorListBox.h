#pragma once

#include <QListWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "units/ColorList.h"

namespace veritom {

// A list box whose lines carry their own colours, a value for the caller and a selectable
// flag. The selection skips unselectable lines in the direction of the last key move, a
// click on one is ignored, and typing a letter or digit selects the first line starting
// with exactly that character.
class CColorListBox : public QListWidget {
public:
    explicit CColorListBox(QWidget* parent = nullptr);

    int AddLine(const std::string& text, bool selectable = true,
                ListColour textColour = kSystemColour, ListColour background = kSystemColour);
    void SetLineValue(int index, std::int32_t value) { m_list.SetLineValue(index, value); }
    std::int32_t GetLineValue(int index) const { return m_list.GetLineValue(index); }
    void SetLineColours(int index, ListColour text, ListColour background);
    bool IsSelectable(int index) const { return m_list.IsSelectable(index); }
    void SetTabStops(const std::vector<int>& positions);
    void SetKeepColours(bool keep);
    // No line is ever selected.
    void SetNoSelection(bool on);
    void Clear();
    void Enable(bool enabled);

    const CColorList& List() const { return m_list; }

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Makes the rows match the list's lines.
    void ShowLines();
    void TakeSystemColours();
    bool IgnoresClickAt(const QPoint& position) const;

    CColorList m_list;
};

}  // namespace veritom
