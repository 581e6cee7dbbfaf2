#include "SelectionFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "app/AppConfiguration.h"
#include "app/AppStrings.h"
#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "base/TextCodec.h"
#include "model/ProdBaseObject.h"
#include "tools/ToolStrings.h"

namespace veritom {

namespace {

constexpr std::size_t kCodeOffset = 0;
constexpr std::size_t kCodeSize = 3;
constexpr std::size_t kNameOffset = 3;
constexpr std::size_t kNameSize = 50;
constexpr std::size_t kApplicationOffset = 53;
constexpr std::size_t kApplicationSize = 51;
constexpr std::size_t kMark1Offset = 104;
constexpr std::size_t kMark2Offset = 108;
constexpr std::size_t kStringIdOffset = 112;

using HeaderBytes = std::array<std::uint8_t, CSelectionFileHeader::kSize>;

bool IsUtf8(const std::string& text) {
    return Utf16ToUtf8(Utf8ToUtf16(text)) == text;
}

// The text in single-byte form where it has one, else UTF-8, cut to fit with its NUL and
// never in the middle of a character.
void PutText(HeaderBytes& bytes, std::size_t offset, std::size_t size, const std::string& text) {
    const std::optional<std::string> single = Utf8ToWindows1252(text);
    const std::string& stored = single ? *single : text;
    std::size_t length = std::min(stored.size(), size - 1);
    while (!single && length > 0 && length < stored.size() &&
           (static_cast<unsigned char>(stored[length]) & 0xC0) == 0x80) {
        --length;
    }
    std::memcpy(bytes.data() + offset, stored.data(), length);
}

bool EndsInside(const HeaderBytes& bytes, std::size_t offset, std::size_t size) {
    return std::memchr(bytes.data() + offset, 0, size) != nullptr;
}

bool IsLanguageCode(const HeaderBytes& bytes) {
    const std::size_t length = strnlen(reinterpret_cast<const char*>(bytes.data()), kCodeSize);
    return length < kCodeSize &&
           std::all_of(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length),
                       [](std::uint8_t c) { return std::isalpha(c) && c < 0x80; });
}

std::string GetText(const HeaderBytes& bytes, std::size_t offset, std::size_t size) {
    const auto* start = reinterpret_cast<const char*>(bytes.data() + offset);
    const std::string raw(start, strnlen(start, size));
    return IsUtf8(raw) ? raw : Windows1252ToUtf8(raw);
}

void PutInt(HeaderBytes& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::int32_t GetInt(const HeaderBytes& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

void TransferAnswer(CArchive& ar, CValveTypeAnswer& answer) {
    ar.Transfer(answer.text);
    ar.Transfer(answer.link);
    ar.Transfer(answer.third);
}

void TransferFlag(CArchive& ar, bool& flag) {
    std::int32_t value = flag ? 1 : 0;
    ar.Transfer(value);
    flag = value != 0;
}

}  // namespace

void CSelectionFileHeader::Transfer(CArchive& ar) {
    HeaderBytes bytes{};
    if (ar.IsStoring()) {
        PutText(bytes, kCodeOffset, kCodeSize, languageCode);
        PutText(bytes, kNameOffset, kNameSize, languageName);
        PutText(bytes, kApplicationOffset, kApplicationSize, applicationName);
        PutInt(bytes, kMark1Offset, mark1);
        PutInt(bytes, kMark2Offset, mark2);
        PutInt(bytes, kStringIdOffset, languageStringId);
        ar.TransferBytes(bytes.data(), bytes.size());
        return;
    }
    ar.TransferBytes(bytes.data(), bytes.size());
    wellFormed = IsLanguageCode(bytes) && EndsInside(bytes, kNameOffset, kNameSize) &&
                 EndsInside(bytes, kApplicationOffset, kApplicationSize);
    languageCode = GetText(bytes, kCodeOffset, kCodeSize);
    languageName = GetText(bytes, kNameOffset, kNameSize);
    applicationName = GetText(bytes, kApplicationOffset, kApplicationSize);
    mark1 = GetInt(bytes, kMark1Offset);
    mark2 = GetInt(bytes, kMark2Offset);
    languageStringId = GetInt(bytes, kStringIdOffset);
}

void CSelectionFileFields::Transfer(CArchive& ar) {
    TransferAnswer(ar, answers.functionType);
    TransferAnswer(ar, answers.flowPattern);
    TransferAnswer(ar, answers.option);
    ar.Transfer(answers.option.number);
    ar.Transfer(highestStep);
    TransferFlag(ar, orderPadReady);
    TransferFlag(ar, spare);
    TransferFlag(ar, selectionComplete);
    if (ar.IsLoading()) {
        answers.functionType.number = 0;
        answers.flowPattern.number = 0;
    }
}

std::vector<std::uint8_t> StoreSelectionFile(const CSelectionFileHeader& header,
                                             const CSelectionFileFields& fields,
                                             CProd_BaseObject& workflow) {
    CArchive ar;
    CSelectionFileHeader headerCopy = header;
    CSelectionFileFields fieldsCopy = fields;
    headerCopy.Transfer(ar);
    fieldsCopy.Transfer(ar);
    workflow.Serialize(ar);
    return ar.Bytes();
}

SelectionFileStatus LoadSelectionFile(const std::vector<std::uint8_t>& bytes,
                                      CSelectionFileHeader& header, CSelectionFileFields& fields,
                                      CProd_BaseObject& workflow) {
    CArchive ar(bytes);
    header.Transfer(ar);
    if (ar.Failed()) {
        return SelectionFileStatus::Damaged;
    }
    if (!header.wellFormed) {
        return SelectionFileStatus::NotASelectionFile;
    }
    if (!header.HasValidMarks()) {
        return SelectionFileStatus::WrongMarks;
    }
    fields.Transfer(ar);
    if (ar.Failed()) {
        return SelectionFileStatus::Damaged;
    }
    workflow.Serialize(ar);
    if (ar.Failed() || ar.Remaining() != 0) {
        return SelectionFileStatus::Damaged;
    }
    return SelectionFileStatus::Ok;
}

SelectionFileStatus ReadSelectionFile(const std::string& path, CSelectionFileHeader& header,
                                      CSelectionFileFields& fields, CProd_BaseObject& workflow,
                                      std::string& reason, bool selectionKept) {
    std::vector<std::uint8_t> bytes;
    if (const FileResult read = ReadFileBytes(path, bytes, CSelectionFileHeader::kMaxFileSize);
        !read.Ok()) {
        reason = Format(LoadString(ids::kCannotRead), path) + " " + DescribeFileError(read, path);
        return SelectionFileStatus::Unreadable;
    }
    const SelectionFileStatus status = LoadSelectionFile(bytes, header, fields, workflow);
    switch (status) {
        case SelectionFileStatus::Ok:
            reason.clear();
            break;
        case SelectionFileStatus::NotASelectionFile:
            reason = Format(LoadString(ids::kNotValidSelectionFile), path,
                            LoadString(ids::kApplicationName));
            break;
        case SelectionFileStatus::WrongMarks:
            reason = LoadString(ids::kConflictingVersion);
            break;
        case SelectionFileStatus::Unreadable:
        case SelectionFileStatus::Damaged:
            reason =
                Format(LoadString(selectionKept ? ids::kDamaged : ids::kDamagedNothingKept), path);
            break;
    }
    return status;
}

std::optional<CSelectionFileHeader> ReadSelectionFileHeader(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileHead(path, bytes, CSelectionFileHeader::kSize).Ok() ||
        bytes.size() < CSelectionFileHeader::kSize) {
        return std::nullopt;
    }
    CArchive ar(std::move(bytes));
    CSelectionFileHeader header;
    header.Transfer(ar);
    if (ar.Failed()) {
        return std::nullopt;
    }
    return header;
}

CSelectionLanguageCheck CheckSelectionLanguage(const CSelectionFileHeader& header,
                                               const std::string& currentCode,
                                               const std::vector<LanguageInfo>& languages) {
    CSelectionLanguageCheck check;
    if (header.languageCode == currentCode) {
        return check;
    }
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].code == header.languageCode) {
            const MsgAnswer answer =
                MessageBox(Format(LoadString(ids::kLanguageSwitched),
                                  CAppConfiguration::DisplayName(languages[i])),
                           MsgButtons::OkCancel, MsgIcon::Information);
            if (answer == MsgAnswer::Ok) {
                check.action = CSelectionLanguageCheck::Action::SwitchThenOpen;
                check.languageIndex = static_cast<int>(i);
            } else {
                check.action = CSelectionLanguageCheck::Action::Refuse;
            }
            return check;
        }
    }
    check.action = CSelectionLanguageCheck::Action::Refuse;
    MessageBox(Format(LoadString(ids::kLanguageNotInstalled), RefusedLanguageName(header)));
    return check;
}

std::string RefusedLanguageName(const CSelectionFileHeader& header) {
    const int id = header.languageStringId;
    std::string name = id >= ids::kLanguageNameFirst && id <= ids::kLanguageNameLast
                           ? LoadString(id)
                           : std::string();
    return name.empty() ? LoadString(ids::kAnotherLanguage) : name;
}

std::string FileTitle(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

}  // namespace veritom
