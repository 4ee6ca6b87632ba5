#include "codesearch/Almanaque.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

TEST(Almanaque, MonthNamesBothWays)
{
    EXPECT_EQ(Almanaque::NombreMes(1), "Enero");
    EXPECT_EQ(Almanaque::NombreMes(12), "Diciembre");
    EXPECT_EQ(Almanaque::NombreMes(0), "");
    EXPECT_EQ(Almanaque::NombreMes(13), "");
    EXPECT_EQ(Almanaque::Nromes("SEPTIEMBRE"), 9);
    EXPECT_EQ(Almanaque::Nromes("Setiembre"), 0);
}

TEST(Almanaque, DaysOfTheMonthAndItsFirstCell)
{
    EXPECT_EQ(Almanaque::CantidadDeDiasDelmes(2, 2024), 29);
    EXPECT_EQ(Almanaque::CantidadDeDiasDelmes(2, 2025), 28);
    EXPECT_EQ(Almanaque::CantidadDeDiasDelmes(12, 2025), 31);
    EXPECT_EQ(Almanaque::CantidadDeDiasDelmes(4, 2025), 30);
    EXPECT_EQ(Almanaque::PrimeraCelda(6, 2025), 0);  // a Sunday
    EXPECT_EQ(Almanaque::PrimeraCelda(2, 2024), 4);  // a Thursday
    EXPECT_EQ(Almanaque::PrimeraCelda(2, 2025), 6);  // a Saturday
    EXPECT_TRUE(Almanaque::EsFinDeSemana(0));
    EXPECT_TRUE(Almanaque::EsFinDeSemana(13));
    EXPECT_FALSE(Almanaque::EsFinDeSemana(8));
}

TEST(Almanaque, ADayIsWrittenWithTwoDigitDayAndMonth)
{
    EXPECT_EQ(Almanaque::TextoFecha(5, 3, 2025), "05/03/2025");
    EXPECT_EQ(Almanaque::TextoFecha(25, 12, 2025), "25/12/2025");
}
