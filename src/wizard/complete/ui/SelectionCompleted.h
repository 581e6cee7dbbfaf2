#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "wizard/complete/SelectionCompletedOptions.h"

class QCheckBox;
class QPushButton;

namespace veritom {

// The Selection Complete dialog (templates 207 and 208): the follow-up actions of a
// finished selection in one place. Its buttons run the application's menu commands while it
// stays open; the CAD buttons are enabled as the menu items are. Whether it is offered
// again is the check box, which the caller stores when the dialog has closed.
class CSelectionCompleted : public QDialog {
public:
    // Runs a menu command; tells whether a menu command is enabled.
    using RunCommand = std::function<void(int commandId)>;
    using IsCommandEnabled = std::function<bool(int commandId)>;

    CSelectionCompleted(int templateId, RunCommand run, IsCommandEnabled enabled,
                        QWidget* parent = nullptr);

    void Run();
    // The profile value of the check box: 1 ticked, 0 not.
    int ShowValue() const;

private:
    struct ActionButton {
        CompletionAction action;
        QPushButton* button;
    };

    QPushButton* AddButton(const CompletionAction& action, QWidget* parent);
    void UpdateCadButtons();
    void OnAction(int commandId);

    CSelectionCompletedOptions m_options;
    RunCommand m_run;
    IsCommandEnabled m_enabled;
    std::vector<ActionButton> m_buttons;
    QCheckBox* m_showOptions = nullptr;
};

}  // namespace veritom
