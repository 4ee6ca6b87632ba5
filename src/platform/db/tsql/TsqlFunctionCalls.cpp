#include "platform/db/tsql/TsqlFunctionCalls.h"

#include "platform/db/tsql/UntranslatableConstruct.h"

#include <QSet>

namespace db {

namespace {

const QSet<QString> kWithoutCounterpart = {
    "CONVERT", "TRY_CONVERT", "DATEADD", "DATEDIFF",       "DATEPART",      "DATENAME",  "ISNUMERIC",
    "ISDATE",  "PATINDEX",    "STUFF",   "REPLICATE",      "SPACE",         "STR",       "NEWID",
    "FORMAT",  "OBJECT_ID",   "DB_NAME", "SCOPE_IDENTITY", "IDENT_CURRENT", "HOST_NAME", "SUSER_SNAME",
};

bool isCallAt(const TokenList& tokens, int i)
{
    if (tokens[i].kind != SqlToken::Kind::Word) return false;
    const int next = tokens.nextSignificant(i + 1);
    const int previous = tokens.previousSignificant(i);
    const bool qualified = previous >= 0 && tokens[previous].isSymbol(u".");
    return !qualified && next < tokens.size() && tokens[next].isSymbol(u"(");
}

}  // namespace

void adaptFunctionCalls(TokenList& statement, const FunctionNames& renamed)
{
    for (int i = 0; i < statement.size(); ++i) {
        if (!isCallAt(statement, i)) continue;
        const QString name = statement[i].text.toUpper();
        if (kWithoutCounterpart.contains(name)) refuseConstruct("function " + name);
        if (const auto engineName = renamed.constFind(name); engineName != renamed.cend())
            statement[i].text = *engineName;
    }
}

}  // namespace db
