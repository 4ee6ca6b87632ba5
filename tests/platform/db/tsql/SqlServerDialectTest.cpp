#include "platform/db/Dialect.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

TEST(SqlServerDialect, PassesTheWholeBatchUnchangedAsOneStatement)
{
    const QString batch =
        "BEGIN TRANSACTION \r\r\rDELETE S_TA_EQUIV WHERE IDUNIDAD = 'UN  '\rSELECT TOP 1 * FROM AUX_ERR  with(nolock) "
        "\r";
    EXPECT_EQ(db::makeSqlServerDialect()->translate(batch, "EMP01"), QStringList({batch}));
}
