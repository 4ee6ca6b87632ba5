#include "platform/ErrorVB.h"
#include "platform/db/Connection.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// The suite's procedures the program calls, run as SQL Server text on every
// engine: each offers a table function of the procedure's name.

namespace {

class StoredProceduresTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed(
            {"INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX) VALUES "
             "('DATOS', 'DESHABILITABUSQUEDACODIGO', 'SI', NULL), ('DATOS', 'MENSAJE_RESPUESTA', '', 'Gracias')"});
        conexion.Open(connectionText());
    }

    // Valor and ValorAux of the one row a call gives, Null as "<NULL>"; "<sin fila>" when none.
    QString valores(const QString& llamada)
    {
        db::Recordset filas = conexion.Execute(llamada);
        if (filas.Eof()) return "<sin fila>";
        const auto texto = [&](const char* columna) {
            const Variant valor = filas.Fields(columna).Value();
            return valor.isNull() ? QString("<NULL>") : valor.toText();
        };
        return texto("Valor") + "|" + texto("ValorAux");
    }

    db::Connection conexion;
};

}  // namespace

TEST_P(StoredProceduresTest, TheSettingsProcedureGivesValueAndAuxiliaryValue)
{
    EXPECT_EQ(valores("EXEC sp1_getCfg @Campo = 'DeshabilitaBusquedaCodigo'"), "SI|<NULL>");
    EXPECT_EQ(valores("EXEC dbo.sp1_getCfg @Campo = 'Mensaje_Respuesta   '"), "|Gracias");
    EXPECT_EQ(valores("EXEC sp1_getCfg @Campo = 'NoExiste'"), "<sin fila>");
}

TEST_P(StoredProceduresTest, AProcedureCalledWithoutItsArgumentFails)
{
    try {
        conexion.Execute("SELECT * FROM sp1_getCfg");
        ADD_FAILURE() << "the call ran without its argument";
    } catch (const ErrorVB& error) {
        EXPECT_NE(error.numero, 0);
    }
}

ON_EVERY_ENGINE(StoredProceduresTest);
