#pragma once

#include <optional>
#include <string>

#include "base/MessageSink.h"

namespace veritom {

class IDatabase;

// The message convention of the dialogs: a message is named by a code and its text lives
// in the database ("qGetMessages"). A code without a text, or with an empty one, yields
// nothing and shows nothing.
std::optional<std::string> LookupCatalogueMessage(IDatabase& db, const std::string& code);

// Shows the code's text in a box with an OK button; false when there was nothing to show.
bool ShowCatalogueMessage(IDatabase& db, const std::string& code, MsgIcon icon = MsgIcon::None);

}  // namespace veritom
