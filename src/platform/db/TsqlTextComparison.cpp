#include "platform/db/TsqlTextComparison.h"

#include <array>

namespace db {

namespace {

bool isComparison(const SqlToken& token)
{
    static constexpr std::array<QStringView, 7> operators{u"=", u"<>", u"!=", u"<", u">", u"<=", u">="};
    for (QStringView op : operators) {
        if (token.isSymbol(op)) return true;
    }
    return false;
}

bool comparedAt(const TokenList& statement, int literal)
{
    const int before = statement.previousSignificant(literal);
    const int after = statement.nextSignificant(literal + 1);
    return (before >= 0 && isComparison(statement[before]))
           || (after < statement.size() && isComparison(statement[after]));
}

}  // namespace

void compareTextsWithoutCase(TokenList& statement, const std::function<TokenList(const SqlToken&)>& compared)
{
    for (int i = 0; i < statement.size(); ++i) {
        if (statement[i].kind != SqlToken::Kind::Text || !comparedAt(statement, i)) continue;
        const TokenList replacement = compared(statement[i]);
        statement.replace(i, i + 1, replacement);
        i += replacement.size() - 1;
    }
}

}  // namespace db
