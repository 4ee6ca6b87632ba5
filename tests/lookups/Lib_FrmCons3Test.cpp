#include "database/DB_Dll.h"
#include "lookups/CajasBusqueda.h"
#include "lookups/ConsultasDePrueba.h"
#include "lookups/LanzadorNuevo.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/ModeloConsulta.h"
#include "platform/db/Connection.h"
#include "platform/ui/Twips.h"
#include "platform/ui/VbColor.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"
#include "support/OperadorReal.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace {

constexpr char kUnits[] = "select Descripcion, IdUnidad from V_TA_UNIDAD";
constexpr char kArticles[] =
    "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE "
    "SUSPENDIDO = 0 ORDER BY DESCRIPCION";

// Records the programs "Nuevo" asks for.
class RecordingLauncher : public LanzadorNuevo {
public:
    QStringList started;
    void MenuExes(QString& Programa, QString& Parametro, qint32& Resultado) override
    {
        started.append(Programa + " " + Parametro);
        EXPECT_EQ(Resultado, 0);
    }
};

}  // namespace

// The list window on its own, as the engine loads it.
class Lib_FrmCons3Test : public ConsultasTest {
protected:
    void TearDown() override
    {
        lista.reset();
        ConsultasTest::TearDown();
    }

    Lib_FrmCons3& load(const QString& sql, const QString& campo = "IdUnidad")
    {
        lista = std::make_unique<Lib_FrmCons3>(gBaseDatos());
        lista->sql = sql;
        lista->CampoDevuelto = campo;
        lista->OrdenarPorLwv = !sql.contains("ORDER BY", Qt::CaseInsensitive);
        lista->Form_Load();
        lista->show();
        QApplication::setActiveWindow(lista.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(lista.get()));
        return *lista;
    }

    QComboBox& box(int index) const { return *lista->CmbSearch->Caja(index); }
    QString selectedText(int column = 0) const
    {
        const int row = selectedRow(*lista);
        return row < 0 ? QString() : lista->Modelo->Texto(row, column);
    }
    QStringList column(int index) const
    {
        QStringList values;
        for (const QStringList& row : rowsOf(*lista)) values.append(row.value(index));
        return values;
    }

    std::unique_ptr<Lib_FrmCons3> lista;
};

TEST_P(Lib_FrmCons3Test, ColumnsAreAsWideAsTheirFieldsAndEachHasASearchBox)
{
    seed({"CREATE TABLE ANCHOS (c varchar(8), n numeric(18,2))", "INSERT INTO ANCHOS VALUES ('abc', 1.5)"});
    load("select c, n from ANCHOS");
    const QFontMetrics metrics(lista->ListView1->font());
    EXPECT_EQ(lista->ListView1->horizontalHeader()->sectionSize(0), metrics.horizontalAdvance(QString(8, u'X')));
    EXPECT_EQ(lista->ListView1->horizontalHeader()->sectionSize(1), metrics.horizontalAdvance(QString(12, u'X')));
    EXPECT_TRUE(lista->ListView1->font().bold());
    EXPECT_EQ(lista->ListView1->font().pointSize(), 10);
    ASSERT_EQ(lista->CmbSearch->Cantidad(), 2);
    EXPECT_EQ(lista->CmbSearch->Campo(1).toLower(), "n");
    EXPECT_EQ(box(1).toolTip(), "F5 realiza nueva busqueda");
    EXPECT_EQ(box(1).x(), lista->ListView1->frameWidth() + lista->ListView1->horizontalHeader()->sectionPosition(1))
        << "the box stands over its column";
    EXPECT_EQ(rowsOf(*lista), (QList<QStringList>{{"abc", "1.5"}}));
}

