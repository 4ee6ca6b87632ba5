#include "codesearch/AltaDirecta.h"
#include "codesearch/BusquedaCodigo.h"
#include "database/DB_Dll.h"
#include "platform/db/Connection.h"
#include "support/DatabaseTest.h"
#include "support/OperadorReal.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

// The code search box on a company database, on every engine: what it finds,
// what it hands over and what it adds.

namespace {

QString articulo(const QString& codigo) { return codigo.rightJustified(25, u' '); }

const QString kLargo = QStringLiteral("FER-ZINCADO-0000000000123");  // 25 characters

}  // namespace

class BusquedaCodigoTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed({"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad, Suspendido) VALUES ('" + articulo("10001")
                  + "', 'Tornillo autorroscante 5 mm', 'UN', 0), ('" + kLargo
                  + "', 'Tornillo zincado largo', 'UN', 0), ('A-3', 'Autorroscante tornillo', 'UN', 0), "
                    "('A-4', 'Tornillo viejo autorroscante', 'UN', 1)",
              "INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('  12', 'Docena'), ('UN', 'Unidad'), "
              "('KG', 'Kilogramo')",
              "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ADMIN', 'D010301')"});
        caja = std::make_unique<BusquedaCodigo>(base);
        caja->setConnString(connectionText());
        caja->Usuario = "ADMIN";
        caja->resize(400, 300);
        caja->show();
        QObject::connect(caja.get(), &BusquedaCodigo::CodigoObtenido, [this] { codigos << caja->codigo; });
    }

    void TearDown() override
    {
        caja.reset();
        if (base.gCnn.State() == db::ado::adStateOpen) base.gCnn.Close();
        EveryEngineTest::TearDown();
    }

    bool disponer(const QString& tabla)
    {
        QString nombre = tabla;
        return caja->BusquedaDisponible(nombre);
    }

    // The descriptions listed, in their order.
    QStringList listadas() const
    {
        QStringList descripciones;
        for (int i = 0; i < caja->LstBusqueda->count(); ++i)
            descripciones << caja->LstBusqueda->item(i)->text().left(caja->LstBusqueda->item(i)->text().indexOf("   "));
        return descripciones;
    }

    QString unidad(const QString& codigo)
    {
        db::Connection conexion;
        conexion.Open(connectionText());
        db::Recordset fila = conexion.Execute("SELECT Descripcion FROM V_TA_UNIDAD WHERE IdUnidad = '" + codigo + "'");
        return fila.Eof() ? QString("<ninguna>") : fila.Fields(0).Value().textOrEmpty();
    }

    long unidades()
    {
        db::Connection conexion;
        conexion.Open(connectionText());
        return conexion.Execute("SELECT count(*) FROM V_TA_UNIDAD").Fields(0).Value().toLong();
    }

    DB_Dll base;
    std::unique_ptr<BusquedaCodigo> caja;
    QStringList codigos;
};

TEST_P(BusquedaCodigoTest, TwoWordsFindTheDescriptionsWithBothInThatOrder)
{
    ASSERT_TRUE(disponer("V_MA_ARTICULOS"));
    QTest::keyClicks(caja->TxtBusqueda, "tornillo auto");
    EXPECT_EQ(listadas(), QStringList{"Tornillo autorroscante 5 mm"});
    caja->TxtBusqueda->clear();
    QTest::keyClicks(caja->TxtBusqueda, "TORNILLO");
    EXPECT_EQ(listadas(),
              QStringList({"Autorroscante tornillo", "Tornillo autorroscante 5 mm", "Tornillo zincado largo"}));
    EXPECT_EQ(caja->LstBusqueda->item(1)->text(),
              "Tornillo autorroscante 5 mm" + QString(50, u' ') + articulo("10001"));
}

TEST_P(BusquedaCodigoTest, TheListHandsOverTheWholeCode)
{
    ASSERT_TRUE(disponer("V_MA_ARTICULOS"));
    QTest::keyClicks(caja->TxtBusqueda, "zincado");
    ASSERT_EQ(caja->LstBusqueda->count(), 1);
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Down);
    QTest::keyClick(caja->LstBusqueda, Qt::Key_Return);
    caja->IMGOK->click();
    emit caja->LstBusqueda->itemDoubleClicked(caja->LstBusqueda->item(0));
    EXPECT_EQ(codigos, QStringList({kLargo, kLargo, kLargo}));
}

