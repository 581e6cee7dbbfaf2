#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace veritom::fuzz {

using Bytes = std::span<const std::uint8_t>;

// A property of the code under test that an input broke. The fuzzer stops on it and keeps
// the input; the corpus replay reports it as a failed test.
class CPropertyBroken : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Throws CPropertyBroken naming what did not hold.
void Expect(bool holds, const std::string& what);

// The entry points, one a target. Each feeds the input to the code the way a reader of
// untrusted data does and checks what must hold for every input.
void SelectionFile(Bytes input);  // a selection file, read as Open reads it
void Record(Bytes input);         // a record stream, read as morvane-cli record-dump reads it
void Archive(Bytes input);        // archive reads and writes of every form
void TextCodec(Bytes input);      // UTF-8, UTF-16 and Windows-1252 conversions
void StringTable(Bytes input);    // a string table text
void BmpLayout(Bytes input);      // a BMP file's headers
void Format(Bytes input);         // a format text with arguments

struct Target {
    const char* name;  // also the name of its corpus folder
    void (*run)(Bytes input);
};
std::span<const Target> Targets();

// Input layouts of the targets that read more than plain file bytes, for the seed corpus.
enum class ArchiveOp : std::uint8_t {
    Byte,
    Int16,
    UInt16,
    Int32,
    UInt32,
    Float,
    Double,
    Text,
    Count,
    RawBytes,  // the size is the op byte's high four bits
};
constexpr int kArchiveOpKinds = 10;
// Operation count, the operations, then the bytes a loading archive reads.
std::vector<std::uint8_t> ArchiveInput(const std::vector<std::uint8_t>& ops,
                                       const std::vector<std::uint8_t>& stream);

// One argument of Format: a number or a text.
struct FormatArgument {
    enum class Kind : std::uint8_t { Double, Int, Text, Float } kind = Kind::Double;
    double number = 0;
    std::string text;
};
constexpr std::size_t kMaxFormatArguments = 3;
// A byte with the count and kinds, each argument's bytes, then the format text.
std::vector<std::uint8_t> FormatInput(const std::vector<FormatArgument>& arguments,
                                      const std::string& format);

}  // namespace veritom::fuzz
