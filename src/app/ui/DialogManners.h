#pragma once

#include <QObject>

namespace veritom {

// What every dialog of the program does without each one asking for it: no minimise or
// maximise button, modal to its own window only, so that the help window stays usable
// while a dialog is open, and F1 for its Help button.
class CDialogManners : public QObject {
public:
    explicit CDialogManners(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace veritom
