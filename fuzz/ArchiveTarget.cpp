#include <algorithm>
#include <bit>
#include <cstring>
#include <variant>

#include "FuzzTarget.h"
#include "InputReader.h"
#include "base/Archive.h"
#include "base/TextCodec.h"

namespace veritom::fuzz {

namespace {

constexpr std::size_t kMaxOps = 32;

using Value = std::variant<std::uint64_t, float, double, std::string, std::vector<std::uint8_t>>;

struct Op {
    ArchiveOp kind;
    std::size_t size;  // RawBytes only
};

std::vector<Op> ReadOps(CInputReader& in) {
    std::vector<Op> ops(in.Byte() % (kMaxOps + 1));
    for (Op& op : ops) {
        const std::uint8_t code = in.Byte();
        op = {static_cast<ArchiveOp>((code & 0x0F) % kArchiveOpKinds), std::size_t{code} >> 4u};
    }
    return ops;
}

template <typename Int>
Value TransferInt(CArchive& ar, Int stored) {
    Int value = stored;
    ar.Transfer(value);
    return static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<Int>>(value));
}

// One operation on ar; when storing, of the value given.
Value Run(CArchive& ar, const Op& op, const Value& stored) {
    const auto number = [&] {
        const auto* v = std::get_if<std::uint64_t>(&stored);
        return v ? *v : 0;
    };
    switch (op.kind) {
        case ArchiveOp::Byte:
            return TransferInt(ar, static_cast<std::uint8_t>(number()));
        case ArchiveOp::Int16:
            return TransferInt(ar, static_cast<std::int16_t>(number()));
        case ArchiveOp::UInt16:
            return TransferInt(ar, static_cast<std::uint16_t>(number()));
        case ArchiveOp::Int32:
            return TransferInt(ar, static_cast<std::int32_t>(number()));
        case ArchiveOp::UInt32:
            return TransferInt(ar, static_cast<std::uint32_t>(number()));
        case ArchiveOp::Count: {
            auto count = static_cast<std::uint32_t>(number());
            ar.TransferCount(count);
            return std::uint64_t{count};
        }
        case ArchiveOp::Float: {
            const auto* v = std::get_if<float>(&stored);
            float value = v ? *v : 0.0f;
            ar.Transfer(value);
            return value;
        }
        case ArchiveOp::Double: {
            const auto* v = std::get_if<double>(&stored);
            double value = v ? *v : 0.0;
            ar.Transfer(value);
            return value;
        }
        case ArchiveOp::Text: {
            const auto* v = std::get_if<std::string>(&stored);
            std::string value = v ? *v : std::string();
            ar.Transfer(value);
            return value;
        }
        case ArchiveOp::RawBytes: {
            const auto* v = std::get_if<std::vector<std::uint8_t>>(&stored);
            std::vector<std::uint8_t> value = v ? *v : std::vector<std::uint8_t>(op.size);
            value.resize(op.size);
            ar.TransferBytes(value.data(), value.size());
            return value;
        }
    }
    return {};
}

bool IsZero(const Value& value) {
    return std::visit(
        [](const auto& v) -> bool {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                return v.empty();
            } else if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>) {
                return std::all_of(v.begin(), v.end(), [](std::uint8_t b) { return b == 0; });
            } else if constexpr (std::is_same_v<T, float>) {
                return std::bit_cast<std::uint32_t>(v) == 0;
            } else if constexpr (std::is_same_v<T, double>) {
                return std::bit_cast<std::uint64_t>(v) == 0;
            } else {
                return v == 0;
            }
        },
        value);
}

// Exactly equal, floating values bit for bit.
bool SameValue(const Value& a, const Value& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* f = std::get_if<float>(&a)) {
        return std::bit_cast<std::uint32_t>(*f) == std::bit_cast<std::uint32_t>(std::get<float>(b));
    }
    if (const auto* d = std::get_if<double>(&a)) {
        return std::bit_cast<std::uint64_t>(*d) ==
               std::bit_cast<std::uint64_t>(std::get<double>(b));
    }
    return a == b;
}

