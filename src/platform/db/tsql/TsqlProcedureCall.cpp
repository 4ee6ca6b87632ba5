#include "platform/db/tsql/TsqlProcedureCall.h"

#include "platform/db/tsql/SqlTokenizer.h"
#include "platform/db/tsql/UntranslatableConstruct.h"

#include <algorithm>

namespace db {

namespace {

// End of the dotted procedure name that starts at `first`.
int endOfName(const TokenList& tokens, int first)
{
    int i = first + 1;
    while (i + 1 < tokens.size() && tokens[i].isSymbol(u".") && tokens[i + 1].isName()) i += 2;
    return i;
}

// Position after the "@name =" that may open an argument at `i`.
int skipParameterName(const TokenList& call, int i)
{
    if (call[i].kind != SqlToken::Kind::Variable) return i;
    const int equals = call.nextSignificant(i + 1);
    if (equals >= call.size() || !call[equals].isSymbol(u"=")) refuseConstruct("variable " + call[i].text);
    return call.nextSignificant(equals + 1);
}

// The value that starts at `i`, appended to `arguments`; returns the position after it.
int takeValue(const TokenList& call, int i, TokenList& arguments)
{
    if (i >= call.size()) refuseConstruct("EXEC argument without a value");
    int last = i;
    if (call[i].isSymbol(u"-") || call[i].isSymbol(u"+")) last = call.nextSignificant(i + 1);
    const bool value = last < call.size()
                       && (call[last].kind == SqlToken::Kind::Number
                           || (last == i && (call[i].kind == SqlToken::Kind::Text || call[i].isWord(u"NULL"))));
    if (!value) refuseConstruct("EXEC argument " + call[std::min(last, call.size() - 1)].text);
    arguments.append(call.slice(i, last + 1));
    return last + 1;
}

}  // namespace

bool isProcedureCall(const TokenList& statement)
{
    const int verb = statement.nextSignificant(0);
    return verb < statement.size() && (statement[verb].isWord(u"EXEC") || statement[verb].isWord(u"EXECUTE"));
}

TokenList procedureCallAsQuery(const TokenList& call)
{
    const int name = call.nextSignificant(call.nextSignificant(0) + 1);
    if (name < call.size() && call[name].kind == SqlToken::Kind::Variable) refuseConstruct("EXEC @status = ...");
    if (name >= call.size() || !call[name].isName()) refuseConstruct("EXEC without a procedure name");
    const int nameEnd = endOfName(call, name);

    TokenList query = SqlTokenizer::tokenize("SELECT * FROM ");
    query.append(call.slice(name, nameEnd));
    query.append(SqlToken::symbol("("));
    int i = call.nextSignificant(nameEnd);
    while (i < call.size()) {
        i = call.nextSignificant(takeValue(call, skipParameterName(call, i), query));
        if (i == call.size()) break;
        if (call[i].isWord(u"OUTPUT")) refuseConstruct("OUTPUT parameter");
        if (!call[i].isSymbol(u",")) refuseConstruct("EXEC argument " + call[i].text);
        query.append(TokenList{SqlToken::symbol(","), SqlToken::blank()});
        i = call.nextSignificant(i + 1);
        if (i == call.size()) refuseConstruct("EXEC argument without a value");
    }
    query.append(SqlToken::symbol(")"));
    return query;
}

}  // namespace db
