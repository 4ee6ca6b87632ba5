#include "database/DB_Dll.h"
#include "database/TablasPropias.h"
#include "equivalences/EscrituraGenerica.h"
#include "equivalences/HistorialEquivalencias.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"

namespace {

long contar(const QString& condicion, const QString& tabla = "S_TA_EQUIV")
{
    return gBaseDatos().gCnn.Execute("SELECT COUNT(*) FROM " + tabla + " WHERE " + condicion).Fields(0).Value().toLong();
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
    ASSERT_TRUE(CrearTablasQueFaltan(gBaseDatos(), {HistorialEquivalencias::kTabla}));
    HistorialEquivalencias historial(gBaseDatos(), HistorialEquivalencias::Origen::Generica);
    EscrituraGenerica escritura(gBaseDatos(), historial, "KG", "GR", "1000");
    gBaseDatos().gCnn.Execute("DELETE FROM S_TA_EQUIV WHERE IDARTICULO = 'A-3'");
    escritura.Grabar({"A-1", "ÑANDÚ-1", "A-3"});
    escritura.Grabar({"N-1", "N-2"});
    escritura.Grabar({"N-2", "N-3", "A-1"});

    const QString delPar = "IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'";
    EXPECT_EQ(contar(delPar), 6) << "one row per article: changed, not doubled, whatever the case of its code";
    EXPECT_EQ(contar(delPar + " AND COEFICIENTE = 1000 AND PARATODOS = 1"), 6);
    EXPECT_EQ(contar("IDARTICULO = 'A-3' AND " + delPar), 1) << "the row deleted meanwhile is added again";
    EXPECT_EQ(contar("IDARTICULO = 'A-2' AND COEFICIENTE = 5 AND PARATODOS IS NULL"), 1) << "another pair stays";

    const QString historia = "HISTORIAL_EQUIVALENCIAS";
    const QString deLaGrabacion = "GRABACION = '" + historial.Grabacion() + "' AND ORIGEN = 'GENERICA' AND " + delPar
                                  + " AND COEFICIENTE_NUEVO = 1000 AND PARATODOS_NUEVO = 1 AND ";
    EXPECT_EQ(contar(deLaGrabacion + "OPERACION = 'ALTA' AND COEFICIENTE_ANTERIOR IS NULL", historia), 4)
        << "A-3, N-1, N-2 and N-3 were added";
    EXPECT_EQ(contar(deLaGrabacion + "OPERACION = 'MODIFICACION' AND IDARTICULO = 'a-1' AND COEFICIENTE_ANTERIOR = 999 "
                                     "AND PARATODOS_ANTERIOR IS NULL",
                     historia),
              1);
    EXPECT_EQ(contar(deLaGrabacion + "OPERACION = 'MODIFICACION' AND COEFICIENTE_ANTERIOR = 1000", historia), 2)
        << "A-1 and N-2 written again";
    EXPECT_EQ(contar("1 = 1", historia), 8) << "and nothing else: the row deleted meanwhile was not changed";
}

ON_EVERY_ENGINE(EscrituraGenericaTest);
