#pragma once

#include "Database.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>

// The results file's schema, a version at a time. PRAGMA user_version holds the version a file
// is at; a writer brings an older file up to date in place, a reader takes it as it is.
namespace results {

// The version this program writes: one for each step.
int64_t SchemaVersion();

// The version the file says it is at, or nothing, with why, where it cannot be read or is none
// this program knows.
std::optional<int64_t> FileVersion(Database& db);

// Takes each step from the file's version on, up to this program's or an older one, in one
// change; a step whose change the file already holds (restored from a dump, which keeps no
// version) is passed over.
bool BringUpToDate(Database& db, int64_t version = SchemaVersion());

// The columns a table of the file has; nothing, with why, where they cannot be read.
std::optional<std::set<std::string>> ColumnsOf(Database& db, const char* table);

} // namespace results
