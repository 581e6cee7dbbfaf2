#include "data/ColumnReader.h"

#include <gtest/gtest.h>

#include "data/QueryDef.h"

using namespace veritom;

TEST(ColumnReader, DeclaredTypesNameTheirKind) {
    const struct {
        const char* declared;
        std::optional<FieldKind> kind;
    } cases[] = {
        {"SMALLINT", FieldKind::Int16},
        {"smallint", FieldKind::Int16},
        {"INTEGER", FieldKind::Int32},
        {"LONG", FieldKind::Int32},
        {"SINGLE", FieldKind::Float32},
        {"FLOAT4", FieldKind::Float32},
        {"DOUBLE", FieldKind::Float64},
        {"REAL", FieldKind::Float64},
        {"FLOAT", FieldKind::Float64},
        {"DOUBLE PRECISION", FieldKind::Float64},
        {"BIT", FieldKind::Bool},
        {"YesNo", FieldKind::Bool},
        {"BOOLEAN", FieldKind::Bool},
        {"CURRENCY", FieldKind::Currency},
        {"DATETIME", FieldKind::DateTime},
        {"TEXT", FieldKind::Text},
        {"VARCHAR(255)", FieldKind::Text},
        {" CHAR (10) ", FieldKind::Text},
        {"MEMO", FieldKind::Text},
        {"BLOB", FieldKind::Bytes},
        {"LONGBINARY", FieldKind::Bytes},
        // Types the engine's kinds do not name fall back to the stored value.
        {"", std::nullopt},
        {"BIGINT", std::nullopt},
        {"INTEGERS", std::nullopt},
        {"VARCHAR2", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KindOfDeclaredType(c.declared), c.kind) << c.declared;
    }
}

TEST(ColumnReader, DateTextsParseOnlyWhenWholeAndPossible) {
    using namespace std::chrono;
    const DateTime morning = sys_days(2024y / March / 5) + 6h + 7min + 8s;
    const struct {
        const char* text;
        std::optional<DateTime> value;
    } cases[] = {
        {"2024-03-05 06:07:08", morning},
        {"2024-03-05T06:07:08Z", morning},
        {"2024-03-05 06:07:08.250", morning},
        {"2024-03-05", DateTime(sys_days(2024y / March / 5))},
        {"2024-03-05 06:07", morning - 8s},
        {"1960-01-01", DateTime(sys_days(1960y / January / 1))},
        {"2023-02-29", std::nullopt},
        {"2024-13-01", std::nullopt},
        {"2024-03-05 24:00:00", std::nullopt},
        {"2024-03-05 06:07:08 trailing", std::nullopt},
        {"2024-3-5", std::nullopt},
        {"2024-03-05 06", std::nullopt},
        {"", std::nullopt},
        {"not a date", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDateTime(c.text), c.value) << c.text;
    }
    EXPECT_EQ(FormatDateTime(morning), "2024-03-05 06:07:08");
    EXPECT_EQ(FormatDateTime(DateTime(sys_days(1960y / January / 1))), "1960-01-01 00:00:00");
}

TEST(ColumnReader, ProgramParameterNamesBecomeEngineNames) {
    const struct {
        const char* written;
        const char* engine;
    } cases[] = {
        {"[parFuncLink]", ":parFuncLink"},
        {"[parChkBx_MIP]", ":parChkBx_MIP"},
        {"[ValvePartNumber.NoteLink]", ":ValvePartNumber_NoteLink"},
        // A name written without its closing bracket is the same parameter.
        {"[parVoltCode", ":parVoltCode"},
        {"parVoltCode]", ":parVoltCode"},
        {"parVoltCode", ":parVoltCode"},
        {"[par Volt-Code]", ":par_Volt_Code"},
        {"[Größe]", ":Gr____e"},  // each byte of a non-ASCII letter
        {"[[x]]", ":_x_"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IQueryDef::EngineParameterName(c.written), c.engine) << c.written;
    }
}
