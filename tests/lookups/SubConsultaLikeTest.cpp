#include "lookups/ArchivoConsultas.h"
#include "lookups/ConsultasDePrueba.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/ModeloConsulta.h"
#include "lookups/SubConsultaLike.h"
#include "platform/ui/Dialogs.h"
#include "session/Sesion.h"
#include "support/QStringPrinter.h"

#include <QTableView>

// The query builder's statements, run on every engine in the list window.
class SubConsultaLikeTest : public ConsultasTest {
protected:
    void SetUp() override
    {
        ConsultasTest::SetUp();
        if (IsSkipped()) return;
        setSetting("UsaConsultaLIKE", "SI");
        prepareDefinitions();
    }

    // Looks `table` up with `text`; the operator takes the row whose code is
    // `choose` (the last column), or cancels when it is empty. Returns the result.
    QString lookUp(const QString& table, QString& text, const QString& choose = {}, const QString& where = {},
                   bool soloNoSuspendidos = false)
    {
        inTheList([&](Lib_FrmCons3& lista) {
            shownSql = lista.sql;
            shownRows = rowsOf(lista);
            if (choose.isEmpty()) {
                lista.Cancelar();
                return;
            }
            selectRow(lista, lista.Modelo->columnCount() - 1, choose);
            lista.Aceptar();
        });
        QString result = "(untouched)";
        SubConsultaLike(table, text, result, soloNoSuspendidos, where);
        return result;
    }

    QStringList shownCodes() const
    {
        QStringList codes;
        for (const QStringList& row : shownRows) codes.append(row.last());
        codes.sort();
        return codes;
    }

    QString shownSql;
    QList<QStringList> shownRows;
};

TEST_P(SubConsultaLikeTest, ArticlesMatchTheWordsTypedInOrderAnywhereIgnoringCaseAndAccents)
{
    QString text = "azucar";
    EXPECT_EQ(lookUp("V_MA_ARTICULOS", text, "A-7"), "A-7");
    EXPECT_EQ(shownSql.trimmed(),
              "SELECT top 1000 VT_MA_ARTICULOS.DESCRIPCION,VT_MA_ARTICULOS.IDARTICULO FROM VT_MA_ARTICULOS with(nolock)"
              "   WHERE VT_MA_ARTICULOS.DESCRIPCION LIKE '%azucar%'");
    EXPECT_EQ(shownCodes(), (QStringList{"A-3", "A-7"})) << "AZÚCAR and azucar";
    text = "AZÚCAR";
    lookUp("V_MA_ARTICULOS", text);
    EXPECT_EQ(shownCodes(), (QStringList{"A-3", "A-7"}));

    text = "TORN  mm";
    lookUp("V_MA_ARTICULOS", text);
    EXPECT_EQ(text, "TORN%%mm") << "the caller's text changes too";
    EXPECT_EQ(shownCodes(), (QStringList{"100"})) << "both words, in order";
}

TEST_P(SubConsultaLikeTest, AnApostropheIsSearchedAsTyped)
{
    QString text = "o'neill";
    EXPECT_EQ(lookUp("V_MA_ARTICULOS", text, "A-4"), "A-4");
    EXPECT_EQ(shownCodes(), (QStringList{"A-4"}));
}

TEST_P(SubConsultaLikeTest, WithoutTheSettingArticlesMatchByTheBeginningAndCancellingLeavesTheResult)
{
    setSetting("UsaConsultaLIKE", "NO");
    QString text = "tuerca hex";
    EXPECT_EQ(lookUp("V_MA_ARTICULOS", text), "") << "a list that was left chose nothing";
    EXPECT_EQ(text, "tuerca hex");
    EXPECT_TRUE(shownSql.contains("LIKE 'tuerca hex%'")) << shownSql.toStdString();
    EXPECT_EQ(shownCodes(), (QStringList{"A-5"}));
    text = "azucar";
    lookUp("V_MA_ARTICULOS", text);
    EXPECT_EQ(shownCodes(), (QStringList{"A-3", "A-7"})) << "the beginning, ignoring case and accents";
}

TEST_P(SubConsultaLikeTest, OnlyUnsuspendedArticlesAreSearchedByCodeWhenAsked)
{
    QString text = "a-";
    lookUp("V_MA_ARTICULOS", text, {}, {}, true);
    EXPECT_TRUE(shownSql.contains("WHERE IdArticulo LIKE '%a-%'  AND (SUSPENDIDO = 0)")) << shownSql.toStdString();
    EXPECT_EQ(shownCodes(), (QStringList{"A-2", "A-3", "A-4", "A-5", "A-7"}));
}

