#pragma once

#include <string>

namespace veritom::seldb {

class CSqliteDb;

struct BuildOptions {
    std::string sourceDir;  // the seldb/ folder
    std::string language;   // "EN", "DE"
    std::string outPath;    // the database file to write
    int scale = 1;          // copies of every valve series, for benchmarks
};

// Builds one selection database: schema, catalogue tables, generated valve, coil and part
// number tables, pictures and stored queries. The file is written under a temporary name
// and renamed when complete, so a failed build never leaves a database that looks usable.
class CSeldbBuilder {
public:
    explicit CSeldbBuilder(BuildOptions options);

    // Throws CBuildError with a message naming the faulty source.
    void Build();

private:
    void BuildInto(const std::string& path);
    void LoadCatalogue(CSqliteDb& db);
    void ScaleCatalogue(CSqliteDb& db);
    void StorePictures(CSqliteDb& db);
    void RunChecks(CSqliteDb& db);
    static void CheckRapidQueries(CSqliteDb& db);

    BuildOptions m_options;
};

}  // namespace veritom::seldb
