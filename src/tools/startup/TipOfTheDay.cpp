#include "TipOfTheDay.h"

#include <charconv>

#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "tools/ToolStrings.h"
#include "tools/startup/TipProfile.h"

namespace veritom {

namespace {

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    text.erase(0, first);
    text.erase(text.find_last_not_of(" \t") + 1);
    return text;
}

std::optional<long long> ParseNumber(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    const std::string value = Trimmed(*text);
    long long number = 0;
    const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || result.ec != std::errc() || result.ptr != value.data() + value.size()) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

CTipOfTheDay::CTipOfTheDay(ITipProfile& profile, std::string tipsPath)
    : m_profile(profile), m_path(std::move(tipsPath)) {}

CTipOfTheDay::~CTipOfTheDay() {
    Finish();
}

bool CTipOfTheDay::ShowAtStartup(const ITipProfile& profile) {
    return ParseNumber(profile.Read(kStartUp)).value_or(0) <= 0;
}

long long CTipOfTheDay::StoredPosition() const {
    return ParseNumber(m_profile.Read(kFilePos)).value_or(0);
}

void CTipOfTheDay::Open() {
    m_tipRead = false;
    if (!m_file.Open(m_path)) {
        m_text = LoadString(ids::kTipsFileMissing);
        m_canShowNext = false;
        return;
    }
    long long position = 0;
    const std::string stored = Trimmed(m_profile.Read(kTimeStamp).value_or(std::string()));
    if (!m_file.TimeStamp().empty() && stored == m_file.TimeStamp()) {
        position = StoredPosition();
    } else {
        m_profile.Write(kTimeStamp, m_file.TimeStamp());
    }
    if (!m_file.Seek(position)) {
        // A position the file cannot take: say so and start again at the first tip.
        MessageBox(LoadString(ids::kTipsFileTrouble), MsgButtons::Ok, MsgIcon::Warning);
        m_file.Seek(0);
    }
    ReadTip();
}

void CTipOfTheDay::ReadTip() {
    std::string tip;
    switch (m_file.NextTip(tip)) {
        case CTipsFile::Result::Tip:
            m_text = tip;
            m_tipRead = true;
            m_canShowNext = true;
            break;
        case CTipsFile::Result::NoTip:
            m_text = LoadString(ids::kTipsFileEmpty);
            m_canShowNext = false;
            break;
        case CTipsFile::Result::Trouble:
            m_text = LoadString(ids::kTipsFileTrouble);
            m_canShowNext = false;
            break;
    }
}

void CTipOfTheDay::Next(bool ctrlHeld) {
    if (!m_canShowNext) {
        return;
    }
    if (ctrlHeld) {
        m_text = Format(LoadString(ids::kTipCtrlNote), m_path);
        return;
    }
    ReadTip();
}

void CTipOfTheDay::Close(bool showAtStartup) {
    m_profile.Write(kStartUp, showAtStartup ? "0" : "1");
}

void CTipOfTheDay::Finish() {
    if (m_file.IsOpen() && m_tipRead) {
        m_profile.Write(kFilePos, std::to_string(m_file.Position()));
    }
    m_file.Close();
}

}  // namespace veritom
