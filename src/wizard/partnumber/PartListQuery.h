#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "data/QueryDecl.h"
#include "wizard/partnumber/ColumnTable.h"

namespace veritom {

class CProd_ValveData;
class CQuery;

// A parameter value as the program passes it: a link as text, a flag as a 16-bit integer,
// a quantity as a 32-bit float in its fixed unit.
using ListParamValue = std::variant<std::string, std::int16_t, float>;
struct ListParam {
    std::string_view name;
    ListParamValue value;
};
using ListParams = std::vector<ListParam>;

// What the list query takes from the filters: the links of the options chosen ("ALL" for
// a filter that is not in use) and the numbers in their fixed units.
struct ListFilterValues {
    std::string bodyMaterial;
    std::string sealMaterial;
    std::string flowFactorKind;
    float flowFactorLow = 0;
    std::string connectionType;
    std::string actuation;
    float maxFluidTempF = 0;
    float minFluidTempF = 0;
    float maxInletPressurePsig = 0;
    std::string coilClass;
    std::string tenthFilter;
};

// Which list and option query the part number step runs for a record, the column variant
// it shows, and the parameters of both queries.
class CPartListQuery {
public:
    // 1 valve size method; 2 catalog data with a coil; 3 catalog data without; 4 calculated
    // size with a coil; 5 calculated size without.
    static int ChooseKind(const CProd_ValveData& record);
    // Nothing for a record without a coil whose selection method is neither 1 nor 2.
    static std::optional<ColumnVariant> ChooseVariant(const CProd_ValveData& record);
    static CQueryInfo ListQuery(int kind);
    static CQueryInfo OptionQuery(int kind);
    // The coil class filter narrows only lists of a chosen coil; the tenth filter (agency
    // approval, or the control input signal of the valve size method) those and kind 1.
    static bool UsesCoilClassFilter(int kind) { return kind == 2 || kind == 4; }
    static bool UsesTenthFilter(int kind) { return kind == 1 || kind == 2 || kind == 4; }

    // The parameters both queries of a kind take from the record, quantities converted to
    // PSIG, DEG_F, CC_MIN and CV; the pressure differentials to psi as differences.
    static ListParams RecordParameters(const CProd_ValveData& record, int kind);
    static ListParams FilterParameters(const ListFilterValues& filters, int kind);

    // Sets each parameter through the query's declaration: one the declaration lacks, or of
    // another kind, is a misuse of the engine and raises CDaoException.
    static void Apply(CQuery& query, const ListParams& params);
};

}  // namespace veritom
