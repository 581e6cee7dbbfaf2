#include "FieldValue.h"

namespace veritom {

const char* FieldKindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::Null:
            return "Null";
        case FieldKind::Int16:
            return "Int16";
        case FieldKind::Int32:
            return "Int32";
        case FieldKind::Float32:
            return "Float32";
        case FieldKind::Float64:
            return "Float64";
        case FieldKind::Bool:
            return "Bool";
        case FieldKind::Currency:
            return "Currency";
        case FieldKind::DateTime:
            return "DateTime";
        case FieldKind::Text:
            return "Text";
        case FieldKind::Bytes:
            return "Bytes";
    }
    return "";
}

}  // namespace veritom
