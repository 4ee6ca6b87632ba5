#include "lookups/ConsultasDePrueba.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/ModConsultas.h"
#include "lookups/ModeloConsulta.h"
#include "support/QStringPrinter.h"

#include <QTableView>

// The catalogue's lookup of a table, by both of its paths, on every engine.
class ModConsultasTest : public ConsultasTest {
protected:
    // Looks `table` up; the operator takes the row whose first column is
    // `choose`. Returns the table, code and extra the caller gets.
    QStringList lookUp(QString table, const QString& choose, bool mostrar = true)
    {
        if (mostrar) {
            inTheList([&](Lib_FrmCons3& lista) {
                shownSql = lista.sql.trimmed();
                selectRow(lista, 0, choose);
                lista.Aceptar();
            });
        }
        QString descripcion;
        QString codigo;
        QString extra;
        ConsultaTabla(table, descripcion, codigo, extra, mostrar, {});
        return {table, codigo, extra};
    }

    QString shownSql;
};

TEST_P(ModConsultasTest, WithDefinitionsAnArticleComesBackWithItsDescription)
{
    prepareDefinitions();
    EXPECT_EQ(lookUp("V_MA_ARTICULOS", "Sidra O'Neill"), (QStringList{"V_MA_ARTICULOS", "A-4", "Sidra O'Neill"}));
    EXPECT_EQ(shownSql,
              "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = "
              "0 ORDER BY DESCRIPCION");
}

TEST_P(ModConsultasTest, WithDefinitionsAUnitWithoutARecordRunsTheCataloguesStatement)
{
    prepareDefinitions();
    EXPECT_EQ(lookUp("V_ta_unidad", "Kilogramo"), (QStringList{"V_ta_unidad", "KG", ""}));
    EXPECT_EQ(shownSql, "select DESCRIPCION,IDunidad from V_ta_unidad");
}

TEST_P(ModConsultasTest, WithoutDefinitionsTheStatementIsShownOnlyWhenAsked)
{
    EXPECT_EQ(lookUp("V_TA_UNIDAD", "Litro"), (QStringList{"V_TA_UNIDAD", "LT", ""}));
    EXPECT_EQ(shownSql, "select DESCRIPCION,IDUNIDAD from V_TA_UNIDAD");
    EXPECT_EQ(lookUp("V_TA_UNIDAD", {}, false), (QStringList{"V_TA_UNIDAD", "IDUNIDAD", ""}))
        << "nothing shown: the outputs hold the column names";
}

TEST_P(ModConsultasTest, VouchersAreLookedUpInTheirView)
{
    seed({"INSERT INTO TA_CPTE (Codigo, Descripcion) VALUES ('FA', 'Factura A')"});
    EXPECT_EQ(lookUp("TA_COMPROBANTES", "Factura A"), (QStringList{"VT_TA_Cpte", "FA", ""}));
}

ON_EVERY_ENGINE(ModConsultasTest);
