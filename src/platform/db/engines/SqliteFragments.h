#pragma once

#include <QString>
#include <QStringView>

struct sqlite3_context;
struct sqlite3_value;

namespace db {

// Indexes that narrow "LIKE '%text%'" keep, for each row, every run of one to
// three characters of its texts that holds no blank, folded as LIKE compares
// them (LikeFolding). A row holding a text holds every run of it, so the rows
// holding all the runs of a text are a superset of those LIKE matches, for
// LIKE to check. A run is kept as a token that SQLite's own "ascii" tokenizer
// takes whole (its UTF-8 bytes in hexadecimal): any SQLite reads and writes
// such an index, and only the cutting into runs is ours.
inline constexpr int LongestFragment = 3;
// LIKE_FRAGMENTS(text...): the tokens of every run of the texts, separated by
// blanks; a NULL text gives none.
inline constexpr char FragmentsFunction[] = "LIKE_FRAGMENTS";

// The token of one run, folded.
QString fragmentToken(QStringView run);

// The body of LIKE_FRAGMENTS. It is registered on the program's connections
// only, for the program's own statements: a schema never calls it, so that
// programs without it write the indexed tables all the same.
void fragmentsFunction(sqlite3_context* context, int argc, sqlite3_value** argv);

}  // namespace db
