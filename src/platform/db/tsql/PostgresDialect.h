#pragma once

#include "platform/db/tsql/TsqlDialect.h"

namespace db {

// Collations that compat.sql creates. "ci" compares texts without regard to
// case, as SQL Server does; the schema gives it to text columns. "exacta" is
// deterministic, as PostgreSQL requires to search inside a text (patterns,
// positions, replacements); case is then ignored by the search itself.
inline constexpr char PostgresCaseInsensitiveCollation[] = "ci";
inline constexpr char PostgresSearchCollation[] = "exacta";

// The function of compat.sql that folds a text as LIKE compares letters
// (LikeFolding), what a company's trigram indexes hold of its articles.
inline constexpr char PostgresLikeFoldFunction[] = "TSQL_LIKE_FOLD";
// Its definition, as compat.sql writes it and the program makes it where it
// is missing. It is plain SQL, which any program may call.
QString postgresLikeFoldDefinition();

// T-SQL for PostgreSQL, whose compat.sql adds LEN, DATALENGTH, GETDATE,
// CHARINDEX, TSQL_REPLACE, TSQL_ADD and TSQL_LIKE_FOLD.
//  - ISNULL becomes COALESCE; REPLACE becomes TSQL_REPLACE, which finds
//    without regard to case and accepts texts under "ci".
//  - SQL Server ignores trailing blanks on both sides of a comparison: a
//    compared literal loses them, and a text function's value compared with
//    a literal goes through RTRIM. Columns are left bare, so that their
//    indexes serve; the suite stores texts trimmed or right-aligned.
//  - LIKE: its left operand is put under "exacta". A literal pattern becomes
//    a case-insensitive regular expression (~*, NOT LIKE !~*) that keeps
//    T-SQL's [sets] and its lack of an escape character; any other pattern
//    is matched with ILIKE. A column matched by a literal pattern that holds
//    a trigram (three characters in a row) and no set of several characters
//    is also compared folded, TSQL_LIKE_FOLD(column) COLLATE "C" LIKE the
//    folded pattern, which a trigram index on the folded column serves; a
//    scan tests the regular expression first, which costs less per row.
//  - [names] are quoted in lower case, the case of the unquoted names the
//    schema creates.
//  - Table definitions get PostgreSQL's names for SQL Server's types, text
//    ones followed by COLLATE ci.
class PostgresDialect : public TsqlDialect {
protected:
    const FunctionNames& renamedFunctions() const override;
    QString additionFunction() const override;
    TokenList comparedLiteral(const SqlToken& literal) const override;
    QString quotedName(const QString& name) const override;
    void adaptToEngine(TokenList& statement) const override;
};

}  // namespace db
