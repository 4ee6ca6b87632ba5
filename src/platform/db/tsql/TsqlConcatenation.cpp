#include "platform/db/tsql/TsqlConcatenation.h"

#include <QSet>

#include <algorithm>

namespace db {

namespace {

enum class ValueType { Unknown, Text, Number };

const QSet<QString> kTextFunctions = {
    "LTRIM", "RTRIM",   "TRIM", "LEFT",  "RIGHT",  "SUBSTRING", "UPPER",
    "LOWER", "REPLACE", "CHAR", "NCHAR", "CONCAT", "REVERSE",   "QUOTENAME",
};
const QSet<QString> kNumberFunctions = {
    "LEN",   "DATALENGTH", "CHARINDEX", "COUNT", "SUM",  "AVG",   "ABS",     "ROUND",
    "FLOOR", "CEILING",    "POWER",     "SQRT",  "SIGN", "ASCII", "UNICODE",
};
const QSet<QString> kFunctionsOfAnyArgument = {"ISNULL", "COALESCE", "IFNULL"};
const QSet<QString> kFunctionsOfFirstArgument = {"NULLIF", "MAX", "MIN"};
const QSet<QString> kTextTypes = {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT", "NTEXT"};

// Words that end one expression and start another.
const QSet<QString> kSeparatingWords = {
    "SELECT", "DISTINCT", "ALL",   "TOP",        "PERCENT", "FROM",      "WHERE",  "GROUP", "ORDER",  "BY",
    "HAVING", "AND",      "OR",    "NOT",        "ON",      "AS",        "JOIN",   "INNER", "OUTER",  "LEFT",
    "RIGHT",  "FULL",     "CROSS", "UNION",      "EXCEPT",  "INTERSECT", "INSERT", "INTO",  "VALUES", "UPDATE",
    "SET",    "DELETE",   "WHEN",  "THEN",       "ELSE",    "END",       "IN",     "IS",    "LIKE",   "BETWEEN",
    "EXISTS", "ASC",      "DESC",  "LIMIT",      "ESCAPE",  "COLLATE",   "WITH",   "IF",    "CREATE", "ALTER",
    "DROP",   "TABLE",    "ADD",   "CONSTRAINT", "DEFAULT", "PRIMARY",   "KEY",
};
const QSet<QString> kSeparatingSymbols = {",", ";", "=", "<", ">", "<=", ">=", "<>", "!=", "!<", "!>"};
const QSet<QString> kArithmetic = {"+", "-", "*", "/", "%", "&", "|", "^", "~"};

// One term-sized piece of an expression: a token, a parenthesis, a call or a CASE.
struct Item {
    int first = 0;
    int last = 0;  // inclusive
    ValueType type = ValueType::Unknown;
    QString name;  // upper-case word, or the call's function
    bool isArithmetic = false;
};

// One expression between separators, and the separator before it.
struct Expression {
    QString after;
    std::vector<Item> items;
    ValueType type = ValueType::Unknown;
};

struct Term {
    std::vector<Item> items;
    int first() const { return items.front().first; }
    int last() const { return items.back().last; }
};

ValueType merged(const std::vector<ValueType>& types)
{
    const bool text = std::ranges::count(types, ValueType::Text) > 0;
    const bool number = std::ranges::count(types, ValueType::Number) > 0;
    if (text == number) return ValueType::Unknown;
    return text ? ValueType::Text : ValueType::Number;
}

ValueType typeOfTerm(const Term& term)
{
    const bool computed = std::ranges::any_of(term.items, [](const Item& item) { return item.isArithmetic; });
    if (computed) return ValueType::Number;
    return term.items.size() == 1 ? term.items.front().type : ValueType::Unknown;
}

class AdditionRewriter {
public:
    AdditionRewriter(TokenList& tokens, QString function) : tokens_(tokens), function_(std::move(function)) {}

    void run()
    {
        expressions(0, tokens_.size());
        std::ranges::stable_sort(insertions_, std::greater{}, &Insertion::position);
        for (const Insertion& insertion : insertions_) tokens_.insert(insertion.position, insertion.tokens);
    }

private:
    struct Insertion {
        int position;
        TokenList tokens;
    };

    std::vector<Expression> expressions(int first, int last)
    {
        std::vector<Expression> found(1);
        for (int i = first; i < last;) {
            if (tokens_[i].isSpace()) {
                ++i;
            } else if (separates(i)) {
                judge(found.back());
                found.push_back({tokens_[i++].text.toUpper(), {}, ValueType::Unknown});
            } else {
                found.back().items.push_back(readItem(i));
            }
        }
        judge(found.back());
        return found;
    }

    bool separates(int i) const
    {
        const SqlToken& token = tokens_[i];
        if (token.kind == SqlToken::Kind::Symbol) return kSeparatingSymbols.contains(token.text);
        if (token.kind != SqlToken::Kind::Word) return false;
        return kSeparatingWords.contains(token.text.toUpper()) && !isCall(i);
    }

    // LEFT and RIGHT are joins too; a parenthesis after them makes them calls.
    bool isCall(int i) const
    {
        const int next = tokens_.nextSignificant(i + 1);
        if (next >= tokens_.size() || !tokens_[next].isSymbol(u"(")) return false;
        const QString word = tokens_[i].text.toUpper();
        return !kSeparatingWords.contains(word) || word == "LEFT" || word == "RIGHT";
    }

    Item readItem(int& i)
    {
        const SqlToken& token = tokens_[i];
        Item item{i, i, ValueType::Unknown, token.text.toUpper(), false};
        if (token.isSymbol(u"(")) {
            item.last = tokens_.closingParenthesis(i);
            item.type = firstExpressionType(expressions(i + 1, item.last));
        } else if (token.isWord(u"CASE")) {
            item.last = matchingEnd(i);
            item.type = typeOfCase(expressions(i + 1, item.last));
        } else if (token.kind == SqlToken::Kind::Word && isCall(i)) {
            const int open = tokens_.nextSignificant(i + 1);
            item.last = tokens_.closingParenthesis(open);
            item.type = typeOfCall(item.name, expressions(open + 1, item.last));
        } else if (token.kind == SqlToken::Kind::Text) {
            item.type = ValueType::Text;
        } else if (token.kind == SqlToken::Kind::Number) {
            item.type = ValueType::Number;
        } else {
            item.isArithmetic = token.kind == SqlToken::Kind::Symbol && kArithmetic.contains(token.text);
        }
        i = item.last + 1;
        return item;
    }

    int matchingEnd(int caseWord) const
    {
        int depth = 0;
        for (int i = caseWord; i < tokens_.size(); ++i) {
            if (tokens_[i].isWord(u"CASE")) ++depth;
            if (tokens_[i].isWord(u"END") && --depth == 0) return i;
        }
        return tokens_.size() - 1;
    }

    static ValueType firstExpressionType(const std::vector<Expression>& found)
    {
        const auto first = std::ranges::find_if(found, [](const Expression& e) { return !e.items.empty(); });
        return first == found.end() ? ValueType::Unknown : first->type;
    }

    static ValueType typeOfCase(const std::vector<Expression>& found)
    {
        std::vector<ValueType> results;
        for (const Expression& e : found)
            if (e.after == "THEN" || e.after == "ELSE") results.push_back(e.type);
        return merged(results);
    }

    static ValueType typeOfCall(const QString& name, const std::vector<Expression>& arguments)
    {
        if (isTextFunction(name)) return ValueType::Text;
        if (kNumberFunctions.contains(name)) return ValueType::Number;
        if (kFunctionsOfFirstArgument.contains(name)) return firstExpressionType(arguments);
        if (kFunctionsOfAnyArgument.contains(name)) {
            std::vector<ValueType> types;
            for (const Expression& e : arguments) types.push_back(e.type);
            return merged(types);
        }
        if (name == "CAST") return castType(arguments);
        return ValueType::Unknown;
    }

    static ValueType castType(const std::vector<Expression>& arguments)
    {
        for (const Expression& e : arguments) {
            if (e.after == "AS" && !e.items.empty())
                return kTextTypes.contains(e.items.front().name) ? ValueType::Text : ValueType::Number;
        }
        return ValueType::Unknown;
    }

    // Splits an expression into terms at binary "+" and "-" and rewrites its "+".
    void judge(Expression& expression)
    {
        std::vector<Term> terms(1);
        std::vector<int> pluses;
        bool minus = false;
        bool expectTerm = true;
        for (const Item& item : expression.items) {
            const bool additive = item.isArithmetic && (item.name == "+" || item.name == "-");
            if (additive && !expectTerm) {
                if (item.name == "+")
                    pluses.push_back(item.first);
                else
                    minus = true;
                terms.emplace_back();
                expectTerm = true;
                continue;
            }
            terms.back().items.push_back(item);
            expectTerm = item.isArithmetic;
        }
        if (terms.back().items.empty()) return;

        std::vector<ValueType> types;
        for (const Term& term : terms) types.push_back(typeOfTerm(term));
        const bool text = std::ranges::count(types, ValueType::Text) > 0;
        const bool number = minus || std::ranges::count(types, ValueType::Number) > 0;
        expression.type = terms.size() == 1 ? types.front() : (number ? ValueType::Number : merged(types));
        if (pluses.empty() || minus || number) return;
        if (text)
            joinWithConcatenation(pluses);
        else
            callAdditionFunction(terms, pluses);
    }

    void joinWithConcatenation(const std::vector<int>& pluses)
    {
        for (int plus : pluses) tokens_[plus].text = QStringLiteral("||");
    }

    // a + b + c  ->  F(F(a, b), c)
    void callAdditionFunction(const std::vector<Term>& terms, const std::vector<int>& pluses)
    {
        TokenList opening;
        for (size_t i = 0; i < pluses.size(); ++i) {
            opening.append(SqlToken::word(function_));
            opening.append(SqlToken::symbol("("));
        }
        insertions_.push_back({terms.front().first(), opening});
        for (size_t i = 0; i < pluses.size(); ++i) {
            for (int blank = terms[i].last() + 1; blank < pluses[i]; ++blank) tokens_[blank].text.clear();
            tokens_[pluses[i]].text = QStringLiteral(",");
            insertions_.push_back({terms[i + 1].last() + 1, {SqlToken::symbol(")")}});
        }
    }

    TokenList& tokens_;
    QString function_;
    std::vector<Insertion> insertions_;
};

}  // namespace

void rewriteAdditions(TokenList& statement, const QString& additionFunction)
{
    AdditionRewriter(statement, additionFunction).run();
}

bool isTextFunction(const QString& name) { return kTextFunctions.contains(name); }

}  // namespace db