// Reads the ops from stream bytes. A failed read leaves its value zero or empty, and once
// failed the archive stays failed and reads nothing more.
std::vector<Value> LoadAll(const std::vector<Op>& ops, std::vector<std::uint8_t> stream) {
    CArchive ar(std::move(stream));
    std::vector<Value> values;
    for (const Op& op : ops) {
        const bool failedBefore = ar.Failed();
        const std::size_t before = ar.Position();
        Value value = Run(ar, op, {});
        Expect(ar.Position() <= ar.Bytes().size(), "position past the end");
        Expect(ar.Remaining() == ar.Bytes().size() - ar.Position(), "remaining bytes wrong");
        if (failedBefore) {
            Expect(ar.Failed() && ar.Position() == before, "a failed archive read on");
        }
        if (ar.Failed()) {
            Expect(IsZero(value), "a failed read of op kind " +
                                      std::to_string(static_cast<int>(op.kind)) + " left a value");
            values.push_back(std::move(value));
            continue;
        }
        if (const auto* text = std::get_if<std::string>(&value)) {
            Expect(IsValidUtf8(*text), "a read text is not UTF-8");
        }
        if (op.kind == ArchiveOp::Count) {
            Expect(std::get<std::uint64_t>(value) <= ar.Remaining(), "count beyond the bytes left");
        }
        values.push_back(std::move(value));
    }
    return values;
}

// Storing what was read and reading it back gives the same values, except where a count
// is larger than what the shorter stored form leaves behind it.
void CheckRoundTrip(const std::vector<Op>& ops, const std::vector<Value>& values) {
    CArchive store;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        Run(store, ops[i], values[i]);
    }
    Expect(!store.Failed(), "storing failed");
    CArchive load(store.Bytes());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const std::size_t remaining = load.Remaining();
        const Value value = Run(load, ops[i], {});
        if (load.Failed()) {
            const bool isCount = ops[i].kind == ArchiveOp::Count;
            const std::uint64_t count = isCount ? std::get<std::uint64_t>(values[i]) : 0;
            const std::uint64_t prefix = count < 0xFFFF ? 2 : 6;
            Expect(isCount && count + prefix > remaining, "a stored value did not read back");
            return;
        }
        Expect(SameValue(value, values[i]), "a value changed on its way through the archive");
    }
    Expect(load.Remaining() == 0, "bytes left after reading back");
}

std::size_t LengthPrefixSize(std::size_t length) {
    return length < 0xFF ? 1 : length < 0xFFFE ? 3 : 7;
}

// Any bytes stored as a text: the single-byte form when every character has a Windows-1252
// byte, else the Unicode form; valid UTF-8 reads back unchanged.
void CheckText(const std::string& text) {
    CArchive store;
    std::string stored = text;
    store.Transfer(stored);
    const std::vector<std::uint8_t>& bytes = store.Bytes();
    if (const auto single = Utf8ToWindows1252(text)) {
        Expect(bytes.size() == LengthPrefixSize(single->size()) + single->size(),
               "single-byte text form has the wrong size");
    } else {
        const std::size_t units = Utf8ToUtf16(text).size();
        Expect(bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xFE && bytes[2] == 0xFF,
               "Unicode text form without its marker");
        Expect(bytes.size() == 3 + LengthPrefixSize(units) + 2 * units,
               "Unicode text form has the wrong size");
    }
    CArchive load(bytes);
    std::string loaded;
    load.Transfer(loaded);
    Expect(!load.Failed() && load.Remaining() == 0, "a stored text did not read back");
    if (IsValidUtf8(text)) {
        Expect(loaded == text, "a UTF-8 text changed on its way through the archive");
    } else {
        Expect(IsValidUtf8(loaded) && loaded == Utf16ToUtf8(Utf8ToUtf16(text)),
               "malformed UTF-8 did not read back as its replacement");
    }
}

}  // namespace

std::vector<std::uint8_t> ArchiveInput(const std::vector<std::uint8_t>& ops,
                                       const std::vector<std::uint8_t>& stream) {
    std::vector<std::uint8_t> input;
    input.reserve(1 + ops.size() + stream.size());
    input.push_back(static_cast<std::uint8_t>(ops.size()));
    input.insert(input.end(), ops.begin(), ops.end());
    input.insert(input.end(), stream.begin(), stream.end());
    return input;
}

void Archive(Bytes input) {
    CInputReader in(input);
    const std::vector<Op> ops = ReadOps(in);
    const Bytes rest = in.Rest();
    const std::vector<std::uint8_t> stream(rest.begin(), rest.end());
    std::vector<Value> values = LoadAll(ops, stream);
    CheckRoundTrip(ops, values);
    CheckText(std::string(stream.begin(), stream.end()));
}

}  // namespace veritom::fuzz
