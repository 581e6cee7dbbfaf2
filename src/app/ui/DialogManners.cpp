#include "app/ui/DialogManners.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>

namespace veritom {

CDialogManners::CDialogManners(QObject* parent) : QObject(parent) {}

bool CDialogManners::eventFilter(QObject* watched, QEvent* event) {
    // Polish comes before a window is first shown, while its flags can still change freely.
    if (event->type() == QEvent::Polish) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && !dialog->isVisible()) {
            Qt::WindowFlags flags = dialog->windowFlags();
            flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
            dialog->setWindowFlags(flags | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
            if (dialog->parentWidget()) {
                dialog->setWindowModality(Qt::WindowModal);
            }
        }
    }
    // F1 anywhere in a dialog is its Help button: the dialog's own help topic.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        QWidget* window = static_cast<QWidget*>(watched)->window();
        auto* help = qobject_cast<QDialog*>(window)
                         ? window->findChild<QAbstractButton*>(QStringLiteral("helpButton"))
                         : nullptr;
        if (help && help->isEnabled()) {
            help->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace veritom
