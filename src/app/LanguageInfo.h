#pragma once

#include <string>

namespace veritom {

// One installed user-interface language, read from a subkey of the language key.
struct LanguageInfo {
    std::string code;                // "Code", upper-cased after reading
    std::string dll;                 // "DLL": file name of the language bundle
    std::string referenceDir;        // "Reference Dir"
    std::string id;                  // "ID": decimal string id of the display name
    std::string unused;              // not filled
    std::string thousandsSeparator;  // from the user's locale, at most 5 characters
    std::string decimalSeparator;    // from the user's locale, at most 5 characters
    std::string dxfFileViewer;       // "DxfFileViewer", only if present
    std::string cadObjectDll;        // "CADObjectDLL", only if present
    std::string cadObjectHelpFile;   // "CADObjectHelpFile", only if present
};

}  // namespace veritom