TEST_P(BusquedaCodigoTest, AClickCopiesTheDescriptionAndTheNextKeySearchesAgain)
{
    ASSERT_TRUE(disponer("V_MA_ARTICULOS"));
    QTest::keyClicks(caja->TxtBusqueda, "tornillo");
    QListWidgetItem* zincado = caja->LstBusqueda->item(2);
    emit caja->LstBusqueda->itemClicked(zincado);
    EXPECT_EQ(caja->TxtBusqueda->text(), "Tornillo zincado largo");
    EXPECT_EQ(caja->LstBusqueda->count(), 3) << "the click itself does not search";
    emit caja->LstBusqueda->itemClicked(caja->LstBusqueda->item(2));
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Backspace);
    EXPECT_EQ(listadas(), QStringList{"Tornillo zincado largo"});
    QTest::keyClick(caja->LstBusqueda, Qt::Key_Backspace);
    EXPECT_EQ(caja->TxtBusqueda->text(), "Tornillo zincado lar");
}

TEST_P(BusquedaCodigoTest, EnterEscapeAndClearHandOverTheText)
{
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    QTest::keyClicks(caja->TxtBusqueda, "KG");
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Return);
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Escape);
    EXPECT_EQ(caja->TxtBusqueda->text(), "");
    QTest::keyClicks(caja->TxtBusqueda, "un");
    caja->ImgX->click();
    EXPECT_EQ(codigos, QStringList({"KG", "", ""}));
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_P(BusquedaCodigoTest, EnterOnANewDescriptionAddsItWhenTheOperatorSaysYes)
{
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    ASSERT_FALSE(caja->imgMas->isHidden());
    auto boxes = std::make_unique<OperadorReal>();
    OperadorReal* real = boxes.get();
    real->pressInBox("&Sí");
    std::unique_ptr<Dialogs> guionado = Service<Dialogs>::install(std::move(boxes));
    caja->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(caja.get()));
    caja->TxtBusqueda->setFocus();
    QTest::keyClicks(caja->TxtBusqueda, "Bolsa d'Arpino, grande");
    ASSERT_EQ(caja->LstBusqueda->count(), 0);
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Return);
    const QStringList preguntas = real->prompts();
    Service<Dialogs>::install(std::move(guionado));
    EXPECT_EQ(preguntas, QStringList{"Unidad\r\nDesea dar de alta un registro nuevo?"});
    EXPECT_EQ(unidad("  13"), "Bolsa d'Arpino, grande");
    EXPECT_EQ(unidades(), 4);
    EXPECT_EQ(codigos, QStringList{"13"});
    EXPECT_EQ(caja->TxtBusqueda->text(), "  13");
}

TEST_P(BusquedaCodigoTest, EnterOnANewDescriptionAnsweredNoHandsTheTextOver)
{
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    QTest::keyClicks(caja->TxtBusqueda, "Metro lineal");
    operador->answer(vb::vbNo);
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Return);
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].title, "Aviso al operador");
    EXPECT_EQ(operador->boxes()[0].buttons, vb::vbYesNo + vb::vbQuestion);
    EXPECT_EQ(codigos, QStringList{"Metro lineal"});
    EXPECT_EQ(unidades(), 3);
}

TEST_P(BusquedaCodigoTest, ADirectAddNeverWritesACodeWiderThanTheColumn)
{
    seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('9999', 'Ultima')"});
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    QTest::keyClicks(caja->TxtBusqueda, "Metro lineal");
    operador->answer(vb::vbOK);
    caja->imgMas->click();
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_TRUE(operador->boxes()[0].prompt.startsWith(AltaDirecta::kErrorAlta + "\r\nV_TA_Unidad\r\nSELECT MAX("));
    EXPECT_EQ(unidades(), 4);
    EXPECT_TRUE(codigos.isEmpty());
}

TEST_P(BusquedaCodigoTest, ADescriptionThatExistsIsNotAddedAgain)
{
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    caja->TxtBusqueda->setText(" docena ");
    auto boxes = std::make_unique<OperadorReal>();
    OperadorReal* real = boxes.get();
    real->pressInBox("&Aceptar");
    std::unique_ptr<Dialogs> guionado = Service<Dialogs>::install(std::move(boxes));
    QTest::mouseClick(caja->imgMas, Qt::LeftButton);
    const QStringList avisos = real->prompts();
    Service<Dialogs>::install(std::move(guionado));
    EXPECT_EQ(avisos, QStringList{AltaDirecta::kDetalleExistente});
    EXPECT_EQ(unidades(), 3);
    EXPECT_TRUE(codigos.isEmpty());
}

