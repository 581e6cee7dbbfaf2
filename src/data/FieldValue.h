#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace veritom {

// A currency amount in ten-thousandths, the engine's fixed-point money form.
struct Currency {
    std::int64_t tenThousandths = 0;

    double ToDouble() const { return static_cast<double>(tenThousandths) / 10000.0; }
    bool operator==(const Currency&) const = default;
};

// A point in time to the second, UTC. The zero date is the Unix epoch.
using DateTime = std::chrono::sys_seconds;

// The order matches the alternatives of CFieldValue::Storage.
enum class FieldKind {
    Null,
    Int16,
    Int32,
    Float32,
    Float64,
    Bool,
    Currency,
    DateTime,
    Text,
    Bytes
};

using ByteArray = std::vector<std::uint8_t>;

// One field value as the engine hands it out: a kind and the value of that kind. Null is a
// kind of its own, so a missing value never passes for zero or empty text.
class CFieldValue {
public:
    using Storage = std::variant<std::monostate, std::int16_t, std::int32_t, float, double, bool,
                                 Currency, DateTime, std::string, ByteArray>;

    CFieldValue() = default;

    static CFieldValue Int16(std::int16_t value) { return CFieldValue(Storage(value)); }
    static CFieldValue Int32(std::int32_t value) { return CFieldValue(Storage(value)); }
    static CFieldValue Float32(float value) { return CFieldValue(Storage(value)); }
    static CFieldValue Float64(double value) { return CFieldValue(Storage(value)); }
    static CFieldValue Bool(bool value) { return CFieldValue(Storage(value)); }
    static CFieldValue Money(Currency value) { return CFieldValue(Storage(value)); }
    static CFieldValue Date(DateTime value) { return CFieldValue(Storage(value)); }
    static CFieldValue Text(std::string value) { return CFieldValue(Storage(std::move(value))); }
    static CFieldValue Bytes(ByteArray value) { return CFieldValue(Storage(std::move(value))); }

    FieldKind Kind() const { return static_cast<FieldKind>(m_value.index()); }
    bool IsNull() const { return Kind() == FieldKind::Null; }

    // The value when it is of type T, else nullptr.
    template <typename T>
    const T* Get() const {
        return std::get_if<T>(&m_value);
    }

    bool operator==(const CFieldValue&) const = default;

private:
    explicit CFieldValue(Storage value) : m_value(std::move(value)) {}

    Storage m_value;
};

// The kind's name for messages and listings: "Null", "Int16", ... "Bytes".
const char* FieldKindName(FieldKind kind);

}  // namespace veritom
