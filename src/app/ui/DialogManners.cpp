#include "app/ui/DialogManners.h"

#include <QDialog>
#include <QEvent>

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
    return QObject::eventFilter(watched, event);
}

}  // namespace veritom
