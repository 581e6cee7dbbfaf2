#include "app/ui/TaskEvent.h"

namespace veritom {

CTaskEvent::CTaskEvent(std::function<void()> task) : QEvent(EventType()), m_task(std::move(task)) {}

QEvent::Type CTaskEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace veritom
