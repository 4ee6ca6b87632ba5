#include "lookups/ArchivoConsultas.h"
#include "lookups/ConsultasDePrueba.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/Lib_FrmCons3Tree.h"
#include "lookups/ModeloConsulta.h"
#include "platform/os/AnsiFile.h"
#include "platform/ui/Dialogs.h"
#include "support/QStringPrinter.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

// The search engine's statements, run on every engine in the list window.
class Lib_ClsCons3Test : public ConsultasTest {
protected:
    // Searches and returns the statement the list window ran; the operator
    // takes the first row when `accept`.
    QString search(const QString& sql, ArgumentosConsulta& arguments, bool accept = false)
    {
        QString shown;
        inTheList([&](Lib_FrmCons3& lista) {
            shown = lista.sql.trimmed();
            rows = rowsOf(lista);
            if (!accept) {
                lista.Cancelar();
                return;
            }
            lista.ListView1->selectRow(0);
            lista.Aceptar();
        });
        gConsulta().ConsultaSearch(sql, arguments);
        return shown;
    }
    QString search(const QString& sql)
    {
        ArgumentosConsulta arguments;
        return search(sql, arguments);
    }

    QList<QStringList> rows;
};

TEST_P(Lib_ClsCons3Test, ATableWithADefinitionRecordListsItsColumnsOrderedByTheFirst)
{
    prepareDefinitions();
    EXPECT_EQ(search("V_MA_ARTICULOS"),
              "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  "
              "WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION");
    ASSERT_EQ(rows.size(), 6) << "the suspended article is left out";
    // Both spellings of "azúcar" lead; which of the two comes first is the engine's collation's call.
    QStringList leading{rows[0][1], rows[1][1]};
    leading.sort();
    EXPECT_EQ(leading, (QStringList{"A-3", "A-7"}));
    EXPECT_EQ(rows.back(), (QStringList{"Tuerca hexagonal", "A-5"}));
}

TEST_P(Lib_ClsCons3Test, TheCallersConditionIsWrappedAndARecordsOwnConditionWins)
{
    prepareDefinitions();
    ArchivoConsultas(definitions())
        .Agregar({RegistroConsulta{"UNIDADES", "V_TA_UNIDAD", "|Descripcion|IdUnidad|", "IdUnidad = 'KG'"}});
    ArgumentosConsulta arguments;
    arguments.Where = "IdUnidad = 'UN'";
    EXPECT_EQ(search("V_TA_UNIDAD", arguments),
              "SELECT TOP 1000 Descripcion,IdUnidad FROM V_TA_UNIDAD  with(nolock)  WHERE IdUnidad = 'KG' ORDER BY "
              "Descripcion");
    EXPECT_EQ(arguments.Where, " (IdUnidad = 'UN') ");
    EXPECT_EQ(arguments.CampoBusqueda, "Descripcion");
}

TEST_P(Lib_ClsCons3Test, ACallersConditionJoinsAStatementsOwnWhereBeforeItsOrder)
{
    ArgumentosConsulta arguments;
    arguments.Where = "IdUnidad <> 'KG'";
    EXPECT_EQ(search("select Descripcion, IdUnidad from V_TA_UNIDAD where IdUnidad = 'KG' or IdUnidad = 'GR' "
                     "order by Descripcion",
                     arguments),
              "select Descripcion, IdUnidad from V_TA_UNIDAD where (IdUnidad = 'KG' or IdUnidad = 'GR') and "
              "((IdUnidad <> 'KG'))  order by Descripcion");
    EXPECT_EQ(rows, (QList<QStringList>{{"Gramo", "GR"}}));
    arguments.Where = "(IdUnidad = 'UN')";
    EXPECT_EQ(search("select Descripcion, IdUnidad from V_TA_UNIDAD", arguments),
              "select Descripcion, IdUnidad from V_TA_UNIDAD WHERE (IdUnidad = 'UN')")
        << "a condition in parentheses is not wrapped again";
}

TEST_P(Lib_ClsCons3Test, ATableWithoutARecordListsItsOwnColumnsReversedSkippingIdsAndTimes)
{
    seed(
        {"CREATE TABLE V_TA_COLORES (ID int, Codigo varchar(4), Detalle varchar(30), Tono varchar(10), "
         "FECHAHORA_GRABACION varchar(20))",
         "INSERT INTO V_TA_COLORES VALUES (1, 'R', 'Rojo', 'calido', 'x')"});
    ArgumentosConsulta arguments;
    EXPECT_EQ(search("V_TA_COLORES", arguments).toUpper(),
              "SELECT TOP 1000 TONO,DETALLE,CODIGO FROM V_TA_COLORES ORDER "
              "BY DETALLE");
    EXPECT_EQ(rows, (QList<QStringList>{{"calido", "Rojo", "R"}}));
    EXPECT_EQ(search("V_TA_Unidad"), "SELECT TOP 1000 Descripcion,IdUnidad FROM V_TA_Unidad ORDER BY IdUnidad");
}

