#include "platform/db/PostgresDialect.h"

#include <QHash>
#include <QStringList>

namespace db {

const FunctionNames& PostgresDialect::renamedFunctions() const
{
    static const FunctionNames renamed = {{"ISNULL", "COALESCE"}};
    return renamed;
}

QString PostgresDialect::additionFunction() const
{
    return QStringLiteral("TSQL_ADD");
}

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

QString PostgresDialect::quotedName(const QString& name) const
{
    return TsqlDialect::quotedName(name.toLower());
}

namespace {

// SQL Server's type names in table definitions, as PostgreSQL spells them;
// text types get the schema's case-insensitive collation.
const QHash<QString, QString>& ddlTypes()
{
    static const QHash<QString, QString> types{
        {"BIT", "smallint"},        {"TINYINT", "smallint"},    {"DATETIME", "timestamp"},
        {"SMALLDATETIME", "timestamp"}, {"MONEY", "numeric(19,4)"}, {"SMALLMONEY", "numeric(10,4)"},
        {"NVARCHAR", "varchar"},    {"NCHAR", "char"},          {"NTEXT", "text"},
        {"IMAGE", "bytea"},         {"UNIQUEIDENTIFIER", "uuid"},
    };
    return types;
}

bool isTextType(const QString& word)
{
    static const QStringList text{"VARCHAR", "NVARCHAR", "CHAR", "NCHAR", "TEXT", "NTEXT"};
    return text.contains(word.toUpper());
}

bool definesTables(const TokenList& statement)
{
    const int first = statement.nextSignificant(0);
    return first < statement.size() && (statement[first].isWord(u"CREATE") || statement[first].isWord(u"ALTER"));
}

void adaptColumnTypes(TokenList& statement)
{
    const TokenList collation{SqlToken::blank(), SqlToken::word("COLLATE"), SqlToken::blank(), SqlToken::word("ci")};
    for (int i = 0; i < statement.size(); ++i) {
        if (statement[i].kind != SqlToken::Kind::Word) continue;
        const QString word = statement[i].text;
        if (!ddlTypes().contains(word.toUpper()) && !isTextType(word)) continue;
        if (ddlTypes().contains(word.toUpper())) statement[i].text = ddlTypes().value(word.toUpper());
        if (!isTextType(word)) continue;
        int end = i;
        const int next = statement.nextSignificant(i + 1);
        if (next < statement.size() && statement[next].isSymbol(u"(")) end = statement.closingParenthesis(next);
        statement.insert(end + 1, collation);
        i = end + collation.size();
    }
}

}  // namespace

void PostgresDialect::adaptToEngine(TokenList& statement) const
{
    if (definesTables(statement)) adaptColumnTypes(statement);
    const TokenList deterministic{SqlToken::blank(), SqlToken::word("COLLATE"), SqlToken::blank(),
                                  {SqlToken::Kind::QuotedName, QStringLiteral("\"C\"")}};
    for (int i = 0; i < statement.size(); ++i) {
        if (!statement[i].isWord(u"LIKE")) continue;
        statement[i].text = QStringLiteral("ILIKE");
        const int leftEnd = statement.previousSignificant(i);
        const int notWord = leftEnd >= 0 && statement[leftEnd].isWord(u"NOT") ? leftEnd : i;
        const int operandEnd = statement.previousSignificant(notWord) + 1;
        statement.insert(operandEnd, deterministic);
        i += deterministic.size();
    }
}

std::unique_ptr<Dialect> makePostgresDialect()
{
    return std::make_unique<PostgresDialect>();
}

}  // namespace db
