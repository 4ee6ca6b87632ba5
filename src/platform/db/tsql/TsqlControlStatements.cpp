#include "platform/db/tsql/TsqlControlStatements.h"

#include "platform/db/tsql/UntranslatableConstruct.h"

namespace db {

namespace {

struct Words {
    const TokenList& tokens;
    int position = 0;

    // The next significant token, empty at the end.
    QString take()
    {
        position = tokens.nextSignificant(position);
        if (position >= tokens.size()) return {};
        return tokens[position++].text.toUpper();
    }
};

bool isTransactionWord(const QString& word) { return word == "TRAN" || word == "TRANSACTION"; }

QString beginTransaction(Words& words)
{
    const QString next = words.take();
    if (next == "DISTRIBUTED") refuseConstruct("BEGIN DISTRIBUTED TRANSACTION");
    if (!isTransactionWord(next)) refuseConstruct("BEGIN ... END block");
    return QStringLiteral("BEGIN TRANSACTION");
}

QString commitTransaction(Words& words)
{
    const QString next = words.take();
    if (!next.isEmpty() && !isTransactionWord(next) && next != "WORK") refuseConstruct("COMMIT " + next);
    return QStringLiteral("COMMIT TRANSACTION");
}

// A name after ROLLBACK TRANSACTION may be a savepoint, which would undo less.
QString rollbackTransaction(Words& words)
{
    const QString next = words.take();
    if (!next.isEmpty() && !isTransactionWord(next) && next != "WORK") refuseConstruct("ROLLBACK " + next);
    if (!words.take().isEmpty()) refuseConstruct("ROLLBACK TRANSACTION to a savepoint");
    return QStringLiteral("ROLLBACK TRANSACTION");
}

}  // namespace

void requireDroppableSetOption(const TokenList& statement)
{
    Words words{statement};
    words.take();
    const QString option = words.take();
    const QString value = words.take();
    const bool nocount = option == "NOCOUNT" && (value == "ON" || value == "OFF") && words.take().isEmpty();
    if (!nocount) refuseConstruct("SET " + option);
}

bool isTransactionStatement(const TokenList& statement)
{
    const int first = statement.nextSignificant(0);
    if (first >= statement.size()) return false;
    const SqlToken& word = statement[first];
    return word.isWord(u"BEGIN") || word.isWord(u"COMMIT") || word.isWord(u"ROLLBACK") || word.isWord(u"SAVE");
}

QString transactionStatement(const TokenList& statement)
{
    Words words{statement};
    const QString verb = words.take();
    if (verb == "BEGIN") return beginTransaction(words);
    if (verb == "COMMIT") return commitTransaction(words);
    if (verb == "ROLLBACK") return rollbackTransaction(words);
    refuseConstruct("SAVE TRANSACTION");
}

}  // namespace db
