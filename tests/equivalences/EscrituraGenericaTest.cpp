#include "database/DB_Dll.h"
#include "equivalences/EscrituraGenerica.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"

namespace {

long contar(const QString& condicion)
{
    return gBaseDatos().gCnn.Execute("SELECT COUNT(*) FROM S_TA_EQUIV WHERE " + condicion).Fields(0).Value().toLong();
}

}  // namespace

class EscrituraGenericaTest : public EveryEngineTest {};

// Stretches of only existing rows, only new ones and both, as a generic save
// meets them; one row was deleted by someone else after the pair was read.
TEST_P(EscrituraGenericaTest, EachArticleEndsWithOneRowOfThePairWhateverItHeldBefore)
{
    seed({"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A-1', 'a', 'KG'), "
          "('ÑANDÚ-1', 'b', 'KG'), ('A-3', 'c', 'KG'), ('N-1', 'd', 'KG'), ('N-2', 'e', 'KG'), ('N-3', 'f', 'GR')",
          "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
          "('a-1', 'KG', 'GR', 999, NULL), ('ñandú-1', 'KG', 'GR', 999, NULL), ('A-3', 'KG', 'GR', 7, NULL), "
          "('A-2', 'KG', 'UN', 5, NULL)"});
    openCompany();
    EscrituraGenerica escritura(gBaseDatos(), "KG", "GR", "1000");
    gBaseDatos().gCnn.Execute("DELETE FROM S_TA_EQUIV WHERE IDARTICULO = 'A-3'");
    escritura.Grabar({"A-1", "ÑANDÚ-1", "A-3"});
    escritura.Grabar({"N-1", "N-2"});
    escritura.Grabar({"N-2", "N-3", "A-1"});

    const QString delPar = "IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'";
    EXPECT_EQ(contar(delPar), 6) << "one row per article: changed, not doubled, whatever the case of its code";
    EXPECT_EQ(contar(delPar + " AND COEFICIENTE = 1000 AND PARATODOS = 1"), 6);
    EXPECT_EQ(contar("IDARTICULO = 'A-3' AND " + delPar), 1) << "the row deleted meanwhile is added again";
    EXPECT_EQ(contar("IDARTICULO = 'A-2' AND COEFICIENTE = 5 AND PARATODOS IS NULL"), 1) << "another pair stays";
}

ON_EVERY_ENGINE(EscrituraGenericaTest);
