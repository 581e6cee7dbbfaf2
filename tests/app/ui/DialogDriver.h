#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QDialog;

namespace veritom::test {

// Answers the modal dialogs a command opens, in the order they are expected: as soon as the
// dialog with the expected object name is the active modal window, its action runs. A modal
// dialog nobody expected is noted and rejected, and a dialog still open after the time limit
// is rejected too, so a test never hangs on a dialog.
class CDialogDriver {
public:
    using Action = std::function<void(QDialog&)>;

    CDialogDriver();
    ~CDialogDriver();

    void Expect(const QString& objectName, Action action);
    // Every expected dialog has appeared.
    bool AllHandled() const { return m_expected.empty(); }
    const QStringList& Unexpected() const { return m_unexpected; }
    const QStringList& Handled() const { return m_handled; }

private:
    struct Expectation {
        QString name;
        Action action;
    };
    void Poll();

    QTimer m_timer;
    std::deque<Expectation> m_expected;
    std::vector<QPointer<QDialog>> m_open;
    QStringList m_unexpected;
    QStringList m_handled;
    int m_ticksOnDialog = 0;
};

// Helpers for the actions: the child of dialog with the object name, clicked or selected.
void ClickButton(QDialog& dialog, const char* name);
void SelectRow(QDialog& dialog, const char* listName, const QString& text);
// A radio button or check box clicked, a combo box entry chosen by its text, a line edit's
// text replaced; each lets the dialog's queued work run.
void ClickChoice(QDialog& dialog, const char* name);
void ChooseText(QDialog& dialog, const char* comboName, const QString& text);
void EnterText(QDialog& dialog, const char* editName, const QString& text);

}  // namespace veritom::test
