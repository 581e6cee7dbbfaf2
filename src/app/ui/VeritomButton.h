#pragma once

#include <QPushButton>

namespace veritom {

// A push button of the button panel. Tab goes to the panel, which moves the current step;
// Enter presses the button exactly as a click does.
class CVeritomButton : public QPushButton {
public:
    CVeritomButton(const QString& text, int controlId, QWidget* parent);

    int ControlId() const { return m_controlId; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_controlId;
};

}  // namespace veritom
