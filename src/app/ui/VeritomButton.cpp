#include "app/ui/VeritomButton.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace veritom {

namespace {

bool IsPlainTab(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
}

}  // namespace

CVeritomButton::CVeritomButton(const QString& text, int controlId, QWidget* parent)
    : QPushButton(text, parent), m_controlId(controlId) {
    setObjectName(QStringLiteral("button%1").arg(controlId));
    setFocusPolicy(Qt::StrongFocus);
}

bool CVeritomButton::event(QEvent* event) {
    // Qt would move the focus on Tab before the key reaches keyPressEvent.
    if (IsPlainTab(event) && parentWidget()) {
        QCoreApplication::sendEvent(parentWidget(), event);
        return true;
    }
    return QPushButton::event(event);
}

void CVeritomButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace veritom
