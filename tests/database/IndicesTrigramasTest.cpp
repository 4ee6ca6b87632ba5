#include "database/IndicesTrigramas.h"
#include "esquema/GuionEsquema.h"

#include <QString>

#include <gtest/gtest.h>

TEST(IndicesTrigramas, EmpresaSqlMakesThemAsTheProgramDoesAtSignIn)
{
    EXPECT_TRUE(GuionEsquema("empresa.sql", kEsquemaPostgresql).contains(QString(kIndicesTrigramas) + ';'));
}
