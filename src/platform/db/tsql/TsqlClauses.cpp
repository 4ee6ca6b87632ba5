#include "platform/db/tsql/TsqlClauses.h"

#include "platform/db/tsql/UntranslatableConstruct.h"

#include <QSet>

namespace db {

namespace {

// Hints that only say how to lock; dropping them cannot change the rows.
const QSet<QString> kLockingHints = {
    "NOLOCK",  "READUNCOMMITTED", "READCOMMITTED", "REPEATABLEREAD", "SERIALIZABLE",
    "ROWLOCK", "PAGLOCK",         "TABLOCK",       "TABLOCKX",       "UPDLOCK",
    "XLOCK",   "HOLDLOCK",        "NOWAIT",        "READPAST",       "READCOMMITTEDLOCK",
};

// Whether the parenthesis at `open` holds hint words separated by commas.
bool holdsOnlyLockingHints(const TokenList& tokens, int open, int close)
{
    for (int i = tokens.nextSignificant(open + 1); i < close; i = tokens.nextSignificant(i + 1)) {
        const SqlToken& token = tokens[i];
        if (token.isSymbol(u",")) continue;
        if (token.kind != SqlToken::Kind::Word) return false;
        if (!kLockingHints.contains(token.text.toUpper())) refuseConstruct("table hint " + token.text);
    }
    return true;
}

// End of the table name that follows DELETE (dotted pieces included).
int endOfName(const TokenList& tokens, int first)
{
    int i = first + 1;
    while (i + 1 < tokens.size() && tokens[i].isSymbol(u".") && tokens[i + 1].isName()) i += 2;
    return i;
}

}  // namespace

void refuseSessionObjects(const TokenList& statement)
{
    for (const SqlToken& token : statement) {
        if (token.kind == SqlToken::Kind::Variable) refuseConstruct("variable " + token.text);
        if (token.isSymbol(u"#")) refuseConstruct("# (temporary table or date literal)");
    }
}

void dropNationalPrefixes(TokenList& statement)
{
    for (int i = statement.size() - 2; i >= 0; --i) {
        const bool prefix = statement[i].isWord(u"N") && statement[i + 1].kind == SqlToken::Kind::Text;
        if (prefix) statement.erase(i, i + 1);
    }
}

void removeTableHints(TokenList& statement)
{
    for (int i = statement.size() - 1; i >= 0; --i) {
        if (!statement[i].isWord(u"WITH")) continue;
        const int open = statement.nextSignificant(i + 1);
        if (open >= statement.size() || !statement[open].isSymbol(u"(")) continue;
        const int close = statement.closingParenthesis(open);
        if (holdsOnlyLockingHints(statement, open, close))
            statement.erase(statement.previousSignificant(i) + 1, close + 1);
    }
}

void addFromToDelete(TokenList& statement)
{
    const int verb = statement.nextSignificant(0);
    if (verb >= statement.size() || !statement[verb].isWord(u"DELETE")) return;
    const int target = statement.nextSignificant(verb + 1);
    if (target >= statement.size() || statement[target].isWord(u"FROM")) return;
    if (statement[target].isWord(u"TOP")) refuseConstruct("DELETE TOP");
    if (statement.wordFollows(endOfName(statement, target), u"FROM")) refuseConstruct("DELETE ... FROM with a join");
    statement.insert(target, {SqlToken::word("FROM"), SqlToken::blank()});
}

}  // namespace db