TEST_P(BusquedaCodigoTest, AddingNeedsASignedInUserWhoHoldsTheTask)
{
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    EXPECT_FALSE(caja->imgMas->isHidden());
    caja->Usuario = "VENTAS";
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    EXPECT_TRUE(caja->imgMas->isHidden());
    caja->Usuario = "  ";
    ASSERT_TRUE(disponer("V_TA_Unidad"));
    EXPECT_TRUE(caja->imgMas->isHidden());
    caja->Usuario = "ADMIN";
    ASSERT_TRUE(disponer("V_MA_ARTICULOS"));
    EXPECT_TRUE(caja->imgMas->isHidden());
}

TEST_P(BusquedaCodigoTest, SettingsSwitchTheSearchOffFromTheFirstSetUp)
{
    seed({"INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('DATOS', 'DESHABILITABUSQUEDACODIGOART', 'si')"});
    EXPECT_FALSE(disponer("V_MA_ARTICULOS"));
    EXPECT_TRUE(disponer("V_TA_Unidad"));
    seed({"INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('DATOS', 'DESHABILITABUSQUEDACODIGO', 'SI')"});
    BusquedaCodigo otra(base);
    otra.setConnString(connectionText());
    QString unidades = "V_TA_Unidad";
    EXPECT_FALSE(otra.BusquedaDisponible(unidades));
}

TEST_P(BusquedaCodigoTest, CustomersAreThoseOfTheUsersSalesmanAndTelephonesThoseWithSixDigits)
{
    seed({"DROP VIEW VT_CLIENTES",
          "CREATE TABLE VT_CLIENTES (Codigo varchar(15), Razon_Social varchar(50), Dada_De_Baja smallint, "
          "IDVENDEDOR varchar(4), TELEFONO varchar(30))",
          "CREATE TABLE V_MV_CPTE (IDCOMPROBANTE varchar(15), NOMBRE varchar(50), CUENTA varchar(15), "
          "TELEFONO varchar(30))",
          "ALTER TABLE TA_USUARIOS ADD IdVendedor varchar(4)",
          "INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, IdVendedor) VALUES ('ANA', 'QURO', '0002')",
          "INSERT INTO VT_CLIENTES VALUES ('C1', 'Almacen Sur', 0, '0002', '4521-3344'), "
          "('C2', 'Almacen Norte', 0, '0001', '4521 33 45'), ('C3', 'Almacen Viejo', 1, '0002', 'int 45'), "
          "('C4', 'Almacen Centro', 0, '0002', '45-21')",
          "INSERT INTO V_MV_CPTE VALUES ('F-1', 'Ana Pérez', 'C1', '4521-0000'), ('F-2', 'Otro', 'C2', '4521-1111')"});
    caja->Usuario = "ANA";
    ASSERT_TRUE(disponer("VT_CLIENTES"));
    QTest::keyClicks(caja->TxtBusqueda, "almacen");
    EXPECT_EQ(listadas(), QStringList({"Almacen Centro", "Almacen Sur"}));
    caja->Cuenta = "C1";
    ASSERT_TRUE(disponer("VT_CLIENTES_TEL"));
    caja->TxtBusqueda->setText("4521");
    EXPECT_EQ(listadas(),
              QStringList({"4521 33 45 - Almacen Norte", "4521-0000 - Ana Pérez", "4521-3344 - Almacen Sur"}));
}

TEST_P(BusquedaCodigoTest, APriceListKeepsToTheArticlesPricedInIt)
{
    seed({"INSERT INTO V_MA_PRECIOS VALUES ('" + kLargo + "', '   1', 10)"});
    caja->idLista = "1";
    ASSERT_TRUE(disponer("V_MA_ARTICULOS"));
    QTest::keyClicks(caja->TxtBusqueda, "tornillo");
    EXPECT_EQ(listadas(), QStringList{"Tornillo zincado largo"});
}

