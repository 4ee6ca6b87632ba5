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

TEST_P(EscrituraGenericaTest, AnExistingRowIsChangedWhateverTheCaseOfItsCodeAndEveryNewOneIsAdded)
{
    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
         "VALUES ('a-1', 'KG', 'GR', 999, NULL), ('ñandú-1', 'KG', 'GR', 999, NULL), ('A-2', 'KG', 'UN', 5, NULL)"});
    openCompany();
    EscrituraGenerica escritura(gBaseDatos(), "KG", "GR", "1000");
    escritura.Grabar("A-1");
    escritura.Grabar("ÑANDÚ-1");
    constexpr int kNuevas = 2500;  // more than one record set of new rows holds
    for (int i = 0; i < kNuevas; ++i) escritura.Grabar(QString("N-%1").arg(i));
    escritura.Grabar("N-7");

    EXPECT_EQ(contar("IDARTICULO = 'A-1'"), 1) << "the stored row of the pair changed, not doubled";
    EXPECT_EQ(contar("IDARTICULO = 'A-1' AND COEFICIENTE = 1000 AND PARATODOS = 1"), 1);
    EXPECT_EQ(contar("IDARTICULO = 'ñandú-1' AND COEFICIENTE = 1000"), 1) << "accented capitals match too";
    EXPECT_EQ(contar("IDARTICULO = 'A-2' AND COEFICIENTE = 5 AND PARATODOS IS NULL"), 1) << "another pair stays";
    EXPECT_EQ(contar("IDARTICULO LIKE 'N-%' AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR' AND PARATODOS = 1"), kNuevas);
}

ON_EVERY_ENGINE(EscrituraGenericaTest);
