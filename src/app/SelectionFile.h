#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/LanguageInfo.h"
#include "base/ValveTypeAnswer.h"

namespace veritom {

class CArchive;
class CProd_BaseObject;

// The fixed 368-byte header of a selection file: who wrote it, in which language, and the
// two format marks that identify this version of the layout.
struct CSelectionFileHeader {
    static constexpr std::size_t kSize = 368;
    static constexpr std::int32_t kMark1 = 3;
    static constexpr std::int32_t kMark2 = 26;

    std::string languageCode;     // at most 2 characters are stored
    std::string languageName;     // at most 49 bytes are stored
    std::string applicationName;  // at most 50 bytes are stored
    std::int32_t mark1 = kMark1;
    std::int32_t mark2 = kMark2;
    std::int32_t languageStringId = 0;
    // Read from a file: every text field ends inside its place and the language code is at
    // most two ASCII letters. A file of another kind almost never passes.
    bool wellFormed = true;

    bool HasValidMarks() const { return mark1 == kMark1 && mark2 == kMark2; }
    // Writes or reads the raw header; reserved bytes are written as zeros and not read.
    void Transfer(CArchive& ar);
};

// The product object's fields between the header and the workflow's own part.
struct CSelectionFileFields {
    CValveTypeAnswers answers;  // only the option's number is stored; the others read as 0
    std::int32_t highestStep = 0;
    bool orderPadReady = false;
    bool spare = false;
    bool selectionComplete = false;

    void Transfer(CArchive& ar);
};

enum class SelectionFileStatus {
    Ok,
    Unreadable,         // the file could not be opened or read
    NotASelectionFile,  // the header is not one of ours
    WrongMarks,         // a header of another version
    Damaged,            // cut short, inconsistent, or with bytes left over
};

// A selection file read whole and checked, not yet the current selection: the language check
// and a language switch happen between reading and applying, so a file that turns out to be
// damaged never costs the current selection.
struct CPendingSelection {
    virtual ~CPendingSelection() = default;
    std::string path;
    CSelectionFileHeader header;
};

// The whole file: header, fields, then the workflow's Serialize.
std::vector<std::uint8_t> StoreSelectionFile(const CSelectionFileHeader& header,
                                             const CSelectionFileFields& fields,
                                             CProd_BaseObject& workflow);
// Reads all of bytes into header, fields and workflow (a fresh object the caller discards
// unless the result is Ok). The header's form, then its marks, are checked before anything
// else is read.
SelectionFileStatus LoadSelectionFile(const std::vector<std::uint8_t>& bytes,
                                      CSelectionFileHeader& header, CSelectionFileFields& fields,
                                      CProd_BaseObject& workflow);

// Just the header, for the language check before opening; nothing when the file cannot be
// read or is shorter than a header.
std::optional<CSelectionFileHeader> ReadSelectionFileHeader(const std::string& path);

// What Open does about the language a file was saved in.
struct CSelectionLanguageCheck {
    enum class Action {
        Open,    // the current language: open at once
        Refuse,  // not installed here (string 209 was shown), or the user declined the switch
        SwitchThenOpen,  // installed: string 32818 was confirmed; switch to languageIndex first
    };
    Action action = Action::Open;
    int languageIndex = -1;
};
// The name of a file's language in a refusal: the name of its string id when that id is one
// of the language names, else "another language" (the stored name may be anything).
std::string RefusedLanguageName(const CSelectionFileHeader& header);
CSelectionLanguageCheck CheckSelectionLanguage(const CSelectionFileHeader& header,
                                               const std::string& currentCode,
                                               const std::vector<LanguageInfo>& languages);

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);
// Writes to a temporary file beside path and renames it over path, so a failed write never
// destroys an existing file.
bool WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The file name without folder and extension, as the window title shows it.
std::string FileTitle(const std::string& path);

}  // namespace veritom
