#pragma once

#include <string>

namespace veritom {

class IConfigStore;

// The order pad's language follows the selector's: the machine store lists the order pad's
// languages (one subkey each, with "Code" and "DllName"), and the current user's order pad
// key gets "Code" and "ResDll" of the current language.
inline constexpr const char* kOrderPadLanguageKey =
    "Software\\Veldor Kastrel\\Veritom\\OrderPad\\1.0\\Language";
inline constexpr const char* kOrderPadUserKey = "Software\\Veldor Kastrel\\Veritom\\OrderPad\\1.0";

// "DllName" of the first language subkey whose "Code" is code; empty when none is.
std::string FindOrderPadLibrary(const IConfigStore& store, const std::string& code);

// Writes "Code" and "ResDll" (empty when the language has no order pad library) for the
// current user; false when the store could not be written.
bool SetUpOrderPadLanguage(IConfigStore& store, const std::string& code);

}  // namespace veritom
