#pragma once

#include <QDialog>

#include "base/DialogResult.h"

namespace veritom {

// Runs a dialog and gives its result as the selection object expects it: Cancel, Esc and the
// window's close button give IDCANCEL, done(code) gives code.
inline int ExecDialog(QDialog& dialog) {
    const int result = dialog.exec();
    return result == QDialog::Rejected ? IDCANCEL : result;
}

}  // namespace veritom
