#pragma once

#include "platform/db/Dialect.h"
#include "platform/db/tsql/TokenList.h"
#include "platform/db/tsql/TsqlFunctionCalls.h"

#include <optional>

namespace db {

// What every translation of T-SQL to another engine shares: splitting the
// batch, procedure calls as table functions, dropping SET NOCOUNT, transaction
// statements, folding IF EXISTS, locking hints, DELETE without FROM, owner and
// database prefixes, [brackets], N'' literals, TOP, "+" between texts and texts compared without case.
// Engines supply only their spelling of functions and of that comparison.
class TsqlDialect : public Dialect {
public:
    QStringList translate(const QString& batch, const QString& database) const final;

protected:
    // T-SQL functions this engine spells otherwise (or must not see under their own name).
    virtual const FunctionNames& renamedFunctions() const = 0;
    // Engine function that adds two values the T-SQL way: two texts join, anything else adds.
    virtual QString additionFunction() const = 0;
    // A compared text literal as this engine must see it to ignore case in that comparison.
    virtual TokenList comparedLiteral(const SqlToken& literal) const = 0;
    // A [bracketed] name as this engine quotes it.
    virtual QString quotedName(const QString& name) const;
    // Whatever else this engine needs, after the shared rewrites.
    virtual void adaptToEngine(TokenList& statement) const;

private:
    std::optional<QString> translateStatement(const TokenList& statement, const QString& database) const;
    void rewriteClauses(TokenList& statement, const QString& database) const;
};

}  // namespace db
