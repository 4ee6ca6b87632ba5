#include "database/DB_Dll.h"
#include "database/TablasPropias.h"
#include "equivalences/HistorialEquivalencias.h"
#include "equivalences/ImportacionEquivalencias.h"
#include "platform/os/SpreadsheetReader.h"
#include "platform/os/SpreadsheetWriter.h"
#include "replication/ModGruposEmp.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class RecordingReplication : public Replicacion {
public:
    QVector<SolicitudReplica> requests;
    void ActualizaGEmpresas(const SolicitudReplica& solicitud) override { requests.append(solicitud); }
};

}  // namespace

class ImportacionEquivalenciasTest : public EveryEngineTest {
protected:
    long filas(const QString& condicion, const QString& tabla = "S_TA_EQUIV")
    {
        return read("SELECT COUNT(*) FROM " + tabla + " WHERE " + condicion).Fields(0).Value().toLong();
    }
};

// A workbook of good and bad rows: exactly the good ones are written, noted
// and copied; each bad one is reported with its reason and written back.
TEST_P(ImportacionEquivalenciasTest, WritesExactlyTheGoodRowsAndReturnsEachBadOneWithItsReason)
{
    seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo'), ('GR', 'Gramo'), "
          "('CJ', 'Caja'), ('UN', 'Unidad')",
          "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A-1', 'Tornillo', 'UN'), "
          "('A-2', 'Tuerca', 'UN'), ('B-1', 'Arroz', 'KG')",
          "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
          "('A-1', 'CJ', 'UN', 12, NULL), ('A-2', 'CJ', 'UN', 6, NULL)"});
    openCompany();
    ASSERT_TRUE(CrearTablasQueFaltan(gBaseDatos(), {HistorialEquivalencias::kTabla}));
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath("equivalencias.xlsx");
    os::SpreadsheetWriter::write(archivo, {{"Artículo", "Unidad", "Equivalente", "Coeficiente", "Genérica"},
                                           {"a-1", "CJ", "UN", "24"},
                                           {"A-2", "CJ", "UN", "6"},
                                           {"B-1", "KG", "GR", "1000", "S"},
                                           {"A-2", "DOC", "UN", "12"},
                                           {"ZZ-9", "CJ", "UN", "2"},
                                           {"A-1", "UN", "un", "1"},
                                           {"A-2", "KG", "GR", "abc"},
                                           {"A-2", "KG", "GR", "0,00001"},
                                           {"A-1", "CJ", "UN", "30"},
                                           {"A-2", "GR", "KG", "5", "quizás"},
                                           {},
                                           {"A-2", "KG", "UN", "2,5"}});

    ImportacionEquivalencias importacion = ImportacionEquivalencias::Leer(gBaseDatos(), archivo);
    EXPECT_EQ(importacion.Nuevas(), 2);
    EXPECT_EQ(importacion.Cambiadas(), 1);
    EXPECT_EQ(importacion.SinCambios(), 1);
    QStringList motivos;
    for (const auto& rechazo : importacion.Rechazadas()) motivos.append(QString("%1 %2").arg(rechazo.linea).arg(rechazo.motivo));
    const QStringList esperados{"5 Codigo de Unidad Inexistente",
                                "6 Codigo de Articulo Inexistente",
                                "7 La unidad y la unidad equivalente deben ser distintas",
                                "8 El Coeficiente debe ser un numero mayor que cero",
                                "9 El Coeficiente debe ser un numero mayor que cero",
                                "10 Repite la fila de la línea 2",
                                "11 La marca de genérica debe ser S, N, 1, 0 o quedar vacía"};
    EXPECT_EQ(motivos, esperados);
    const QString resumen = importacion.Resumen({"Centro"});
    EXPECT_TRUE(resumen.contains("\n    1 cambia de coeficiente\n        línea 2: A-1 CJ → UN: 12 → 24\n"))
        << resumen.toStdString();

    RecordingReplication replicas;
    EXPECT_EQ(importacion.Grabar(replicas, 1), 3);
    EXPECT_EQ(filas("1 = 1"), 4);
    EXPECT_EQ(filas("IDARTICULO = 'A-1' AND IDUNIDAD = 'CJ' AND COEFICIENTE = 24 AND PARATODOS IS NULL"), 1);
    EXPECT_EQ(filas("IDARTICULO = 'A-2' AND IDUNIDAD = 'CJ' AND COEFICIENTE = 6"), 1);
    EXPECT_EQ(filas("IDARTICULO = 'B-1' AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR' AND COEFICIENTE = 1000 "
                    "AND PARATODOS = 1"),
              1);
    EXPECT_EQ(filas("IDARTICULO = 'A-2' AND IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'UN' AND COEFICIENTE = 2.5 "
                    "AND PARATODOS IS NULL"),
              1);
    EXPECT_EQ(replicas.requests.size(), 3);
    EXPECT_EQ(filas("ORIGEN = 'IMPORTACION'", "HISTORIAL_EQUIVALENCIAS"), 3);
    EXPECT_EQ(filas("OPERACION = 'MODIFICACION' AND COEFICIENTE_ANTERIOR = 12 AND COEFICIENTE_NUEVO = 24",
                    "HISTORIAL_EQUIVALENCIAS"),
              1);

    const QString rechazadas = importacion.EscribirRechazadas();
    EXPECT_EQ(QFileInfo(rechazadas).fileName(), "equivalencias-rechazadas.xlsx");
    const QVector<QStringList> devueltas = os::SpreadsheetReader::read(rechazadas);
    ASSERT_EQ(devueltas.size(), 8);
    EXPECT_EQ(devueltas[0], (QStringList{"Artículo", "Unidad", "Equivalente", "Coeficiente", "Genérica", "Motivo"}));
    EXPECT_EQ(devueltas[1], (QStringList{"A-2", "DOC", "UN", "12", "", "Codigo de Unidad Inexistente"}));
}

ON_EVERY_ENGINE(ImportacionEquivalenciasTest);
