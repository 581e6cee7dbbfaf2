#pragma once

#include <string>

#include "tools/startup/TipsFile.h"

namespace veritom {

class ITipProfile;

// What the Tip of the Day dialog decides: whether it shows at start-up, which tip it shows
// from the tips file and where the next one starts, and what it keeps in the profile. A
// replaced tips file (another modification time) starts again at its first tip.
class CTipOfTheDay {
public:
    static constexpr const char* kStartUp = "StartUp";
    static constexpr const char* kFilePos = "FilePos";
    static constexpr const char* kTimeStamp = "TimeStamp";

    CTipOfTheDay(ITipProfile& profile, std::string tipsPath);
    // Keeps the position of the next tip (see Finish).
    ~CTipOfTheDay();
    CTipOfTheDay(const CTipOfTheDay&) = delete;
    CTipOfTheDay& operator=(const CTipOfTheDay&) = delete;

    // "StartUp" 0 or less, missing or unreadable: the tips show at start-up.
    static bool ShowAtStartup(const ITipProfile& profile);

    // Opens the tips file, continues where the last tip ended and reads the first tip.
    void Open();
    const std::string& Text() const { return m_text; }
    bool CanShowNext() const { return m_canShowNext; }
    // Next Tip; with Ctrl held it shows the note of string 132 instead.
    void Next(bool ctrlHeld);
    // Close: keeps whether the tips show at start-up.
    void Close(bool showAtStartup);
    // Stores where the next tip starts, but only when a tip was read from the file, and
    // closes it. Runs once.
    void Finish();

private:
    void ReadTip();
    long long StoredPosition() const;

    ITipProfile& m_profile;
    std::string m_path;
    CTipsFile m_file;
    std::string m_text;
    bool m_canShowNext = false;
    bool m_tipRead = false;
};

}  // namespace veritom
