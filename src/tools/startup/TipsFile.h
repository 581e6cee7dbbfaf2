#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace veritom {

// The tips file: one tip a line; lines that begin with a blank, a tab, a line end or ";"
// are never shown. Reading goes on at the start after the end, and gives up after one full
// pass without a tip.
class CTipsFile {
public:
    enum class Result { Tip, NoTip, Trouble };
    // The longest tip shown; the rest of a longer line is dropped.
    static constexpr std::size_t kMaxTipLength = 1000;

    bool Open(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }
    void Close() { m_file.reset(); }

    // The file's modification time as text, without trailing blanks; empty when unknown.
    const std::string& TimeStamp() const { return m_timeStamp; }
    // Where the next tip is read from; false when the position cannot be set.
    bool Seek(long long position);
    long long Position() const;
    // The next tip in tip (UTF-8; a line of another encoding is read as Windows-1252).
    Result NextTip(std::string& tip);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    // The next line without its line end; false at the end of the file.
    bool ReadLine(std::string& line);

    std::unique_ptr<std::FILE, Closer> m_file;
    std::string m_timeStamp;
};

// "2026-05-04 09:12:33.123456789" (UTC) for the file, empty when it cannot be read.
std::string FileTimeStamp(const std::string& path);

}  // namespace veritom
