#include "platform/db/tsql/PostgresDialect.h"

#include "platform/db/tsql/TsqlConcatenation.h"
#include "platform/db/tsql/TsqlLikePattern.h"
#include "platform/db/tsql/TsqlTableDefinitions.h"
#include "platform/db/tsql/TsqlTextComparison.h"

#include <QHash>
#include <QStringList>

#include <optional>

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
    int last;            // the pattern's literal, or the escape character's
    QString expression;  // as a regular expression
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
    return LiteralPattern{last, TsqlLikePattern(statement[pattern].literalValue(), escape).regularExpression()};
}

void matchPatternsWithoutCase(TokenList& statement)
{
    const TokenList collation = collated(PostgresSearchCollation);
    for (int i = 0; i < statement.size(); ++i) {
        if (!statement[i].isWord(u"LIKE")) continue;
        const int previous = statement.previousSignificant(i);
        const bool negated = previous >= 0 && statement[previous].isWord(u"NOT");
        const int first = negated ? previous : i;
        if (const auto pattern = literalPattern(statement, i)) {
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

std::unique_ptr<Dialect> makePostgresDialect() { return std::make_unique<PostgresDialect>(); }

}  // namespace db
