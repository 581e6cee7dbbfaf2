#include "app/ui/CommandEvent.h"

namespace veritom {

CCommandEvent::CCommandEvent(int commandId) : QEvent(EventType()), m_commandId(commandId) {}

QEvent::Type CCommandEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace veritom