TEST_P(Lib_ClsCons3Test, ARecordOfOneColumnWithoutASearchColumnIsReportedAndNothingShown)
{
    prepareDefinitions();
    ArchivoConsultas(definitions()).Agregar({RegistroConsulta{"X", "V_TA_UNIDAD", "|IdUnidad|", {}}});
    operador->answer(vb::vbOK);
    gConsulta().ValorDevuelto = "earlier choice";
    gConsulta().ConsultaSearch("V_TA_UNIDAD");
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].prompt, "Debe configurar la consulta para esta tabla");
    EXPECT_EQ(gConsulta().ValorDevuelto, "") << "nothing was chosen in this search";
}

TEST_P(Lib_ClsCons3Test, AChoiceComesBackWithItsColumnsAndTheSearchForgetsItsOneSearchSettings)
{
    Lib_ClsCons3& motor = gConsulta();
    motor.CampoDevuelto = "IdUnidad";
    motor.CmpsDevueltos = {"Descripcion"};
    ArgumentosConsulta arguments;
    arguments.CmpsDevueltos = &motor.CmpsDevueltos;
    search("select Descripcion, IdUnidad from V_TA_UNIDAD order by IdUnidad", arguments, true);
    EXPECT_EQ(motor.ValorDevuelto, "CJ");
    EXPECT_EQ(motor.Valores, QStringList{"Caja"});
    EXPECT_TRUE(motor.CampoDevuelto.isEmpty());
    EXPECT_TRUE(motor.CmpsDevueltos.isEmpty());
}

TEST_P(Lib_ClsCons3Test, CheckedSearchesReturnTheCheckedCodesAndCheckOnlyOnce)
{
    Lib_ClsCons3& motor = gConsulta();
    motor.Checks = true;
    motor.CampoDevuelto = "IdUnidad";
    ArgumentosConsulta arguments;
    arguments.ValoresDefault = "KG,LT";
    inTheList([](Lib_FrmCons3& lista) {
        EXPECT_TRUE(lista.Modelo->ConMarcas());
        lista.Aceptar();
    });
    motor.ConsultaSearch("select Descripcion, IdUnidad from V_TA_UNIDAD order by IdUnidad", arguments);
    EXPECT_EQ(motor.Valores, (QStringList{"KG", "LT"}));
    EXPECT_FALSE(motor.Checks);
}

TEST_P(Lib_ClsCons3Test, TheTreeOptionShowsTheTreeWindowWithTheChosenColumn)
{
    Lib_ClsCons3& motor = gConsulta();
    motor.CampoDevuelto = "IDFAMILIA";
    inTheTree([](Lib_FrmCons3Tree& arbol) {
        EXPECT_EQ(arbol.TreeV->topLevelItem(0)->childCount(), 2);
        arbol.CmbSearch->setEditText("0102");
        arbol.Aceptar();
    });
    ArgumentosConsulta arguments;
    arguments.TreeView = true;
    motor.ConsultaSearch("select IdFamilia, Descripcion from v_ta_familias", arguments);
    EXPECT_EQ(motor.ValorDevuelto, "0102");
}

TEST_P(Lib_ClsCons3Test, OptionPickersListTheirOptionsAndReturnTheChoice)
{
    Lib_ClsCons3& motor = gConsulta();
    inTheList([](Lib_FrmCons3& lista) {
        EXPECT_EQ(rowsOf(lista), (QList<QStringList>{{"Rojo"}, {"Verde"}, {"Azul"}}));
        EXPECT_TRUE(lista.Modelo->Marcada(0));
        EXPECT_FALSE(lista.Modelo->Marcada(1));
        lista.Modelo->setMarcada(2, true);
        lista.Aceptar();
    });
    EXPECT_EQ(motor.CheckOpciones("Colores", {"1Rojo", "0Verde", "xAzul"}), 0);
    EXPECT_EQ(motor.Valores, (QStringList{"Rojo", "Azul"}));

    inTheList([](Lib_FrmCons3& lista) {
        EXPECT_FALSE(lista.CmdNueva->isVisibleTo(&lista));
        EXPECT_EQ(rowsOf(lista), (QList<QStringList>{{"Uno"}})) << "a one-option menu has its option";
        lista.ListView1->selectRow(0);
        lista.Aceptar();
    });
    EXPECT_EQ(motor.MenuOpciones("Elegir", {"Uno"}), "Uno");
}

TEST_P(Lib_ClsCons3Test, AFilesLinesAreOfferedAndAMissingFileIsReported)
{
    const QString file = QDir(programFolder()).filePath("opciones.txt");
    ASSERT_TRUE(os::writeAnsiFile(file, "Año 2024\r\nAño 2025\r\n"));
    inTheList([](Lib_FrmCons3& lista) {
        lista.ListView1->selectRow(1);
        lista.Aceptar();
    });
    EXPECT_EQ(gConsulta().ConsultaDesdeArchivo("Años", "\"" + file + "\""), "Año 2025");

    operador->answer(vb::vbOK);
    EXPECT_EQ(gConsulta().ConsultaDesdeArchivo("Años", file + ".falta"), "");
    EXPECT_TRUE(operador->boxes().back().prompt.startsWith("No existe el archivo "));
}

ON_EVERY_ENGINE(Lib_ClsCons3Test);
