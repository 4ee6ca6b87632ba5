#include "platform/db/tsql/TsqlBatch.h"

#include <QSet>

namespace db {

namespace {

const QSet<QString> kStatementOpeners = {
    "SELECT", "INSERT", "UPDATE", "DELETE", "IF",       "BEGIN",   "COMMIT", "ROLLBACK", "SAVE",
    "SET",    "CREATE", "ALTER",  "DROP",   "TRUNCATE", "DECLARE", "EXEC",   "EXECUTE",
};

// Words after which a statement cannot be complete.
const QSet<QString> kWordsAskingForMore = {
    "AND",   "OR",     "NOT",    "ON",        "AS",       "FROM",   "WHERE",  "SET",  "BY",      "JOIN",
    "UNION", "ALL",    "EXCEPT", "INTERSECT", "INTO",     "VALUES", "SELECT", "THEN", "ELSE",    "WHEN",
    "IN",    "EXISTS", "LIKE",   "IS",        "DISTINCT", "TOP",    "HAVING", "CASE", "BETWEEN", "ESCAPE",
};

const QSet<QString> kOperators = {
    ",", "=", "<", ">", "<=", ">=", "<>", "!=", "!<", "!>", "+", "-", "*", "/", "%", "||"};

QString upper(const SqlToken& token) { return token.text.toUpper(); }

bool isOpener(const SqlToken& token)
{
    return token.kind == SqlToken::Kind::Word && kStatementOpeners.contains(upper(token));
}

// The statement being collected, with what the continuation rules ask of it.
class PendingStatement {
public:
    void add(const SqlToken& token)
    {
        if (token.isSymbol(u"(")) ++depth_;
        if (token.isSymbol(u")") && depth_ > 0) --depth_;
        if (depth_ == 0 && token.kind == SqlToken::Kind::Word) noteTopLevelWord(upper(token));
        tokens_.append(token);
    }

    bool insideParentheses() const { return depth_ > 0; }

    // Whether `word`, first on a new line, carries on this statement.
    bool continuesWith(const SqlToken& word) const
    {
        if (tokens_.isBlank()) return true;
        if (firstWord_ == "SET") return false;  // an option ends with its line, even "ON"
        if (endsIncomplete()) return true;
        if (firstWord_ == "IF" && !ifBodyStarted_) return true;
        if (word.isWord(u"SELECT") && firstWord_ == "INSERT" && !sawValues_) return true;
        return word.isWord(u"SET") && firstWord_ == "UPDATE" && !sawSet_;
    }

    TokenList take()
    {
        TokenList statement = std::move(tokens_);
        *this = PendingStatement();
        return statement;
    }

private:
    void noteTopLevelWord(const QString& word)
    {
        if (firstWord_.isEmpty()) {
            firstWord_ = word;
            return;
        }
        if (firstWord_ == "IF" && kStatementOpeners.contains(word)) ifBodyStarted_ = true;
        if (word == "VALUES") sawValues_ = true;
        if (word == "SET") sawSet_ = true;
    }

    bool endsIncomplete() const
    {
        const SqlToken& last = tokens_[tokens_.previousSignificant(tokens_.size())];
        if (last.kind == SqlToken::Kind::Symbol) return kOperators.contains(last.text);
        return last.kind == SqlToken::Kind::Word && kWordsAskingForMore.contains(upper(last));
    }

    TokenList tokens_;
    int depth_ = 0;
    QString firstWord_;
    bool ifBodyStarted_ = false;
    bool sawValues_ = false;
    bool sawSet_ = false;
};

bool isGoLine(const TokenList& batch, int i)
{
    if (!batch[i].isWord(u"GO")) return false;
    const bool lineStart = batch.previousSignificant(i) < 0 || batch[i - 1].hasLineBreak();
    const bool lineEnd = batch.nextSignificant(i + 1) == batch.size() || batch[i + 1].hasLineBreak();
    return lineStart && lineEnd;
}

}  // namespace

std::vector<TokenList> splitBatch(const TokenList& batch)
{
    std::vector<TokenList> statements;
    PendingStatement pending;
    for (int i = 0; i < batch.size(); ++i) {
        const SqlToken& token = batch[i];
        const bool splits = token.isSymbol(u";") || isGoLine(batch, i);
        if (splits) {
            statements.push_back(pending.take());
            continue;
        }
        if (token.hasLineBreak() && !pending.insideParentheses()) {
            const int next = batch.nextSignificant(i + 1);
            if (next < batch.size() && isOpener(batch[next]) && !pending.continuesWith(batch[next])) {
                statements.push_back(pending.take());
                continue;
            }
        }
        pending.add(token);
    }
    statements.push_back(pending.take());
    return statements;
}

}  // namespace db
