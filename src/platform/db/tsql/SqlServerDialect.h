#pragma once

#include "platform/db/Dialect.h"

namespace db {

// SQL Server runs the system's T-SQL as it is, batches included.
class SqlServerDialect : public Dialect {
public:
    QStringList translate(const QString& batch, const QString& database) const override;
    // The server parameterises simple statements by itself.
    bool bindsComparedLiterals() const override { return false; }
};

}  // namespace db
