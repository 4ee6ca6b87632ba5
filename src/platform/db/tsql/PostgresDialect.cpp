#include "platform/db/tsql/PostgresDialect.h"

#include "platform/db/tsql/LikeFolding.h"
#include "platform/db/tsql/TsqlConcatenation.h"
#include "platform/db/tsql/TsqlLikePattern.h"
#include "platform/db/tsql/TsqlTableDefinitions.h"
#include "platform/db/tsql/TsqlTextComparison.h"

#include <QHash>
#include <QStringList>

#include <optional>
#include <utility>

namespace db {

const FunctionNames& PostgresDialect::renamedFunctions() const
{
    static const FunctionNames renamed = {{"ISNULL", "COALESCE"}, {"REPLACE", "TSQL_REPLACE"}};
    return renamed;
}

QString PostgresDialect::additionFunction() const { return QStringLiteral("TSQL_ADD"); }

TokenList PostgresDialect::comparedLiteral(const SqlToken& literal) const
{
    // 'ANA ' and 'ANA' are equal for SQL Server; the literal keeps its type.
    SqlToken trimmed = literal;
    const qsizetype closing = trimmed.text.size() - 1;
    qsizetype end = closing;
    while (end > 1 && trimmed.text[end - 1] == u' ') --end;
    trimmed.text.remove(end, closing - end);
    return {trimmed};
}

QString PostgresDialect::quotedName(const QString& name) const { return TsqlDialect::quotedName(name.toLower()); }

namespace {

// Latin-1 and Latin Extended-A: where LikeFolding takes accents off.
constexpr char32_t kLatinFirst = 0x80;
constexpr char32_t kLatinLimit = 0x180;
// What a trigram index looks up: runs of three characters.
constexpr int kTrigram = 3;
// translate looks each character of a text up in its list from the start:
// the blank, digits and letters that the suite's texts use most come first.
constexpr char kFrequent[] = " aeoirnsltcdumpbgvyhfqjzxkwAEOIRNSLTCDUMPBGVYHFQJZXKW0123456789";

// SQL Server's type names in table definitions, as PostgreSQL spells them.
const QHash<QString, QString>& ddlTypes()
{
    static const QHash<QString, QString> types{
        {"BIT", "smallint"},
        {"TINYINT", "smallint"},
        {"DATETIME", "timestamp"},
        {"SMALLDATETIME", "timestamp"},
        {"MONEY", "numeric(19,4)"},
        {"SMALLMONEY", "numeric(10,4)"},
        {"NVARCHAR", "varchar"},
        {"NCHAR", "char"},
        {"NTEXT", "text"},
        {"IMAGE", "bytea"},
        {"UNIQUEIDENTIFIER", "uuid"},
    };
    return types;
}

TokenList collated(const char* collation)
{
    return {SqlToken::blank(), SqlToken::word("COLLATE"), SqlToken::blank(), SqlToken::word(collation)};
}

void adaptColumnTypes(TokenList& statement)
{
    for (int i = 0; i < statement.size(); ++i) {
        if (statement[i].kind != SqlToken::Kind::Word) continue;
        const auto type = ddlTypes().constFind(statement[i].text.toUpper());
        if (type != ddlTypes().cend()) statement[i].text = *type;
    }
    collateTextColumns(statement, PostgresCaseInsensitiveCollation);
    identityAsGenerated(statement);
}

// Whether the word at `name` calls a T-SQL text function, under its own
// spelling or the one this engine gave it.
bool callsTextFunction(const TokenList& statement, int name, const FunctionNames& renamed)
{
    if (name < 0 || statement[name].kind != SqlToken::Kind::Word) return false;
    const int before = statement.previousSignificant(name);
    if (before >= 0 && statement[before].isSymbol(u".")) return false;
    const QString spelled = statement[name].text.toUpper();
    return isTextFunction(renamed.key(spelled, spelled));
}

void wrapInRtrim(TokenList& statement, int first, int last)
{
    statement.insert(last + 1, {SqlToken::symbol(")")});
    statement.insert(first, {SqlToken::word("RTRIM"), SqlToken::symbol("(")});
}

// The call of a text function that ends at `last`, compared with a literal after it.
void trimCallEndingAt(TokenList& statement, int last, const FunctionNames& renamed)
{
    if (last < 0 || !statement[last].isSymbol(u")")) return;
    const int name = statement.previousSignificant(statement.openingParenthesis(last));
    if (callsTextFunction(statement, name, renamed)) wrapInRtrim(statement, name, last);
}

// The call of a text function that starts at `name`, compared with a literal before it.
void trimCallStartingAt(TokenList& statement, int name, const FunctionNames& renamed)
{
    const int open = statement.nextSignificant(name + 1);
    if (open >= statement.size() || !statement[open].isSymbol(u"(")) return;
    if (callsTextFunction(statement, name, renamed)) wrapInRtrim(statement, name, statement.closingParenthesis(open));
}

void trimComputedOperands(TokenList& statement, const FunctionNames& renamed)
{
    const auto isLiteral = [&](int i) {
        return i >= 0 && i < statement.size() && statement[i].kind == SqlToken::Kind::Text;
    };
    for (int op = 0; op < statement.size(); ++op) {
        if (!isComparison(statement[op])) continue;
        const int before = statement.previousSignificant(op);
        const int after = statement.nextSignificant(op + 1);
        if (isLiteral(after)) {
            const int sizeBefore = statement.size();
            trimCallEndingAt(statement, before, renamed);
            op += statement.size() - sizeBefore;  // the operator moved on
        } else if (isLiteral(before)) {
            trimCallStartingAt(statement, after, renamed);
        }
    }
}

// Whether the token at `i` carries on the expression before it.
bool continuesExpression(const TokenList& statement, int i)
{
    if (i >= statement.size()) return false;
    const SqlToken& token = statement[i];
    if (token.kind == SqlToken::Kind::Symbol)
        return !token.isSymbol(u")") && !token.isSymbol(u",") && !token.isSymbol(u";");
    return token.isWord(u"COLLATE");
}

struct LiteralPattern {
    int last;                       // the pattern's literal, or the escape character's
    QString expression;             // as a regular expression
    std::optional<QString> folded;  // as a LIKE pattern over folded text, when LIKE can say it
    int longestRun;                 // the most characters in a row that stand for one each
};

// The pattern after the LIKE at `like` when it is one literal, with an
// optional ESCAPE of a one-character literal.
std::optional<LiteralPattern> literalPattern(const TokenList& statement, int like)
{
    const int pattern = statement.nextSignificant(like + 1);
    if (pattern >= statement.size() || statement[pattern].kind != SqlToken::Kind::Text) return std::nullopt;
    int last = pattern;
    std::optional<QChar> escape;
    if (statement.wordFollows(pattern + 1, u"ESCAPE")) {
        const int character = statement.nextSignificant(statement.nextSignificant(pattern + 1) + 1);
        if (character >= statement.size() || statement[character].kind != SqlToken::Kind::Text
            || statement[character].literalValue().size() != 1)
            return std::nullopt;
        escape = statement[character].literalValue().at(0);
        last = character;
    }
    if (continuesExpression(statement, statement.nextSignificant(last + 1))) return std::nullopt;
    const TsqlLikePattern likePattern(statement[pattern].literalValue(), escape);
    return LiteralPattern{last, likePattern.regularExpression(), likePattern.foldedLikePattern(),
                          likePattern.longestRun()};
}

// Words after which a column name is a whole operand: nothing before it binds to it.
bool opensOperand(const SqlToken& token)
{
    static const QStringList words{"WHERE", "AND", "OR", "NOT", "ON", "WHEN", "THEN", "ELSE", "HAVING", "SELECT"};
    if (token.kind == SqlToken::Kind::Symbol) return token.isSymbol(u"(") || token.isSymbol(u",");
    return token.kind == SqlToken::Kind::Word && words.contains(token.text, Qt::CaseInsensitive);
}

// The column (a, t.a, "a") that ends at `last` when it is the whole operand
// there: the positions of its first and last tokens.
std::optional<std::pair<int, int>> columnOperand(const TokenList& statement, int last)
{
    if (last < 0 || !statement[last].isName() || opensOperand(statement[last])) return std::nullopt;
    int first = last;
    while (first >= 2 && statement[first - 1].isSymbol(u".") && statement[first - 2].isName()) first -= 2;
    const int before = statement.previousSignificant(first);
    if (before >= 0 && !opensOperand(statement[before])) return std::nullopt;
    return std::pair{first, last};
}

// Whether a trigram index on the folded column can serve the pattern: it
// must hold a trigram, and LIKE must be able to say it.
bool servedByTrigrams(const LiteralPattern& pattern) { return pattern.folded && pattern.longestRun >= kTrigram; }

// "(column COLLATE exacta ~* 'regex' AND TSQL_LIKE_FOLD(column) COLLATE "C"
// LIKE 'folded')": the index on the folded column serves the second, and a
// scan tests the first before it, at a fraction of the folding's cost.
TokenList bothMatches(const TokenList& column, const LiteralPattern& pattern)
{
    TokenList matches{SqlToken::symbol("(")};
    matches.append(column);
    matches.append(collated(PostgresSearchCollation));
    matches.append({SqlToken::blank(), SqlToken::symbol("~*"), SqlToken::blank(), SqlToken::literal(pattern.expression),
                    SqlToken::blank(), SqlToken::word("AND"), SqlToken::blank(),
                    SqlToken::word(PostgresLikeFoldFunction), SqlToken::symbol("(")});
    matches.append(column);
    matches.append({SqlToken::symbol(")"), SqlToken::blank(), SqlToken::word("COLLATE"), SqlToken::blank(),
                    SqlToken{SqlToken::Kind::QuotedName, "\"C\""}, SqlToken::blank(), SqlToken::word("LIKE"),
                    SqlToken::blank(), SqlToken::literal(*pattern.folded), SqlToken::symbol(")")});
    return matches;
}

void matchPatternsWithoutCase(TokenList& statement)
{
    const TokenList collation = collated(PostgresSearchCollation);
    for (int i = 0; i < statement.size(); ++i) {
        if (!statement[i].isWord(u"LIKE")) continue;
        const int previous = statement.previousSignificant(i);
        const bool negated = previous >= 0 && statement[previous].isWord(u"NOT");
        const int first = negated ? previous : i;
        const auto pattern = literalPattern(statement, i);
        const auto column = columnOperand(statement, previous);
        if (pattern && servedByTrigrams(*pattern) && column && !negated) {
            const TokenList matches = bothMatches(statement.slice(column->first, column->second + 1), *pattern);
            statement.replace(column->first, pattern->last + 1, matches);
            i = column->first + matches.size() - 1;
            continue;
        }
        if (pattern) {
            statement.replace(
                first, pattern->last + 1,
                {SqlToken::symbol(negated ? "!~*" : "~*"), SqlToken::blank(), SqlToken::literal(pattern->expression)});
        } else {
            statement[i].text = QStringLiteral("ILIKE");
        }
        statement.insert(statement.previousSignificant(first) + 1, collation);
        i = first + collation.size();
    }
}

}  // namespace

void PostgresDialect::adaptToEngine(TokenList& statement) const
{
    if (definesTables(statement)) adaptColumnTypes(statement);
    trimComputedOperands(statement, renamedFunctions());
    matchPatternsWithoutCase(statement);
}

QString postgresLikeFoldDefinition()
{
    QString accented = QString::fromLatin1(kFrequent);
    QString folded = accented.toLower();
    for (char32_t c = kLatinFirst; c < kLatinLimit; ++c) {
        if (likeFolded(c) == c) continue;
        accented += QChar(static_cast<char16_t>(c));
        folded += QChar(static_cast<char16_t>(likeFolded(c)));
    }
    // An ASCII text only needs lower.
    return QStringLiteral(
               "CREATE FUNCTION tsql_like_fold(t text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE\n"
               "    AS $$ SELECT CASE WHEN octet_length(t) = char_length(t) THEN lower(t COLLATE \"und-x-icu\")\n"
               "                      ELSE lower(translate(t, '%1',\n"
               "                                               '%2') COLLATE \"und-x-icu\") END $$")
        .arg(accented, folded);
}

std::unique_ptr<Dialect> makePostgresDialect() { return std::make_unique<PostgresDialect>(); }

}  // namespace db
