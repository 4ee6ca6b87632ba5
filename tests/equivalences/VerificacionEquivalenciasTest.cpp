#include "database/DB_Dll.h"
#include "equivalences/InformeVerificacion.h"
#include "equivalences/ModeloEquivalencias.h"
#include "equivalences/VerificacionEquivalencias.h"
#include "replication/ModGruposEmp.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <QTextStream>

namespace {

using Tipo = Hallazgo::Tipo;

class RecordingReplication : public Replicacion {
public:
    QVector<SolicitudReplica> requests;
    void ActualizaGEmpresas(const SolicitudReplica& solicitud) override { requests.append(solicitud); }
};

const QStringList kUnidadesYArticulos{
    "INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad'), ('CJ', 'Caja'), ('KG', 'Kilogramo'), "
    "('GR', 'Gramo'), ('LB', 'Libra'), ('M2', 'Metro cuadrado')",
    "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A1', 'Uno', 'UN'), ('A2', 'Dos', 'KG'), "
    "('A3', 'Tres', 'M2'), ('A4', 'Cuatro', 'UN'), ('A5', 'Cinco', 'UN'), ('A6', 'Seis', 'UN'), "
    "('A7', 'Siete', 'M2'), ('A8', 'Ocho', 'KG')"};

// Rows a careful operator keeps: every article of UN with the generic CJ→UN,
// and both directions of M2/KG as close to 1 as four decimals allow.
const QString kConsistentes =
    "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
    "('A4', 'CJ', 'UN', 12, 1), ('A5', 'CJ', 'UN', 12, 1), ('A3', 'M2', 'KG', 9, NULL), ('A3', 'KG', 'M2', 0.1111, "
    "NULL), "
    "('A2', 'KG', 'GR', 1000, NULL), ('A2', 'GR', 'LB', 0.0022, NULL)";

}  // namespace

class VerificacionEquivalenciasTest : public EveryEngineTest {
protected:
    QList<std::pair<QString, Tipo>> hallados()
    {
        QList<std::pair<QString, Tipo>> lista;
        for (const Hallazgo& h : VerificacionEquivalencias(gBaseDatos()).Verificar())
            lista.append({h.articulo, h.tipo});
        return lista;
    }
};

TEST_P(VerificacionEquivalenciasTest, FindsEachKindOfInconsistencyAndNothingInAConsistentDatabase)
{
    seed(kUnidadesYArticulos);
    seed({kConsistentes,
          "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
          "VALUES ('A1', 'CJ', 'UN', 12, 1), ('A6', 'CJ', 'UN', 12, 1)"});
    openCompany();
    EXPECT_TRUE(hallados().isEmpty()) << "9 and 0,1111 are as inverse as four decimals can be";
    QString informe;
    QTextStream salida(&informe);
    EXPECT_EQ(ImprimirVerificacion(gBaseDatos(), salida, FormatoInforme::Tsv), 0);
    EXPECT_EQ(informe, "Artículo\tUnidades\tCoeficientes\tProblema\n") << "the header row alone";

    seed({"DELETE FROM S_TA_EQUIV WHERE IDARTICULO IN ('A1', 'A6')",
          "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
          "('A1', 'UN', 'CJ', 12, NULL), ('A1', 'CJ', 'UN', 0.5, NULL), "  // a contradiction, off the generic value
          "('A2', 'LB', 'KG', 0.5, NULL), "                                // KG→GR→LB→KG is 1.1
          "('A7', 'KG', 'GR', 1000, NULL), "                               // nothing leads from M2 to KG
          "('A8', 'KG', 'GR', 0, NULL), ('A8', 'KG', 'LB', NULL, NULL), "
          "('ZZ', 'KG', 'GR', 1000, NULL)"});  // A6 lacks CJ→UN, which A4 and A5 of its unit carry
    const QList<std::pair<QString, Tipo>> esperados{
        {"A1", Tipo::Contradiccion},       {"A1", Tipo::DifiereDeGenerica}, {"A2", Tipo::Ciclo},
        {"A6", Tipo::FaltaGenerica},       {"A7", Tipo::UnidadAjena},       {"A8", Tipo::CoeficienteInvalido},
        {"A8", Tipo::CoeficienteInvalido}, {"ZZ", Tipo::UnidadAjena}};
    EXPECT_EQ(hallados(), esperados);

    const QVector<Hallazgo> hallazgos = VerificacionEquivalencias(gBaseDatos()).Verificar();
    EXPECT_EQ(hallazgos[0].unidades, "CJ → UN → CJ");
    EXPECT_EQ(hallazgos[0].problema, "El producto de la ida y la vuelta es 6, no 1");
    EXPECT_EQ(hallazgos[2].unidades, "GR → LB → KG → GR");
    EXPECT_EQ(hallazgos[3].generico, 12);

    RecordingReplication replicas;
    ModeloEquivalencias modelo(gBaseDatos(), replicas);
    EXPECT_EQ(modelo.CompletarGenericas(hallazgos), 1) << "only the missing generic row is written";
    EXPECT_EQ(gBaseDatos()
                  .gCnn
                  .Execute("SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDARTICULO = 'A6' AND IDUNIDAD = 'CJ' AND "
                           "IDUNIDAD_EQUIV = 'UN' AND COEFICIENTE = 12 AND PARATODOS = 1")
                  .Fields(0)
                  .Value()
                  .toLong(),
              1);
    ASSERT_EQ(replicas.requests.size(), 1);
    EXPECT_EQ(replicas.requests[0].Claves[0], "'A6'");

    informe.clear();
    EXPECT_EQ(ImprimirVerificacion(gBaseDatos(), salida, FormatoInforme::Tsv), 7) << "A6 has its generic row now";
    EXPECT_TRUE(informe.startsWith("Artículo\tUnidades\tCoeficientes\tProblema\nA1\tCJ → UN → CJ\t0,5; 12\t"))
        << informe.toStdString();
    EXPECT_EQ(informe.count(u'\n'), 8) << "a header and a row per finding, nothing else";
}

ON_EVERY_ENGINE(VerificacionEquivalenciasTest);
