#pragma once

#include "platform/db/Dialect.h"
#include "platform/db/TokenList.h"
#include "platform/db/TsqlFunctionCalls.h"

#include <optional>

namespace db {

// What every translation of T-SQL to another engine shares: splitting the
// batch, dropping SET NOCOUNT, transaction statements, folding IF EXISTS,
// locking hints, DELETE without FROM, owner and database prefixes, [brackets],
// N'' literals, TOP, "+" between texts and texts compared without case.
// Engines supply only their spelling of functions and of that comparison.
class TsqlDialect : public Dialect {
public:
    QStringList translate(const QString& batch, const QString& database) const final;

protected:
    // T-SQL functions this engine spells otherwise (or must not see under their own name).
    virtual const FunctionNames& renamedFunctions() const = 0;
    // Engine function that adds two values the T-SQL way: two texts join, anything else adds.
    virtual QString additionFunction() const = 0;
    // What follows a compared text literal so that the engine ignores case in that comparison.
    virtual TokenList textComparisonMarker() const = 0;

private:
    std::optional<QString> translateStatement(const TokenList& statement, const QString& database) const;
    void rewriteClauses(TokenList& statement, const QString& database) const;
};

}  // namespace db