TEST_P(SubConsultaLikeTest, TheRecordsConditionAndTheCallersJoinSoThatAnOrCannotWidenEither)
{
    ArchivoConsultas(definitions())
        .Agregar({RegistroConsulta{"UNIDADES", "V_TA_UNIDAD", "|Descripcion|IdUnidad|",
                                   "IdUnidad = 'KG' or IdUnidad = 'GR'"}});
    QString text = "";
    lookUp("V_TA_UNIDAD", text, {}, "Descripcion = 'Caja'");
    EXPECT_TRUE(shownRows.isEmpty()) << shownSql.toStdString();
    text = "gr";
    lookUp("V_TA_UNIDAD", text, {}, "IdUnidad <> 'KG'");
    EXPECT_EQ(shownCodes(), (QStringList{"GR"}));
}

TEST_P(SubConsultaLikeTest, TheRowLimitComesFromTheSettingAndFallsBackTo1000)
{
    setSetting("TopConsArt", "2");
    QString text = "";
    lookUp("V_MA_ARTICULOS", text);
    EXPECT_TRUE(shownSql.startsWith("SELECT top 2 ")) << shownSql.toStdString();
    EXPECT_EQ(shownRows.size(), 2);
    seed({"UPDATE TA_CONFIGURACION SET VALOR = '-5' WHERE CLAVE = 'TopConsArt'"});
    lookUp("V_MA_ARTICULOS", text);
    EXPECT_TRUE(shownSql.startsWith("SELECT top 1000 ")) << shownSql.toStdString();
}

TEST_P(SubConsultaLikeTest, AnEmptyArticleSearchIsRefusedWhenTheCompanyAsksForPartOfTheKey)
{
    gSesion().gEXIGECLAVECONSULTALIKEARTICULOS = true;
    operador->answer(vb::vbOK);
    QString text = " ";
    QString result = "(untouched)";
    SubConsultaLike("V_MA_ARTICULOS", text, result);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, "Aviso al Operador");
    EXPECT_EQ(result, "(untouched)");
}

TEST_P(SubConsultaLikeTest, ATextThatIsTheClientsCaptionSearchesAsEmpty)
{
    gSesion().gTituloClientes = "Clientes";
    QString text = "CLIENTES";
    lookUp("V_MA_ARTICULOS", text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(shownRows.size(), 7);
}

TEST_P(SubConsultaLikeTest, ATropaLookupWritesItsDefaultsFirst)
{
    QString text = "";
    lookUp("V_MV_TROPA", text);
    EXPECT_TRUE(ArchivoConsultas(definitions()).Buscar("v_mv_tropa").has_value());
    EXPECT_TRUE(
        shownSql.startsWith("SELECT top 1000 FechaDte,Dte,IdTropa,Patente,Chofer,NroGuia,CuitVendedor,id FROM "
                            "V_MV_TROPA"))
        << shownSql.toStdString();
    EXPECT_TRUE(gConsulta().CmpsDevueltos.isEmpty()) << "the search emptied what it was given";
}

TEST_P(SubConsultaLikeTest, ClientsSuppliersAndConsigneesRunOnEveryEngine)
{
    seed(
        {"INSERT INTO MA_CLIENTES (Codigo, Razon_Social, Codigo_Sucursal, Contacto, Numero_Documento, Dada_De_Baja) "
         "VALUES ('C1', 'Almacén Don José', '1', 'José', '20123', 0), ('C2', 'Kiosco', '1', 'Ana', '30999', 1)",
         "INSERT INTO MA_PROVEEDORES (Codigo, Razon_Social, Dada_De_Baja) VALUES ('P1', 'Molinos', 0)",
         "INSERT INTO MA_DESTINATARIOS (Cliente, Codigo, Sucursal, Nombre, Domicilio) VALUES "
         "('C001', 'DEST0000000000A1', 'SUC001', 'Depósito Sur', 'Calle 1')"});
    QString text = "20123";
    EXPECT_EQ(lookUp("VT_CLIENTES", text, "José"), "C1") << "a document number finds the client";
    text = "";
    lookUp("VT_CLIENTES", text);
    EXPECT_EQ(shownRows.size(), 1) << "clients that left are not listed";
    text = "mol";
    lookUp("VT_PROVEEDORES", text);
    EXPECT_EQ(shownRows.size(), 1);

    DatosAdicionales datos;
    inTheList([](Lib_FrmCons3& lista) {
        selectRow(lista, 0, "Depósito Sur");
        lista.Aceptar();
    });
    text = "sur";
    QString result;
    SubConsultaLike("MA_DESTINATARIOS", text, result, false, {}, &datos);
    EXPECT_EQ(result, "DEST0000000000A1");
    EXPECT_EQ(datos.Dato1, "SUC001");
    EXPECT_EQ(datos.Dato3, "C001");
}

ON_EVERY_ENGINE(SubConsultaLikeTest);
