#pragma once

struct sqlite3;

namespace db {

// A full-text tokenizer for indexes that narrow "LIKE '%text%'": a document
// gives every run of one to three characters that holds no blank, folded as
// LIKE compares them (LikeFolding); a query's quoted string is one run, folded
// the same way. A row holding a text holds every run of it, so the index
// finds a superset of the rows LIKE matches, for LIKE to check.
inline constexpr char FragmentTokenizer[] = "like_fragments";
inline constexpr int LongestFragment = 3;

// Registers the tokenizer on `connection`; false when SQLite has no full-text
// search or refuses it.
bool registerFragmentTokenizer(sqlite3* connection);

}  // namespace db
