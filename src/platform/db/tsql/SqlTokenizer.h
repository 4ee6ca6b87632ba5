#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// Cuts T-SQL text into tokens. String literals keep their doubled quotes, and
// comments become a single blank so that nothing is appended inside them.
// Refuses a literal or quoted name that is never closed.
class SqlTokenizer {
public:
    static TokenList tokenize(const QString& text);

private:
    explicit SqlTokenizer(const QString& text) : text_(text) {}

    SqlToken next();
    SqlToken space();
    SqlToken lineComment();
    SqlToken blockComment();
    SqlToken quoted(QChar close, SqlToken::Kind kind);
    SqlToken word();
    SqlToken variable();
    SqlToken number();
    SqlToken symbol();

    bool at(QStringView s) const { return QStringView(text_).mid(pos_).startsWith(s); }
    QChar peek(int ahead = 0) const;
    SqlToken take(SqlToken::Kind kind, int start) const;

    const QString& text_;
    int pos_ = 0;
};

}  // namespace db
