#include "platform/ErrorVB.h"
#include "platform/db/Dialect.h"
#include "platform/db/ErrorMap.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// A stored procedure's call as a query of the engine's table function.

namespace {

QString sqlite(const QString& tsql) { return db::makeSqliteDialect()->translate(tsql, "EMP01").join(" | "); }
QString postgres(const QString& tsql) { return db::makePostgresDialect()->translate(tsql, "EMP01").join(" | "); }

void expectRefused(const QString& tsql, const QString& construct)
{
    try {
        const QString statements = sqlite(tsql);
        ADD_FAILURE() << "translated " << tsql.toStdString() << " into " << statements.toStdString();
    } catch (const ErrorVB& error) {
        EXPECT_EQ(error.numero, db::ErrorMap::ErrorsInCommand);
        EXPECT_TRUE(error.descripcion.contains(construct)) << error.descripcion.toStdString();
    }
}

}  // namespace

TEST(TsqlProcedureCall, NamedArgumentsBecomeTheFunctionsArgumentsInOrder)
{
    EXPECT_EQ(sqlite("EXEC sp1_getCfg @Campo = 'DeshabilitaBusquedaCodigo'"),
              "SELECT * FROM sp1_getCfg('DeshabilitaBusquedaCodigo')");
    EXPECT_EQ(postgres("EXECUTE dbo.sp1_getCfg @Campo='O''Brien', @Otro = -3, @Nada = NULL"),
              "SELECT * FROM sp1_getCfg('O''Brien', -3, NULL)");
    EXPECT_EQ(sqlite("exec sp_x 'a', 2"), "SELECT * FROM sp_x('a', 2)");
    EXPECT_EQ(sqlite("EXEC sp_sin_argumentos"), "SELECT * FROM sp_sin_argumentos()");
}

TEST(TsqlProcedureCall, ACallInABatchIsOneStatementOfIt)
{
    EXPECT_EQ(sqlite("SET NOCOUNT ON\r\nEXEC sp1_getCfg @Campo = 'A'\r\nSELECT 1"),
              "SELECT * FROM sp1_getCfg('A') | SELECT 1");
}

TEST(TsqlProcedureCall, WhatATableFunctionCannotTakeIsRefused)
{
    expectRefused("EXEC sp1_getCfg @Campo = @variable", "EXEC argument @variable");
    expectRefused("EXEC sp_x @Salida = 'a' OUTPUT", "OUTPUT parameter");
    expectRefused("EXEC @estado = sp_x", "EXEC @status");
    expectRefused("EXEC sp_x 'a',", "EXEC argument without a value");
    expectRefused("EXEC sp_x 'a' 'b'", "EXEC argument 'b'");
}

TEST(TsqlProcedureCall, SqlServerReceivesTheCallUnchanged)
{
    const QString call = "EXEC sp1_getCfg @Campo = 'A'";
    EXPECT_EQ(db::makeSqlServerDialect()->translate(call, "EMP01"), QStringList{call});
}
