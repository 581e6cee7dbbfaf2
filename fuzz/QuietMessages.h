#pragma once

namespace veritom::fuzz {

// Installs, once, a message sink that answers every box with its first button and shows
// nothing: a damaged input may make the code under test report a message.
void QuietMessages();

}  // namespace veritom::fuzz
