#pragma once

#include <QEvent>

namespace veritom {

// A menu, toolbar or panel command on its way to the application. Commands travel as events
// sent through QApplication::notify, so an engine failure inside a command is caught there,
// reported, and ends only that command.
class CCommandEvent : public QEvent {
public:
    explicit CCommandEvent(int commandId);

    int CommandId() const { return m_commandId; }

    static QEvent::Type EventType();

private:
    int m_commandId;
};

}  // namespace veritom
