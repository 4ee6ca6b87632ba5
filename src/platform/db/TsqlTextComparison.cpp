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

void compareTextsWithoutCase(TokenList& statement, const TokenList& marker)
{
    for (int i = 0; i < statement.size(); ++i) {
        if (statement[i].kind != SqlToken::Kind::Text || !comparedAt(statement, i)) continue;
        statement.insert(i + 1, marker);
        i += marker.size();
    }
}

}  // namespace db
