#include "platform/db/tsql/TsqlTextComparison.h"

#include <array>
#include <set>

namespace db {

namespace {

// Positions of the "=" that give columns their values in an UPDATE's SET list:
// the first "=" outside parentheses after SET and after each comma, up to the
// FROM or WHERE that ends the list.
std::set<int> assignments(const TokenList& statement)
{
    std::set<int> found;
    const int first = statement.nextSignificant(0);
    if (first == statement.size() || !statement[first].isWord(u"UPDATE")) return found;
    bool inList = false;
    bool expectAssignment = false;
    for (int i = first + 1; i < statement.size(); ++i) {
        const SqlToken& token = statement[i];
        if (token.isSymbol(u"(")) {
            i = statement.closingParenthesis(i);
        } else if (token.isWord(u"SET") && !inList) {
            inList = expectAssignment = true;
        } else if (inList && (token.isWord(u"FROM") || token.isWord(u"WHERE"))) {
            break;
        } else if (inList && token.isSymbol(u",")) {
            expectAssignment = true;
        } else if (expectAssignment && token.isSymbol(u"=")) {
            found.insert(i);
            expectAssignment = false;
        }
    }
    return found;
}

bool comparedAt(const TokenList& statement, int literal, const std::set<int>& assigning)
{
    const auto comparesAt = [&](int i) {
        return i >= 0 && i < statement.size() && isComparison(statement[i]) && !assigning.contains(i);
    };
    return comparesAt(statement.previousSignificant(literal)) || comparesAt(statement.nextSignificant(literal + 1));
}

}  // namespace

bool isComparison(const SqlToken& token)
{
    static constexpr std::array<QStringView, 7> operators{u"=", u"<>", u"!=", u"<", u">", u"<=", u">="};
    for (QStringView op : operators) {
        if (token.isSymbol(op)) return true;
    }
    return false;
}

void compareTextsWithoutCase(TokenList& statement, const std::function<TokenList(const SqlToken&)>& compared)
{
    const std::set<int> assigning = assignments(statement);
    for (int i = statement.size() - 1; i >= 0; --i) {
        if (statement[i].kind != SqlToken::Kind::Text || !comparedAt(statement, i, assigning)) continue;
        statement.replace(i, i + 1, compared(statement[i]));
    }
}

}  // namespace db
