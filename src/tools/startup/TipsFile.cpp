#include "TipsFile.h"

#include <sys/stat.h>

#include <ctime>

#include "base/FileIo.h"
#include "base/Format.h"
#include "base/TextCodec.h"

namespace veritom {

namespace {

bool IsSkipped(const std::string& line) {
    return line.empty() || line[0] == ' ' || line[0] == '\t' || line[0] == ';' || line[0] == '\r';
}

bool IsContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

bool IsValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80           ? 1
                                   : (c >> 5) == 0x6  ? 2
                                   : (c >> 4) == 0xE  ? 3
                                   : (c >> 3) == 0x1E ? 4
                                                      : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t j = 1; j < length; ++j) {
            if (!IsContinuationByte(static_cast<unsigned char>(text[i + j]))) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// Cuts a UTF-8 text to at most limit bytes without splitting a character.
std::string Truncated(std::string text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    while (end > 0 && IsContinuationByte(static_cast<unsigned char>(text[end]))) {
        --end;
    }
    text.resize(end);
    return text;
}

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::string FileTimeStamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::string();
    }
    std::tm utc{};
    if (!::gmtime_r(&info.st_mtim.tv_sec, &utc)) {
        return std::string();
    }
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &utc);
    return TrimRight(
        Format("%s.%09d", std::string(date), static_cast<long long>(info.st_mtim.tv_nsec)));
}

bool CTipsFile::Open(const std::string& path) {
    // Checked first: a FIFO would block the open, a device would be one endless line.
    m_file.reset(CheckReadableFile(path).Ok() ? std::fopen(path.c_str(), "rb") : nullptr);
    m_timeStamp = m_file ? FileTimeStamp(path) : std::string();
    return IsOpen();
}

bool CTipsFile::Seek(long long position) {
    return m_file && position >= 0 &&
           ::fseeko(m_file.get(), static_cast<off_t>(position), SEEK_SET) == 0;
}

long long CTipsFile::Position() const {
    return m_file ? static_cast<long long>(::ftello(m_file.get())) : -1;
}

bool CTipsFile::ReadLine(std::string& line) {
    line.clear();
    int c = std::fgetc(m_file.get());
    if (c == EOF) {
        return false;
    }
    for (; c != EOF && c != '\n'; c = std::fgetc(m_file.get())) {
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

CTipsFile::Result CTipsFile::NextTip(std::string& tip) {
    if (!m_file) {
        return Result::Trouble;
    }
    std::string line;
    for (int pass = 0; pass < 2;) {
        if (!ReadLine(line)) {
            if (std::ferror(m_file.get()) || !Seek(0)) {
                return Result::Trouble;
            }
            ++pass;
            continue;
        }
        if (IsSkipped(line)) {
            continue;
        }
        tip = Truncated(IsValidUtf8(line) ? line : Windows1252ToUtf8(line), kMaxTipLength);
        return Result::Tip;
    }
    return Result::NoTip;
}

}  // namespace veritom
