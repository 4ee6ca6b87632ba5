#include "DatosDemo.h"
#include "codesearch/BusquedaCodigo.h"
#include "codesearch/FrmPruebaBusqueda.h"
#include "database/DB_Dll.h"
#include "support/ProgramTest.h"
#include "support/QStringPrinter.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

// The window that tries the code search box, on the demo company.

class FrmPruebaBusquedaTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        crearDatosDemo({programFolder(), 400, false});
        ventana = std::make_unique<FrmPruebaBusqueda>(base, conexionDemo(), kUsuarioDemo, kEmpresaDemo);
        ventana->show();
    }

    DB_Dll base;
    std::unique_ptr<FrmPruebaBusqueda> ventana;
};

TEST_F(FrmPruebaBusquedaTest, AnArticleFoundIsShownWithItsCode)
{
    BusquedaCodigo& caja = *ventana->BusquedaTabla;
    QTest::keyClicks(caja.TxtBusqueda, "tornillo");
    ASSERT_GT(caja.LstBusqueda->count(), 0);
    for (int i = 0; i < caja.LstBusqueda->count(); ++i)
        EXPECT_TRUE(caja.LstBusqueda->item(i)->text().startsWith("Tornillo autorroscante "));
    QTest::keyClick(caja.TxtBusqueda, Qt::Key_Down);
    QTest::keyClick(caja.LstBusqueda, Qt::Key_Return);
    const QString codigo = caja.LstBusqueda->item(0)->data(BusquedaCodigo::kRolCodigo).toString().trimmed();
    EXPECT_EQ(ventana->LblCodigo->text(), FrmPruebaBusqueda::kPrefijoCodigo + codigo);
    QDir().mkpath(CAPTURAS_DIR);
    EXPECT_TRUE(ventana->grab().save(QDir(CAPTURAS_DIR).filePath("prueba-busqueda.png")));
}

TEST_F(FrmPruebaBusquedaTest, UnitsCanBeAddedAndDatesChosen)
{
    ventana->CmbTabla->setCurrentIndex(1);
    EXPECT_FALSE(ventana->BusquedaTabla->imgMas->isHidden());
    BusquedaCodigo& fecha = *ventana->BusquedaFecha;
    QTest::keyClicks(fecha.TxtBusqueda, "24122025");
    QTest::keyClick(fecha.TxtBusqueda, Qt::Key_Return);
    EXPECT_EQ(ventana->LblFecha->text(), FrmPruebaBusqueda::kPrefijoFecha + "24/12/2025");
}
