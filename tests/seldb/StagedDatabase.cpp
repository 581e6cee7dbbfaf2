#include "StagedDatabase.h"

#include <filesystem>

#include "data/QD.h"
#include "data/Recordset.h"

namespace veritom::test {

CStagedDatabase::CStagedDatabase(std::string language)
    : m_language(std::move(language)), m_db(*this) {
    m_db.Open(Directory(), "Morvane", false, true, "");
}

std::string CStagedDatabase::Directory() {
    return VERITOM_STAGE_DIR "/share/veritom";
}

bool CStagedDatabase::Exists(const std::string& language) {
    return std::filesystem::exists(Directory() + "/Morvane" + language + ".mdb");
}

Params operator+(Params left, const Params& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

void SetParams(QD& qd, const Params& params) {
    for (const auto& param : params) {
        const std::string& name = param.first;
        std::visit([&qd, &name](const auto& v) { qd.SetParam(name, v); }, param.second);
    }
}

std::vector<std::string> Column(IDatabase& db, const std::string& query, const Params& params,
                                const std::string& field) {
    QD qd(db, query);
    SetParams(qd, params);
    IRecordset rs(db);
    rs.Open(qd);
    std::vector<std::string> values;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        values.push_back(rs.GetString(field));
    }
    return values;
}

std::vector<Row> RunQuery(IDatabase& db, const std::string& query, const Params& params) {
    QD qd(db, query);
    SetParams(qd, params);
    IRecordset rs(db);
    rs.Open(qd);
    std::vector<Row> rows;
    while (!rs.IsEOF()) {
        Row row;
        for (int i = 0; i < rs.GetFieldCount(); ++i) {
            row[rs.GetFieldName(i)] = rs.GetFieldValue(i);
            std::string position(1, '#');  // not "#" + ...: a false -Wrestrict of GCC 12 at -O2
            position += std::to_string(i);
            row[position] = rs.GetFieldValue(i);
        }
        rows.push_back(std::move(row));
        rs.MoveNext();
    }
    return rows;
}

std::string Text(const Row& row, const std::string& field) {
    const auto it = row.find(field);
    if (it == row.end() || it->second.Get<std::string>() == nullptr) {
        return "<no text field " + field + ">";
    }
    return *it->second.Get<std::string>();
}

double Number(const Row& row, const std::string& field) {
    const auto it = row.find(field);
    if (it == row.end()) {
        return -1e300;
    }
    if (const auto* d = it->second.Get<double>()) {
        return *d;
    }
    if (const auto* f = it->second.Get<float>()) {
        return *f;
    }
    if (const auto* i = it->second.Get<std::int32_t>()) {
        return *i;
    }
    if (const auto* s = it->second.Get<std::int16_t>()) {
        return *s;
    }
    return -1e300;
}

}  // namespace veritom::test

namespace veritom::test {

std::set<std::string> RapidQueryNames(IDatabase& db) {
    std::set<std::string> names;
    for (const Row& series : RunQuery(db, "qRap_SelSeries", {})) {
        const Params seriesParam = {{"[parDesignSeriesLink]", Text(series, "DesignSeriesLink")}};
        for (const Row& type : RunQuery(db, "qRap_PNTypeAvail", seriesParam)) {
            const Params typeParams =
                seriesParam + Params{{"[parRapSelChoiceLink]", Text(type, "PNType")}};
            std::vector<std::int16_t> fields = {999};
            for (const Row& segment : RunQuery(db, "qRap_FieldHeadings_And_State", typeParams)) {
                if (Text(segment, "FieldDisplayState") != "0") {
                    fields.push_back(static_cast<std::int16_t>(Number(segment, "RapSelFieldNum")));
                }
            }
            for (std::int16_t field : fields) {
                for (const Row& query :
                     RunQuery(db, "qRap_GetQuery",
                              typeParams + Params{{"[parRapSelFieldNum]", field}})) {
                    names.insert(Text(query, "Query"));
                }
            }
        }
    }
    return names;
}

}  // namespace veritom::test
