#pragma once

#include <QObject>

namespace veritom {

// What every dialog of the program does without each one asking for it: no minimise or
// maximise button, and modal to its own window only, so that the help window stays usable
// while a dialog is open.
class CDialogManners : public QObject {
public:
    explicit CDialogManners(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace veritom
