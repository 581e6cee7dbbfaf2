#pragma once

#include <string>
#include <string_view>

namespace veritom {

// The command texts of the progress program and its names. Every command ends with "|".
namespace progress {

inline constexpr std::string_view kProgramName = "Prgess";
inline constexpr std::string_view kWindowClass = "Veritom Progress";
inline constexpr std::string_view kInitialTitle = "Please Wait !";
inline constexpr std::string_view kEndReset = "END_RESET|";
inline constexpr std::string_view kQuit = "QUIT|";
// Requests of the local transport that are not commands: the program answers the first
// with its process id and window title ("1234|Please Wait !"), the second with its two text
// lines ("line|second"); and every command with kAcknowledged.
inline constexpr std::string_view kAskWindow = "?WINDOW";
inline constexpr std::string_view kAskText = "?TEXT";
inline constexpr std::string_view kAcknowledged = "OK";
inline constexpr std::string_view kRefused = "?";

// "START|" title "|".
std::string StartCommand(std::string_view title);
// "TEXT|" line "|", then second "|" when a second part is given.
std::string TextCommand(std::string_view line, std::string_view second);

}  // namespace progress

// A command as the progress program reads it.
struct ProgressCommand {
    enum class Kind { Unknown, Start, Text, EndReset, Quit };
    Kind kind = Kind::Unknown;
    std::string first;   // the title of Start, the line of Text
    std::string second;  // the second part of Text
};

// Reads a command text; anything that is not one of the four commands is Unknown.
ProgressCommand ParseProgressCommand(std::string_view text);

}  // namespace veritom
