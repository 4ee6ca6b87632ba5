#include "platform/db/tsql/SqlServerDialect.h"

namespace db {

QStringList SqlServerDialect::translate(const QString& batch, const QString&) const { return {batch}; }

std::unique_ptr<Dialect> makeSqlServerDialect() { return std::make_unique<SqlServerDialect>(); }

}  // namespace db
