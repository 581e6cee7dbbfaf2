#include "units/ui/ColorListBox.h"

#include <QMouseEvent>

#include "units/ui/ColorLineDelegate.h"

namespace veritom {

namespace {

ListColour FromColor(const QColor& color) {
    return RgbColour(color.red(), color.green(), color.blue());
}

}  // namespace

CColorListBox::CColorListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new CColorLineDelegate(m_list, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    TakeSystemColours();
}

void CColorListBox::TakeSystemColours() {
    const QPalette& colours = palette();
    ListSystemColours system;
    system.window = FromColor(colours.color(QPalette::Active, QPalette::Base));
    system.windowText = FromColor(colours.color(QPalette::Active, QPalette::Text));
    system.buttonFace = FromColor(colours.color(QPalette::Active, QPalette::Button));
    system.greyText = FromColor(colours.color(QPalette::Disabled, QPalette::Text));
    system.highlight = FromColor(colours.color(QPalette::Active, QPalette::Highlight));
    system.highlightText = FromColor(colours.color(QPalette::Active, QPalette::HighlightedText));
    m_list.SetSystemColours(system);
}

void CColorListBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        TakeSystemColours();
    }
    QListWidget::changeEvent(event);
}

void CColorListBox::ShowLines() {
    while (count() > m_list.Count()) {
        delete takeItem(count() - 1);
    }
    for (int row = 0; row < count(); ++row) {
        const QString text = QString::fromStdString(m_list.Text(row));
        if (item(row)->text() != text) {
            item(row)->setText(text);
        }
    }
    for (int row = count(); row < m_list.Count(); ++row) {
        addItem(QString::fromStdString(m_list.Text(row)));
    }
    viewport()->update();
}

int CColorListBox::AddLine(const std::string& text, bool selectable, ListColour textColour,
                           ListColour background) {
    const bool hadPlaceholder = m_list.Count() == 1 && !m_list.HasRecord(0);
    const int index = m_list.AddLine(text, selectable, textColour, background);
    if (hadPlaceholder) {
        ShowLines();
    } else {
        addItem(QString::fromStdString(text));
    }
    return index;
}

void CColorListBox::SetLineColours(int index, ListColour text, ListColour background) {
    m_list.SetLineColours(index, text, background);
    viewport()->update();
}

void CColorListBox::SetTabStops(const std::vector<int>& positions) {
    m_list.SetTabStops(positions);
    viewport()->update();
}

void CColorListBox::SetKeepColours(bool keep) {
    m_list.SetKeepColours(keep);
    viewport()->update();
}

void CColorListBox::SetNoSelection(bool on) {
    m_list.SetNoSelection(on);
    setSelectionMode(on ? QAbstractItemView::NoSelection : QAbstractItemView::SingleSelection);
    if (on) {
        clearSelection();
    }
}

void CColorListBox::Clear() {
    clear();
    m_list.Clear();
    ShowLines();
}

void CColorListBox::Enable(bool enabled) {
    m_list.Enable(enabled);
    setEnabled(enabled);
    ShowLines();
}

QModelIndex CColorListBox::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    switch (cursorAction) {
        case MoveDown:
        case MoveRight:
        case MovePageDown:
            m_list.NoteKeyMove(CColorList::KeyMove::Down);
            break;
        case MoveUp:
        case MoveLeft:
        case MovePageUp:
            m_list.NoteKeyMove(CColorList::KeyMove::Up);
            break;
        default:
            break;
    }
    const QModelIndex target = QListWidget::moveCursor(cursorAction, modifiers);
    const int row = m_list.Land(target.isValid() ? target.row() : -1, currentRow());
    return row >= 0 ? model()->index(row, 0) : QModelIndex();
}

void CColorListBox::keyboardSearch(const QString& search) {
    if (search.size() != 1 || !search.front().isLetterOrNumber()) {
        return;
    }
    const int found = m_list.FindTyped(search.toStdString());
    if (found < 0) {
        return;
    }
    const int row = m_list.Land(found, currentRow());
    if (row >= 0) {
        setCurrentRow(row);
        scrollToItem(item(row));
    }
}

bool CColorListBox::IgnoresClickAt(const QPoint& position) const {
    return !m_list.AcceptsClick(indexAt(position).row());
}

void CColorListBox::mousePressEvent(QMouseEvent* event) {
    if (IgnoresClickAt(event->position().toPoint())) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void CColorListBox::mouseMoveEvent(QMouseEvent* event) {
    if (IgnoresClickAt(event->position().toPoint())) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void CColorListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (IgnoresClickAt(event->position().toPoint())) {
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

}  // namespace veritom