TEST_P(BusquedaCodigoTest, ANewMotiveGetsOneInputRowPerVatConditionWithNullsKept)
{
    const QStringList copiadas{
        "Repuestos",     "Servicios",     "Otros",           "V_DFI_CTAVTA",     "V_DFI_IMPINT", "V_DFI_PERCIB",
        "V_DFI_PERCIVA", "V_DFI_PERCGAN", "V_DFI_DESCUENTO", "C_CFI_CTACPRA",    "C_CFI_IMPINT", "C_CFI_PERCIB",
        "C_CFI_PERCIVA", "C_CFI_PERCGAN", "C_CFI_DESCUENTO", "PG_DESCUENTO",     "PG_RETGAN",    "PG_RETIB",
        "PG_RETIVA",     "PG_ANTICIPOS",  "CB_DESCUENTO",    "CB_RETGAN",        "CB_RETIB",     "CB_RETIVA",
        "CB_ANTICIPOS",  "DFI_IVARI",     "DFI_IVARNI",      "COSTO_MERCADERIA", "V_DFI_IMPITC"};
    seed({"CREATE TABLE V_TA_Input_Ventas (IdMotivoVta varchar(4), CondIva varchar(4), "
              + copiadas.join(" varchar(20), ") + " varchar(20))",
          "INSERT INTO V_TA_Input_Ventas (IdMotivoVta, CondIva, Repuestos, V_DFI_CTAVTA) VALUES ('  99', '   1', "
          "'R1', '4.1.01')"});
    ASSERT_TRUE(disponer("V_TA_MotivoVta"));
    caja->TxtBusqueda->setText("Venta mayorista");
    caja->imgMas->click();
    EXPECT_EQ(codigos, QStringList{"1"});
    db::Connection conexion;
    conexion.Open(connectionText());
    db::Recordset filas = conexion.Execute(
        "SELECT CondIva, Repuestos, V_DFI_CTAVTA, Servicios FROM V_TA_Input_Ventas WHERE IdMotivoVta = '   1' "
        "ORDER BY CondIva");
    QStringList leidas;
    for (; !filas.Eof(); filas.MoveNext()) {
        leidas << filas.Fields(0).Value().textOrEmpty() + "|" + filas.Fields(1).Value().textOrEmpty() + "|"
                      + filas.Fields(2).Value().textOrEmpty() + "|" + (filas.Fields(3).Value().isNull() ? "NULL" : "?");
    }
    ASSERT_EQ(leidas.size(), 8) << leidas.join("\n").toStdString();
    EXPECT_EQ(leidas.first(), "   1|R1|4.1.01|NULL");
    EXPECT_EQ(leidas.last(), "   8|R1|4.1.01|NULL");
}

TEST_P(BusquedaCodigoTest, AConnectionThatFailsIsToldInTheBoxsOwnDialog)
{
    caja->setConnString(connectionText("NO_EXISTE"));
    operador->answer(vb::vbAbort);
    EXPECT_TRUE(disponer("V_TA_Unidad"));
    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_TRUE(operador->boxes()[0].prompt.startsWith("Ha ocurrido el Siguiente Error ("));
    EXPECT_TRUE(operador->boxes()[0].title.endsWith(" Aviso al operador!!! "));
    EXPECT_EQ(operador->boxes()[0].buttons, kBotonesTratamiento);
    EXPECT_EQ(caja->TratamientoErrores(ErrorVB()), 0);
    operador->answer(vb::vbIgnore);
    EXPECT_EQ(caja->TratamientoErrores(ErrorVB(13, "Type mismatch", "Busqueda"), kBotonesTratamiento, "sp_Cfg"),
              vb::vbIgnore);
    EXPECT_EQ(operador->boxes().last().title, "Busqueda - sp_Cfg Aviso al operador!!! ");
    EXPECT_EQ(operador->boxes().last().prompt, "Ha ocurrido el Siguiente Error (13) Type mismatch");
}

TEST_P(BusquedaCodigoTest, TheListAsTheOperatorSeesIt)
{
    if (!onSqlite()) GTEST_SKIP() << "one picture is enough";
    QWidget ventana;
    ventana.resize(420, 260);
    caja->setParent(&ventana);
    caja->setGeometry(10, 10, 400, 240);
    caja->show();
    ASSERT_TRUE(disponer("V_MA_ARTICULOS"));
    QTest::keyClicks(caja->TxtBusqueda, "tornillo");
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Down);
    ventana.show();
    QDir().mkpath(CAPTURAS_DIR);
    EXPECT_TRUE(ventana.grab().save(QDir(CAPTURAS_DIR).filePath("busqueda-lista.png")));
    caja->setParent(nullptr);
}

ON_EVERY_ENGINE(BusquedaCodigoTest);
