#include "codesearch/BusquedaCodigo.h"
#include "database/DB_Dll.h"
#include "support/ProgramTest.h"
#include "support/QStringPrinter.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

// The box as a date field: the calendar and the date mask, without a database.

class BusquedaFechaTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        caja = std::make_unique<BusquedaCodigo>(base);
        QObject::connect(caja.get(), &BusquedaCodigo::CodigoObtenido, [this] { codigos << caja->codigo; });
        QString fecha = "Fecha";
        ASSERT_TRUE(caja->BusquedaDisponible(fecha));
        caja->show();
    }

    int celdaDelDia(int dia) const { return caja->IndCaption(QString::number(dia)); }

    DB_Dll base;
    std::unique_ptr<BusquedaCodigo> caja;
    QStringList codigos;
};

TEST_F(BusquedaFechaTest, TheCalendarOpensOnTodayAndSizesTheBox)
{
    const QDate hoy = QDate::currentDate();
    EXPECT_FALSE(caja->Calendar->isHidden());
    EXPECT_TRUE(caja->LstBusqueda->isHidden());
    EXPECT_TRUE(caja->imgMas->isHidden());
    EXPECT_EQ(caja->Calendar->MesElegido(), hoy.month());
    EXPECT_EQ(caja->Calendar->AnioElegido(), hoy.year());
    EXPECT_EQ(caja->Calendar->CeldaSeleccionada(), celdaDelDia(hoy.day()));
    EXPECT_EQ(caja->width(), caja->Calendar->width());
    EXPECT_EQ(caja->height(), caja->TxtBusqueda->height() + caja->Calendar->height());
    EXPECT_EQ(caja->TxtBusqueda->maxLength(), 10);
}

TEST_F(BusquedaFechaTest, TypingADateLaysItsMonthOut)
{
    QTest::keyClicks(caja->TxtBusqueda, "29x02-2024");
    EXPECT_EQ(caja->TxtBusqueda->text(), "29/02/2024");
    EXPECT_EQ(caja->Calendar->MesElegido(), 2);
    EXPECT_EQ(caja->Calendar->AnioElegido(), 2024);
    EXPECT_EQ(caja->Calendar->CeldaSeleccionada(), 32);
    EXPECT_TRUE(codigos.isEmpty());
}

TEST_F(BusquedaFechaTest, ADayClickWritesTheDateAndADoubleClickHandsItOver)
{
    caja->Calendar->CmbAño->setCurrentText("2025");
    caja->Calendar->CmbMes->setCurrentText("Marzo");
    QToolButton* cinco = caja->Calendar->OptDia[static_cast<size_t>(celdaDelDia(5))];
    QTest::mouseClick(cinco, Qt::LeftButton);
    EXPECT_EQ(caja->TxtBusqueda->text(), "05/03/2025");
    EXPECT_EQ(caja->Calendar->CeldaSeleccionada(), celdaDelDia(5));
    QTest::mouseDClick(caja->Calendar->OptDia[static_cast<size_t>(celdaDelDia(12))], Qt::LeftButton);
    EXPECT_EQ(codigos, QStringList{"12/03/2025"});
    EXPECT_TRUE(caja->Calendar->isHidden());
}

TEST_F(BusquedaFechaTest, EnterTakesADateAndEmptiesAnythingElse)
{
    QTest::keyClicks(caja->TxtBusqueda, "3102");
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Return);
    EXPECT_EQ(caja->TxtBusqueda->text(), "");
    QString fecha = "FECHA";
    caja->BusquedaDisponible(fecha);
    QTest::keyClicks(caja->TxtBusqueda, "01032025");
    QTest::keyClick(caja->TxtBusqueda, Qt::Key_Return);
    EXPECT_EQ(codigos, QStringList({"", "01/03/2025"}));
}

TEST_F(BusquedaFechaTest, TheCalendarAsTheOperatorSeesIt)
{
    caja->Calendar->CmbAño->setCurrentText("2025");
    caja->Calendar->CmbMes->setCurrentText("Marzo");
    QTest::mouseClick(caja->Calendar->OptDia[static_cast<size_t>(celdaDelDia(5))], Qt::LeftButton);
    QDir().mkpath(CAPTURAS_DIR);
    EXPECT_TRUE(caja->grab().save(QDir(CAPTURAS_DIR).filePath("busqueda-calendario.png")));
}
