#pragma once

#include <filesystem>
#include <string>

#include "data/LanguageSource.h"

namespace veritom::test {

// A directory of its own under the system's temporary directory, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

class FixedLanguage : public ILanguageSource {
public:
    explicit FixedLanguage(std::string code) : m_code(std::move(code)) {}
    std::string GetLanguageCode() const override { return m_code; }
    void Set(std::string code) { m_code = std::move(code); }

private:
    std::string m_code;
};

// Runs script (several statements) against a new or existing SQLite file; fails the test
// with SQLite's message when a statement fails.
void RunScript(const std::string& file, const std::string& script);

// Adds the stored query name with the statement sql.
void AddStoredQuery(const std::string& file, const std::string& name, const std::string& sql);

// Writes the selection-like sample database the tests use into file: a table of every
// field kind, messages, images, keys and the stored queries over them.
void WriteSampleDatabase(const std::string& file);

}  // namespace veritom::test
