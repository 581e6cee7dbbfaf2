#include "ColumnReader.h"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "base/Format.h"

namespace veritom {

namespace {

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

// "VARCHAR(50)" and "NUMERIC (10, 2)" name their kind before the size.
std::string_view TypeNameWithoutSize(std::string_view declared) {
    declared = declared.substr(0, declared.find('('));
    while (!declared.empty() && std::isspace(static_cast<unsigned char>(declared.back()))) {
        declared.remove_suffix(1);
    }
    while (!declared.empty() && std::isspace(static_cast<unsigned char>(declared.front()))) {
        declared.remove_prefix(1);
    }
    return declared;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = sqlite3_column_text(statement, column);
    const int size = sqlite3_column_bytes(statement, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
                : std::string();
}

ByteArray ColumnBytes(sqlite3_stmt* statement, int column) {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement, column));
    const int size = sqlite3_column_bytes(statement, column);
    return data ? ByteArray(data, data + size) : ByteArray();
}

template <typename T>
bool Fits(std::int64_t value) {
    return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

// An integer in the narrowest of the asked kinds that holds it; beyond 32 bits a double,
// which keeps the magnitude where an integer read would wrap.
CFieldValue IntegerValue(std::int64_t value, bool sixteenBit) {
    if (sixteenBit && Fits<std::int16_t>(value)) {
        return CFieldValue::Int16(static_cast<std::int16_t>(value));
    }
    if (Fits<std::int32_t>(value)) {
        return CFieldValue::Int32(static_cast<std::int32_t>(value));
    }
    return CFieldValue::Float64(static_cast<double>(value));
}

CFieldValue ValueOfStorageClass(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return IntegerValue(sqlite3_column_int64(statement, column), false);
        case SQLITE_FLOAT:
            return CFieldValue::Float64(sqlite3_column_double(statement, column));
        case SQLITE_TEXT:
            return CFieldValue::Text(ColumnText(statement, column));
        case SQLITE_BLOB:
            return CFieldValue::Bytes(ColumnBytes(statement, column));
        default:
            return CFieldValue();
    }
}

bool IsNumberStorage(int storage) {
    return storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
}

std::optional<bool> ParseBoolText(std::string_view text) {
    const std::string upper = UpperAscii(text);
    if (upper == "TRUE" || upper == "YES") {
        return true;
    }
    if (upper == "FALSE" || upper == "NO") {
        return false;
    }
    return std::nullopt;
}

CFieldValue BoolValue(sqlite3_stmt* statement, int column, int storage) {
    if (IsNumberStorage(storage)) {
        return CFieldValue::Bool(sqlite3_column_double(statement, column) != 0.0);
    }
    if (storage == SQLITE_TEXT) {
        if (const auto parsed = ParseBoolText(ColumnText(statement, column))) {
            return CFieldValue::Bool(*parsed);
        }
    }
    return ValueOfStorageClass(statement, column);
}

CFieldValue CurrencyValue(sqlite3_stmt* statement, int column, int storage) {
    constexpr double kLimit = 9.2e14;  // ten-thousandths of it still fit 64 bits
    if (storage == SQLITE_INTEGER) {
        const std::int64_t value = sqlite3_column_int64(statement, column);
        if (value > -kLimit && value < kLimit) {
            return CFieldValue::Money(Currency{value * 10000});
        }
    } else if (storage == SQLITE_FLOAT) {
        const double value = sqlite3_column_double(statement, column);
        if (value > -kLimit && value < kLimit) {
            return CFieldValue::Money(Currency{std::llround(value * 10000.0)});
        }
    }
    return ValueOfStorageClass(statement, column);
}

// Integers count seconds since the epoch and reals are Julian day numbers, SQLite's two
// numeric date forms.
CFieldValue DateTimeValue(sqlite3_stmt* statement, int column, int storage) {
    constexpr double kUnixEpochJulianDay = 2440587.5;
    constexpr double kSecondsLimit = 1e14;
    if (storage == SQLITE_INTEGER) {
        return CFieldValue::Date(
            DateTime(std::chrono::seconds(sqlite3_column_int64(statement, column))));
    }
    if (storage == SQLITE_FLOAT) {
        const double seconds =
            (sqlite3_column_double(statement, column) - kUnixEpochJulianDay) * 86400.0;
        if (std::isfinite(seconds) && std::fabs(seconds) < kSecondsLimit) {
            return CFieldValue::Date(DateTime(std::chrono::seconds(std::llround(seconds))));
        }
    } else if (storage == SQLITE_TEXT) {
        if (const auto parsed = ParseDateTime(ColumnText(statement, column))) {
            return CFieldValue::Date(*parsed);
        }
    }
    return ValueOfStorageClass(statement, column);
}

CFieldValue ValueOfKind(sqlite3_stmt* statement, int column, FieldKind kind, int storage) {
    switch (kind) {
        case FieldKind::Int16:
        case FieldKind::Int32:
            if (storage == SQLITE_INTEGER) {
                return IntegerValue(sqlite3_column_int64(statement, column),
                                    kind == FieldKind::Int16);
            }
            break;
        case FieldKind::Float32:
            if (IsNumberStorage(storage)) {
                return CFieldValue::Float32(
                    static_cast<float>(sqlite3_column_double(statement, column)));
            }
            break;
        case FieldKind::Float64:
            if (IsNumberStorage(storage)) {
                return CFieldValue::Float64(sqlite3_column_double(statement, column));
            }
            break;
        case FieldKind::Bool:
            return BoolValue(statement, column, storage);
        case FieldKind::Currency:
            return CurrencyValue(statement, column, storage);
        case FieldKind::DateTime:
            return DateTimeValue(statement, column, storage);
        case FieldKind::Text:
            if (storage != SQLITE_BLOB) {
                return CFieldValue::Text(ColumnText(statement, column));
            }
            break;
        case FieldKind::Bytes:
            if (storage == SQLITE_BLOB || storage == SQLITE_TEXT) {
                return CFieldValue::Bytes(ColumnBytes(statement, column));
            }
            break;
        case FieldKind::Null:
            break;
    }
    return ValueOfStorageClass(statement, column);
}

// Reads digits exactly filling text[pos, pos + count).
bool ReadDigits(std::string_view text, std::size_t pos, std::size_t count, int& out) {
    if (pos + count > text.size()) {
        return false;
    }
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
    }
    return std::from_chars(text.data() + pos, text.data() + pos + count, out).ec == std::errc();
}

}  // namespace

