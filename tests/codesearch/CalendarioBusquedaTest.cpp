#include "codesearch/CalendarioBusqueda.h"
#include "support/QStringPrinter.h"

#include <QComboBox>
#include <QToolButton>

#include <gtest/gtest.h>

// The month calendar: where the days fall, their colours and the selection.

namespace {

const QColor kRojo(255, 0, 0);
const QColor kAzul(0, 0, 255);

QString leyenda(const CalendarioBusqueda& calendario, int celda)
{
    return calendario.OptDia[static_cast<size_t>(celda)]->text();
}

QColor color(const CalendarioBusqueda& calendario, int celda)
{
    return calendario.OptDia[static_cast<size_t>(celda)]->palette().color(QPalette::ButtonText);
}

// The captions of the cells, from the first day's cell to the last day's.
void esperarMes(const CalendarioBusqueda& calendario, int primera, int dias)
{
    for (int celda = 0; celda < Almanaque::kCeldas; ++celda) {
        const bool delMes = celda >= primera && celda < primera + dias;
        EXPECT_EQ(leyenda(calendario, celda), delMes ? QString::number(celda - primera + 1) : ".") << celda;
        EXPECT_EQ(calendario.OptDia[static_cast<size_t>(celda)]->isCheckable(), delMes) << celda;
        if (!delMes) {
            EXPECT_EQ(color(calendario, celda), QColor(Qt::black)) << celda;
        }
    }
}

}  // namespace

TEST(CalendarioBusqueda, February2024StartsOnThursdayWith29Days)
{
    CalendarioBusqueda calendario;
    calendario.ArmarAlmanaque(2, 2024);
    esperarMes(calendario, 4, 29);
    EXPECT_EQ(color(calendario, 4), kAzul);   // Thursday the 1st
    EXPECT_EQ(color(calendario, 6), kRojo);   // Saturday the 3rd
    EXPECT_EQ(color(calendario, 7), kRojo);   // Sunday the 4th
    EXPECT_EQ(color(calendario, 32), kAzul);  // Thursday the 29th
    EXPECT_EQ(calendario.CeldaSeleccionada(), -1);
    EXPECT_TRUE(calendario.Armado());
    EXPECT_TRUE(calendario.OptDia[10]->font().bold());
}

TEST(CalendarioBusqueda, February2025AndAMonthStartingOnSunday)
{
    CalendarioBusqueda calendario;
    calendario.ArmarAlmanaque(2, 2025);
    esperarMes(calendario, 6, 28);
    calendario.ArmarAlmanaque(6, 2025);
    esperarMes(calendario, 0, 30);
}

TEST(CalendarioBusqueda, SelectingADayMarksItAndCanSwapItsColour)
{
    CalendarioBusqueda calendario;
    calendario.ArmarAlmanaque(3, 2025);  // the 1st is a Saturday
    const int cinco = calendario.IndCaption("5");
    EXPECT_EQ(cinco, 10);  // a Wednesday
    EXPECT_EQ(calendario.IndCaption("32"), 0);
    calendario.Seleccionar(cinco, false);
    EXPECT_EQ(calendario.CeldaSeleccionada(), cinco);
    EXPECT_EQ(color(calendario, cinco), kAzul);
    calendario.Seleccionar(cinco, true);
    EXPECT_EQ(color(calendario, cinco), kRojo);
    calendario.ArmarAlmanaque(3, 2025);
    EXPECT_EQ(calendario.CeldaSeleccionada(), -1);
}

TEST(CalendarioBusqueda, MonthAndYearBoxesLayTheirMonthOut)
{
    CalendarioBusqueda calendario;
    calendario.CargarMesAño();
    EXPECT_EQ(calendario.CmbMes->count(), 12);
    EXPECT_EQ(calendario.CmbAño->itemText(0), "1930");
    EXPECT_EQ(calendario.CmbAño->itemText(calendario.CmbAño->count() - 1), "2049");
    calendario.CmbAño->setCurrentText("2024");
    calendario.CmbMes->setCurrentText("Febrero");
    esperarMes(calendario, 4, 29);
    calendario.MostrarMesAnio(6, 2025);
    EXPECT_EQ(calendario.MesElegido(), 6);
    EXPECT_EQ(calendario.AnioElegido(), 2025);
    esperarMes(calendario, 4, 29);
}
