#include "units/ui/NumericEdit.h"

#include <QKeyEvent>

#include "base/MessageSink.h"
#include "units/ui/NumericValidator.h"

namespace veritom {

namespace {

std::size_t Utf8Offset(const QString& text, int position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

// A key that types a character; shortcuts, editing and moving keys are left to the box.
bool TypesCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1 ||
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const char16_t ch = text.front().unicode();
    return ch >= 0x20 && ch != 0x7F;
}

}  // namespace

CNumericEdit::CNumericEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new CNumericValidator(m_rules, this));
}

void CNumericEdit::SetText(const std::string& text) {
    setText(QString::fromStdString(m_rules.ShownText(text)));
}

std::string CNumericEdit::GetText() const {
    return m_rules.ReadText(text().toStdString());
}

double CNumericEdit::GetNumber() const {
    return CNumericEditRules::ReadNumber(text().toStdString());
}

void CNumericEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly() || !TypesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char16_t typed = event->text().front().unicode();
    const char ch = typed < 0x80 ? static_cast<char>(typed) : '\0';
    const QString current = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    const std::size_t byteStart = Utf8Offset(current, start);
    const std::size_t byteLength = Utf8Offset(current, start + length) - byteStart;
    if (ch == '\0' || !m_rules.AcceptsTyped(current.toStdString(), byteStart, byteLength, ch)) {
        event->accept();
        Messages().Beep();
        return;
    }
    insert(QString(QLatin1Char(m_rules.Shown(ch))));
    event->accept();
}

}  // namespace veritom
