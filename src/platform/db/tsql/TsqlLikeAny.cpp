#include "platform/db/tsql/TsqlLikeAny.h"

#include <optional>

namespace db {

namespace {

struct LikesOfOnePattern {
    SqlToken pattern;
    TokenList columns;  // the columns with commas between them
};

// The end of the column name (a, [a], t.a) that starts at `i`; nothing when there is none.
std::optional<int> columnEnd(const TokenList& group, int i)
{
    if (i >= group.size() || !group[i].isName() || group[i].isWord(u"NOT")) return std::nullopt;
    while (i + 2 < group.size() && group[i + 1].isSymbol(u".") && group[i + 2].isName()) i += 2;
    return i + 1;
}

// The group's "column LIKE 'p' OR column LIKE 'p'...", read between its parentheses.
std::optional<LikesOfOnePattern> readGroup(const TokenList& statement, int open, int close)
{
    LikesOfOnePattern likes;
    int count = 0;
    for (int i = statement.nextSignificant(open + 1); i < close; ++count) {
        if (count > 0) {
            if (!statement[i].isWord(u"OR")) return std::nullopt;
            i = statement.nextSignificant(i + 1);
        }
        const std::optional<int> end = columnEnd(statement, i);
        if (!end || *end > close) return std::nullopt;
        const TokenList column = statement.slice(i, *end);
        const int like = statement.nextSignificant(*end);
        const int pattern = statement.nextSignificant(like + 1);
        if (pattern >= close || !statement[like].isWord(u"LIKE") || statement[pattern].kind != SqlToken::Kind::Text)
            return std::nullopt;
        if (count == 0) likes.pattern = statement[pattern];
        if (statement[pattern].text != likes.pattern.text) return std::nullopt;
        likes.columns.append(SqlToken::symbol(","));
        likes.columns.append(SqlToken::blank());
        likes.columns.append(column);
        i = statement.nextSignificant(pattern + 1);
    }
    if (count < 2) return std::nullopt;
    return likes;
}

}  // namespace

void joinLikesOfOnePattern(TokenList& statement, const QString& function)
{
    for (int open = statement.size() - 1; open >= 0; --open) {
        if (!statement[open].isSymbol(u"(")) continue;
        const int close = statement.closingParenthesis(open);
        const std::optional<LikesOfOnePattern> likes = readGroup(statement, open, close);
        if (!likes) continue;
        TokenList call{SqlToken::word(function), SqlToken::symbol("("), likes->pattern};
        call.append(likes->columns);
        call.append(SqlToken::symbol(")"));
        statement.replace(open + 1, close, call);
    }
}

}  // namespace db
