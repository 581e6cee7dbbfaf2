#pragma once

#include <QEvent>
#include <functional>

namespace veritom {

// A piece of work the application runs as an event of its own, so that an engine failure in
// it is reported by notify like one in a command, and only that piece is abandoned.
class CTaskEvent : public QEvent {
public:
    explicit CTaskEvent(std::function<void()> task);

    void Run() const { m_task(); }

    static QEvent::Type EventType();

private:
    std::function<void()> m_task;
};

}  // namespace veritom
