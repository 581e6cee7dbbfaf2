#pragma once

// String table ids of the Qt platform layer.
namespace veritom::ids {

inline constexpr int kConfigStoreDamaged = 24500;     // "The configuration file %s is damaged..."
inline constexpr int kConfigStoreUnreadable = 24501;  // "The configuration file %s cannot be read."
inline constexpr int kLanguageBundleDamaged = 24502;  // "The language file %s is damaged..."
inline constexpr int kHelpFileUnavailable = 24506;    // "The help file %s cannot be opened."
inline constexpr int kHelpWindowTitle = 24507;        // "Help"
inline constexpr int kLanguageNameEnglish = 24510;    // display names of the staged languages
inline constexpr int kLanguageNameGerman = 24511;

}  // namespace veritom::ids
