#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace veritom {

// How the program passes a parameter: key values as text, flags as 16-bit integers, message
// numbers as 32-bit integers, quantities as 32-bit floats.
enum class ParamKind { Text, Int16, Int32, Float };
// How the program reads a field: as text, as an integer, as a number (integer or floating),
// or as the bytes of a picture.
enum class FieldRead { Text, Int, Number, Bytes };

struct QueryParam {
    std::string_view name;  // as the program writes it: "[parFuncLink]"
    ParamKind kind;
};

struct QueryField {
    std::string_view name;  // empty: the field at position
    FieldRead read;
    int position = -1;
};

// A declared parameter or field of one query, found at compile time: a name the declaration
// does not hold does not compile. The query id tells one declaration's handles from another's.
struct ParamRef {
    std::uint32_t query;
    std::uint8_t index;
    ParamKind kind;
};

struct FieldRef {
    std::uint32_t query;
    std::uint8_t index;
    FieldRead read;
};

// FNV-1a of the query name: the same in every translation unit, unlike a literal's address.
consteval std::uint32_t QueryId(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

// What run time needs of a declaration.
struct CQueryInfo {
    std::string_view name;
    std::uint32_t id = 0;
    std::span<const QueryParam> params;
    std::span<const QueryField> fields;
};

// One stored query as the program calls it: its name, the parameters it sets with their
// kinds, and the fields it reads with the way it reads them. The callers and the query
// contract test both use the declaration, so they cannot disagree.
template <std::size_t P, std::size_t F>
struct CQueryDecl {
    std::string_view name;
    std::uint32_t id;
    std::array<QueryParam, P> params;
    std::array<QueryField, F> fields;

    consteval ParamRef Param(std::string_view wanted) const {
        for (std::size_t i = 0; i < P; ++i) {
            if (params[i].name == wanted) {
                return {id, static_cast<std::uint8_t>(i), params[i].kind};
            }
        }
        throw "the query declares no such parameter";
    }

    consteval FieldRef Field(std::string_view wanted) const {
        for (std::size_t i = 0; i < F; ++i) {
            if (fields[i].name == wanted) {
                return {id, static_cast<std::uint8_t>(i), fields[i].read};
            }
        }
        throw "the query declares no such field";
    }

    // The field declared by position (an unnamed first column, say).
    consteval FieldRef FieldAt(int position) const {
        for (std::size_t i = 0; i < F; ++i) {
            if (fields[i].name.empty() && fields[i].position == position) {
                return {id, static_cast<std::uint8_t>(i), fields[i].read};
            }
        }
        throw "the query declares no field at that position";
    }

    constexpr CQueryInfo Info() const { return {name, id, params, fields}; }
};

namespace declare {

consteval QueryParam Text(std::string_view name) {
    return {name, ParamKind::Text};
}
consteval QueryParam Int16(std::string_view name) {
    return {name, ParamKind::Int16};
}
consteval QueryParam Int32(std::string_view name) {
    return {name, ParamKind::Int32};
}
consteval QueryParam Float(std::string_view name) {
    return {name, ParamKind::Float};
}

consteval QueryField TextField(std::string_view name) {
    return {name, FieldRead::Text};
}
consteval QueryField IntField(std::string_view name) {
    return {name, FieldRead::Int};
}
consteval QueryField NumberField(std::string_view name) {
    return {name, FieldRead::Number};
}
consteval QueryField BytesField(std::string_view name) {
    return {name, FieldRead::Bytes};
}
consteval QueryField TextFieldAt(int position) {
    return {{}, FieldRead::Text, position};
}

template <typename... T>
consteval auto Params(T... params) {
    return std::array<QueryParam, sizeof...(T)>{params...};
}

template <typename... T>
consteval auto Fields(T... fields) {
    return std::array<QueryField, sizeof...(T)>{fields...};
}

// Parameter groups that many queries share, joined into one list.
template <std::size_t A, std::size_t B, std::size_t... More>
consteval auto Join(const std::array<QueryParam, A>& a, const std::array<QueryParam, B>& b,
                    const std::array<QueryParam, More>&... more) {
    std::array<QueryParam, A + B> joined{};
    for (std::size_t i = 0; i < A; ++i) {
        joined[i] = a[i];
    }
    for (std::size_t i = 0; i < B; ++i) {
        joined[A + i] = b[i];
    }
    if constexpr (sizeof...(More) == 0) {
        return joined;
    } else {
        return Join(joined, more...);
    }
}

template <std::size_t P, std::size_t F>
consteval CQueryDecl<P, F> Query(std::string_view name, const std::array<QueryParam, P>& params,
                                 const std::array<QueryField, F>& fields) {
    return {name, QueryId(name), params, fields};
}

}  // namespace declare

}  // namespace veritom