TEST_P(Lib_FrmCons3Test, SearchBoxesFollowTheirColumnsAsTheyAreResizedAndScrolled)
{
    load(kUnits);
    QHeaderView& header = *lista->ListView1->horizontalHeader();
    header.resizeSection(0, 900);
    lista->resize(400, lista->height());
    EXPECT_EQ(box(1).x(), lista->ListView1->frameWidth() + 900);
    lista->ListView1->horizontalScrollBar()->setValue(200);
    ASSERT_GT(lista->ListView1->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(box(1).x(), lista->ListView1->frameWidth() + 900 - lista->ListView1->horizontalScrollBar()->value());
    EXPECT_EQ(box(0).width(), 900 - vb::PixelsFromTwips(50));
}

TEST_P(Lib_FrmCons3Test, TypingInABoxSelectsTheFirstRowThatBeginsWithItIgnoringCase)
{
    load(kUnits);
    EXPECT_EQ(column(0), (QStringList{"Caja", "Gramo", "Kilogramo", "Litro", "Unidad"})) << "sorted by itself";
    QTest::keyClicks(&box(1), "k");
    EXPECT_EQ(selectedText(), "Kilogramo");
    QTest::keyClicks(&box(1), "x");
    EXPECT_EQ(selectedText(), "Kilogramo") << "nothing matching leaves the selection";
    box(0).setFocus();
    QTest::keyClicks(&box(0), "LI");
    EXPECT_EQ(selectedText(), "Litro");
    EXPECT_EQ(lista->Busqueda(0, " gra "), 2);
    EXPECT_EQ(lista->Busqueda(1, "zz"), 0);
}

TEST_P(Lib_FrmCons3Test, TheListHandsWhatIsTypedToTheBoxThatLastHadTheFocus)
{
    load(kUnits);
    box(1).setFocus();
    EXPECT_EQ(lista->lblFieldName->text().toUpper(), "IDUNIDAD");
    lista->ListView1->setFocus();
    QTest::keyClick(lista->ListView1, Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(box(1).currentText(), "1") << "a keypad digit types its digit";
    EXPECT_EQ(QApplication::focusWidget(), &box(1));
    lista->ListView1->setFocus();
    QTest::keyClick(lista->ListView1, Qt::Key_F5);
    QTest::keyClick(lista->ListView1, Qt::Key_Backspace);
    EXPECT_EQ(box(1).currentText(), "") << "F5 types nothing and Backspace takes one character back";
    QTest::keyClick(&box(1), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), lista->ListView1) << "the arrows go to the list";
}

TEST_P(Lib_FrmCons3Test, F5AsksAgainWithTheWordsInOrderAndKeepsTheOrder)
{
    load(kArticles, "IDARTICULO");
    lista->CfgUsaConsultaLIKE = true;
    box(0).setEditText("torn mm");
    QTest::keyClick(&box(0), Qt::Key_F5);
    // The filter names the field as the engine reports it, in whatever case.
    EXPECT_EQ(lista->sql.simplified().toUpper(),
              "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WITH(NOLOCK) WHERE (SUSPENDIDO = 0) AND "
              "(DESCRIPCION LIKE '%TORN%MM%') ORDER BY DESCRIPCION");
    EXPECT_EQ(column(1), QStringList{"100"});
    EXPECT_EQ(box(0).currentText(), "") << "the box is emptied";

    lista->CmdNueva->click();
    box(0).setEditText("o'neill");
    QTest::keyClick(&box(0), Qt::Key_F5);
    EXPECT_EQ(column(0), QStringList{"Sidra O'Neill"});
}

TEST_P(Lib_FrmCons3Test, WithoutTheSettingF5LooksForTheBeginningAndAnAsteriskIsAnything)
{
    load(kUnits);
    box(0).setEditText("k*o");
    QTest::keyClick(&box(0), Qt::Key_F5);
    EXPECT_EQ(lista->sql.simplified().toUpper(),
              "SELECT DESCRIPCION, IDUNIDAD FROM V_TA_UNIDAD WHERE DESCRIPCION LIKE 'K%O%'");
    EXPECT_EQ(column(1), QStringList{"KG"});
    lista->NuevaBusqueda();
    EXPECT_EQ(column(1).size(), 5) << "Nueva Busqueda runs the first statement again";
}

TEST_P(Lib_FrmCons3Test, AcceptingTakesTheSelectedRowsColumnsAndWithoutOneChangesNothing)
{
    load(kUnits);
    lista->ValorDevuelto = "before";
    lista->Aceptar();
    EXPECT_EQ(lista->ValorDevuelto, "before");

    load(kUnits);
    lista->CmpsDevueltos = {"Descripcion", "Falta"};
    selectRow(*lista, 1, "GR");
    QTest::keyClick(lista->ListView1, Qt::Key_Return);
    EXPECT_EQ(lista->ValorDevuelto, "GR");
    EXPECT_EQ(lista->Valores, (QStringList{"Gramo", ""})) << "a column the list lacks gives nothing";
    EXPECT_FALSE(lista->isVisible());

    load(kUnits);
    // Through the window, so that the double click comes as a person's does: press, release, press.
    const QRect cell = lista->ListView1->visualRect(lista->Modelo->index(3, 0));
    const QPoint inWindow = lista->ListView1->viewport()->mapTo(lista.get(), cell.center());
    QTest::mouseDClick(lista->windowHandle(), Qt::LeftButton, {}, inWindow);
    EXPECT_EQ(lista->ValorDevuelto, "LT");
}

TEST_P(Lib_FrmCons3Test, EscapeCancelsAndForgetsTheChoice)
{
    load(kUnits);
    lista->ValorDevuelto = "before";
    lista->Valores = {"x"};
    QTest::keyClick(lista->ListView1, Qt::Key_Escape);
    EXPECT_EQ(lista->ValorDevuelto, "");
    EXPECT_TRUE(lista->Valores.isEmpty());
    EXPECT_FALSE(lista->isVisible());
}

TEST_P(Lib_FrmCons3Test, CheckedRowsComeFromTheDefaultsAndMarcarInvertsThem)
{
    lista = std::make_unique<Lib_FrmCons3>(gBaseDatos());
    lista->sql = kUnits;
    lista->CampoDevuelto = "IdUnidad";
    lista->CheckBoxes = true;
    lista->ValoresDefault = "GR,UN";
    lista->Form_Load();
    const auto checked = [this] {
        QStringList codes;
        for (int r = 0; r < lista->Modelo->rowCount(); ++r)
            if (lista->Modelo->Marcada(r)) codes.append(lista->Modelo->Texto(r, 1));
        return codes;
    };
    EXPECT_EQ(checked(), (QStringList{"GR", "UN"}));
    lista->ListView1->selectRow(0);
    QTest::keyClick(lista->ListView1, Qt::Key_Space);
    EXPECT_EQ(checked(), (QStringList{"CJ", "GR", "UN"}));
    lista->CmdTodos->click();
    EXPECT_EQ(checked(), (QStringList{"KG", "LT"}));
    lista->Aceptar();
    EXPECT_EQ(lista->Valores, (QStringList{"KG", "LT"}));
}

TEST_P(Lib_FrmCons3Test, ArticleRowsShowTheirStockLevelInItsColour)
{
    seed(
        {"INSERT INTO STK_STOCK (IdArticulo, Deposito, Stock, PuntoPedido) VALUES ('A-2', '1', 5, 3), "
         "('A-3', '1', 2, 3), ('A-4', '1', 3, 3), ('A-5', '1', 1, 0)"});
    lista = std::make_unique<Lib_FrmCons3>(gBaseDatos());
    lista->sql = "select IdArticulo, Stock, PuntoPedido from STK_MA_ARTICULOS order by IdArticulo";
    lista->MuestraStock = "SI";
    lista->StkNivel1 = 0x0000FF;
    lista->StkNivel2 = 0x00FF00;
    lista->StkNivel3 = 0xFF0000;
    lista->StkNivel4 = Variant(0x808080);
    lista->Form_Load();
    const auto colour = [this](int row) {
        return lista->Modelo->index(row, 1).data(Qt::ForegroundRole).value<QColor>();
    };
    EXPECT_EQ(colour(0), vb::ToQColor(0x00FF00)) << "5 over a reorder point of 3";
    EXPECT_EQ(colour(1), vb::ToQColor(0xFF0000)) << "2 under 3";
    EXPECT_EQ(colour(2), vb::ToQColor(0x808080)) << "3 at 3";
    EXPECT_EQ(colour(3), vb::ToQColor(0x0000FF)) << "1 without a reorder point";
    EXPECT_TRUE(lista->Modelo->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
}

TEST_P(Lib_FrmCons3Test, QuantitiesGoUpAndDownAndAreTypedOnTheirColumn)
{
    lista = std::make_unique<Lib_FrmCons3>(gBaseDatos());
    lista->sql = "select Descripcion, IdUnidad, '0' AS [**Cantidad**] from V_TA_UNIDAD";
    lista->UsaCantidades = true;
    lista->CheckBoxes = true;
    lista->Form_Load();
    lista->show();
    lista->ListView1->selectRow(0);
    QTest::keyClick(lista->ListView1, Qt::Key_Insert);
    QTest::keyClick(lista->ListView1, Qt::Key_Insert);
    EXPECT_EQ(lista->Modelo->Texto(0, 2), "2.0");
    EXPECT_TRUE(lista->Modelo->Marcada(0));
    QTest::keyClick(lista->ListView1, Qt::Key_Delete);
    QTest::keyClick(lista->ListView1, Qt::Key_Delete);
    EXPECT_EQ(lista->Modelo->Texto(0, 2), "0.00");
    EXPECT_FALSE(lista->Modelo->Marcada(0));

    operador->answerInput("3,5");
    operador->answerInput("");
    QTest::keyClick(lista->ListView1, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(lista->ListView1, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(lista->Modelo->Texto(0, 2), "3.50") << "a cancelled prompt leaves it";
    EXPECT_EQ(operador->boxes().back().title, "Carga de Datos");
    lista->Aceptar();
    EXPECT_EQ(lista->Cantidades, QStringList{"3.50"});
}

TEST_P(Lib_FrmCons3Test, AHeaderClickSortsOnItsColumnTogglingTheOrder)
{
    load(kUnits);
    lista->ListView1->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(column(1), (QStringList{"CJ", "GR", "KG", "LT", "UN"}));
    lista->ListView1->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(column(1), (QStringList{"UN", "LT", "KG", "GR", "CJ"}));
}

TEST_P(Lib_FrmCons3Test, SavedWidthsAreAppliedSkippingAMalformedOneAndTheOperatorsWidthsAreSaved)
{
    load(kUnits);
    const int second = lista->ListView1->horizontalHeader()->sectionSize(1);
    writeProgramFile("CONSULTASLEN.VTX", "\"v_ta_unidad\",\"3000|malo|\"\r\n");
    load(kUnits);
    EXPECT_EQ(lista->ListView1->horizontalHeader()->sectionSize(0), vb::PixelsFromTwips(3000));
    EXPECT_EQ(lista->ListView1->horizontalHeader()->sectionSize(1), second);
    EXPECT_FALSE(lista->GrabarCfg) << "widths set by the program are not the operator's";

    lista->ListView1->horizontalHeader()->resizeSection(1, 150);
    EXPECT_TRUE(lista->GrabarCfg);
    lista.reset();
    QFile file(QDir(programFolder()).filePath("CONSULTASLEN.VTX"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\"V_TA_UNIDAD\",\"3000|" + QByteArray::number(vb::TwipsFromPixels(150)) + "|\"\r\n");
    load(kUnits);
    EXPECT_EQ(lista->ListView1->horizontalHeader()->sectionSize(1), 150);
}

TEST_P(Lib_FrmCons3Test, NuevoStartsTheMaintenanceProgramOfTheTable)
{
    auto launcher = std::make_unique<RecordingLauncher>();
    RecordingLauncher* started = launcher.get();
    Service<LanzadorNuevo>::install(std::move(launcher));
    load(kUnits);
    lista->CmdNuevo->click();
    load(kArticles);
    lista->CmdNuevo->click();
    EXPECT_EQ(started->started, (QStringList{"SHELL:TablasGenerales V_TA_UNIDAD", "SHELL:Articulos "}));
}

TEST_P(Lib_FrmCons3Test, F12ReportsTheSelectedArticleAsMissingWhenTheOperatorAgrees)
{
    auto real = std::make_unique<OperadorReal>();
    OperadorReal* boxes = real.get();
    std::unique_ptr<Dialogs> scripted = Service<Dialogs>::install(std::move(real));
    gSesion().gUsuarioLogeado = "ANA";
    load(kArticles, "IDARTICULO");
    selectRow(*lista, 1, "A-4");
    lista->ListView1->setFocus();
    boxes->pressInBox("&No");
    QTest::keyClick(lista->windowHandle(), Qt::Key_F12);
    EXPECT_EQ(count("V_MV_FALTANTES"), 0);
    boxes->pressInBox("&Sí");
    QTest::keyClick(lista->windowHandle(), Qt::Key_F12);
    EXPECT_EQ(boxes->prompts().size(), 2);
    EXPECT_EQ(boxes->prompts().back(), "Desea informar el articulo A-4 Sidra O'Neill\ncomo un faltante de stock?");
    Service<Dialogs>::install(std::move(scripted));

    db::Connection connection;
    connection.Open(connectionText());
    db::Recordset row = connection.Execute("SELECT FechaHora, IdArticulo, Descripcion, Usuario FROM V_MV_FALTANTES");
    ASSERT_FALSE(row.Eof());
    EXPECT_LT(std::abs(row.Fields(0).Value().toDateTime().secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(row.Fields(1).Value().toText(), QvFunciones::FormatoCodigo("A-4", 25));
    EXPECT_EQ(row.Fields(2).Value().toText(), "Sidra O'Neill");
    EXPECT_EQ(row.Fields(3).Value().toText(), "ANA");
}

ON_EVERY_ENGINE(Lib_FrmCons3Test);
