#pragma once

struct sqlite3;

namespace veritom {

// The sizing queries take square roots; SQLite builds without math functions lack sqrt.
// Registers one on the connection when it has none (NULL for text, NULL or negatives).
void EnsureSqrtFunction(sqlite3* db);

}  // namespace veritom
