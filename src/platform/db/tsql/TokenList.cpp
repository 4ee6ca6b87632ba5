#include "platform/db/tsql/TokenList.h"

#include "platform/db/tsql/UntranslatableConstruct.h"

namespace db {

int TokenList::nextSignificant(int from) const
{
    int i = std::max(from, 0);
    while (i < size() && (*this)[i].isSpace()) ++i;
    return i;
}

int TokenList::previousSignificant(int before) const
{
    int i = std::min(before, size()) - 1;
    while (i >= 0 && (*this)[i].isSpace()) --i;
    return i;
}

int TokenList::closingParenthesis(int open) const
{
    int depth = 0;
    for (int i = open; i < size(); ++i) {
        if ((*this)[i].isSymbol(u"(")) ++depth;
        if ((*this)[i].isSymbol(u")") && --depth == 0) return i;
    }
    refuseConstruct("unbalanced parentheses");
}

int TokenList::openingParenthesis(int close) const
{
    int depth = 0;
    for (int i = close; i >= 0; --i) {
        if ((*this)[i].isSymbol(u")")) ++depth;
        if ((*this)[i].isSymbol(u"(") && --depth == 0) return i;
    }
    refuseConstruct("unbalanced parentheses");
}

bool TokenList::wordFollows(int from, QStringView word) const
{
    const int i = nextSignificant(from);
    return i < size() && (*this)[i].isWord(word);
}

TokenList TokenList::slice(int first, int last) const
{
    return TokenList(std::vector<SqlToken>(tokens_.begin() + first, tokens_.begin() + last));
}

TokenList TokenList::trimmed() const
{
    const int first = nextSignificant(0);
    return slice(first, std::max(first, previousSignificant(size()) + 1));
}

QString TokenList::text() const
{
    QString result;
    for (const SqlToken& token : tokens_) result += token.text;
    return result;
}

void TokenList::append(const TokenList& tokens) { tokens_.insert(tokens_.end(), tokens.begin(), tokens.end()); }

void TokenList::replace(int first, int last, const TokenList& tokens)
{
    tokens_.erase(tokens_.begin() + first, tokens_.begin() + last);
    tokens_.insert(tokens_.begin() + first, tokens.begin(), tokens.end());
    keepApart(first + tokens.size() - 1);
    keepApart(first - 1);
}

void TokenList::keepApart(int left)
{
    if (left < 0 || left + 1 >= size()) return;
    if ((*this)[left].isWordLike() && (*this)[left + 1].isWordLike())
        tokens_.insert(tokens_.begin() + left + 1, SqlToken::blank());
}

}  // namespace db