std::optional<FieldKind> KindOfDeclaredType(std::string_view declared) {
    struct Entry {
        std::string_view name;
        FieldKind kind;
    };
    static constexpr std::array kTypes = {
        Entry{"SMALLINT", FieldKind::Int16},
        Entry{"SHORT", FieldKind::Int16},
        Entry{"INT2", FieldKind::Int16},
        Entry{"INTEGER", FieldKind::Int32},
        Entry{"INT", FieldKind::Int32},
        Entry{"LONG", FieldKind::Int32},
        Entry{"INT4", FieldKind::Int32},
        Entry{"COUNTER", FieldKind::Int32},
        Entry{"SINGLE", FieldKind::Float32},
        Entry{"FLOAT4", FieldKind::Float32},
        Entry{"REAL4", FieldKind::Float32},
        Entry{"DOUBLE", FieldKind::Float64},
        Entry{"DOUBLE PRECISION", FieldKind::Float64},
        Entry{"REAL", FieldKind::Float64},
        Entry{"FLOAT", FieldKind::Float64},
        Entry{"FLOAT8", FieldKind::Float64},
        Entry{"NUMERIC", FieldKind::Float64},
        Entry{"DECIMAL", FieldKind::Float64},
        Entry{"BIT", FieldKind::Bool},
        Entry{"BOOLEAN", FieldKind::Bool},
        Entry{"BOOL", FieldKind::Bool},
        Entry{"YESNO", FieldKind::Bool},
        Entry{"LOGICAL", FieldKind::Bool},
        Entry{"CURRENCY", FieldKind::Currency},
        Entry{"MONEY", FieldKind::Currency},
        Entry{"DATETIME", FieldKind::DateTime},
        Entry{"DATE", FieldKind::DateTime},
        Entry{"TIME", FieldKind::DateTime},
        Entry{"TIMESTAMP", FieldKind::DateTime},
        Entry{"TEXT", FieldKind::Text},
        Entry{"VARCHAR", FieldKind::Text},
        Entry{"CHAR", FieldKind::Text},
        Entry{"CHARACTER", FieldKind::Text},
        Entry{"NCHAR", FieldKind::Text},
        Entry{"NVARCHAR", FieldKind::Text},
        Entry{"MEMO", FieldKind::Text},
        Entry{"LONGTEXT", FieldKind::Text},
        Entry{"BLOB", FieldKind::Bytes},
        Entry{"LONGBINARY", FieldKind::Bytes},
        Entry{"BINARY", FieldKind::Bytes},
        Entry{"VARBINARY", FieldKind::Bytes},
        Entry{"IMAGE", FieldKind::Bytes},
    };
    const std::string name = UpperAscii(TypeNameWithoutSize(declared));
    for (const auto& entry : kTypes) {
        if (entry.name == name) {
            return entry.kind;
        }
    }
    return std::nullopt;
}

CFieldValue ReadColumnValue(sqlite3_stmt* statement, int column) {
    const int storage = sqlite3_column_type(statement, column);
    if (storage == SQLITE_NULL) {
        return CFieldValue();
    }
    const char* declared = sqlite3_column_decltype(statement, column);
    const auto kind = declared ? KindOfDeclaredType(declared) : std::nullopt;
    return kind ? ValueOfKind(statement, column, *kind, storage)
                : ValueOfStorageClass(statement, column);
}

std::optional<DateTime> ParseDateTime(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (text.size() < 10 || !ReadDigits(text, 0, 4, year) || text[4] != '-' ||
        !ReadDigits(text, 5, 2, month) || text[7] != '-' || !ReadDigits(text, 8, 2, day)) {
        return std::nullopt;
    }
    std::size_t pos = 10;
    if (pos < text.size()) {
        if ((text[pos] != ' ' && text[pos] != 'T') || text.size() < pos + 6 ||
            !ReadDigits(text, pos + 1, 2, hour) || text[pos + 3] != ':' ||
            !ReadDigits(text, pos + 4, 2, minute)) {
            return std::nullopt;
        }
        pos += 6;
        if (pos < text.size() && text[pos] == ':') {
            if (!ReadDigits(text, pos + 1, 2, second)) {
                return std::nullopt;
            }
            pos += 3;
            if (pos < text.size() && text[pos] == '.') {
                do {
                    ++pos;
                } while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])));
            }
        }
        if (pos < text.size() && text[pos] == 'Z') {
            ++pos;
        }
        if (pos != text.size()) {
            return std::nullopt;
        }
    }
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year),
                              std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return sys_days(date) + hours(hour) + minutes(minute) + seconds(second);
}

std::string FormatDateTime(DateTime value) {
    using namespace std::chrono;
    const sys_days dayPoint = floor<days>(value);
    const year_month_day date(dayPoint);
    const hh_mm_ss time(value - dayPoint);
    return Format("%04d-%02d-%02d %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
}

}  // namespace veritom
