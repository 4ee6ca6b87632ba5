#pragma once

struct sqlite3;

namespace db {

// Names under which T-SQL functions are registered when SQLite's own spelling
// cannot be used: LEFT and RIGHT are SQLite keywords, and SQLite has no
// operator that joins texts but adds numbers as T-SQL's "+" does.
inline constexpr char LeftFunction[] = "TSQL_LEFT";
inline constexpr char RightFunction[] = "TSQL_RIGHT";
inline constexpr char AddFunction[] = "TSQL_ADD";
// "(a LIKE p OR b LIKE p)" as one call, so that a scan matches a row's columns in one go.
inline constexpr char LikeAnyFunction[] = "TSQL_LIKE_ANY";
// The collation the schema gives text columns to compare them as SQL Server does.
inline constexpr char CaseInsensitiveCollation[] = "NOCASE";

// Registers on `connection` the T-SQL functions that SQLite lacks or has with
// other results, all with T-SQL's behaviour (NULL in gives NULL out, positions
// are 1-based, texts compare without regard to case):
//   GETDATE()                     local time as 'yyyy-MM-dd HH:mm:ss'
//   LEN(x)                        characters, trailing blanks not counted
//   DATALENGTH(x)                 bytes: one per character of a text (the suite's
//                                 single-byte columns), 8 for a number
//   CHARINDEX(find, text[, start]) position of find, 0 when absent
//   SUBSTRING(text, start, length) start may be below 1; a negative length fails
//   TSQL_LEFT(text, n), TSQL_RIGHT(text, n)
//   TSQL_ADD(a, b)                two texts join, otherwise a + b as numbers
//   UPPER(x), LOWER(x)            for every letter, not only ASCII
//   REPLACE(text, find, with)     find matched without regard to case
//   x LIKE pattern [ESCAPE e]     T-SQL patterns: %, _, [set], [^set], case ignored
//   TSQL_LIKE_ANY(pattern, x, y...) x LIKE pattern OR y LIKE pattern..., NULLs as OR takes them
//   LIKE_FRAGMENTS(x, y...)       what a search index keeps of the texts (SqliteFragments.h)
// It also replaces SQLite's NOCASE collation, which folds only ASCII letters and
// counts trailing blanks, by SQL Server's comparison: any letter in either case
// and trailing blanks ignored ('ANA' = 'ana  '), so that a NOCASE column
// compares, groups and orders as the suite's SQL Server columns do. Tools that
// open the file without it see ASCII-only NOCASE again.
// Throws ErrorVB when SQLite refuses a registration.
void registerTsqlFunctions(sqlite3* connection);

}  // namespace db
