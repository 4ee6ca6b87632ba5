#include "database/DB_Dll.h"
#include "equivalences/AvanceGrabacion.h"
#include "equivalences/DeshacerGenerica.h"
#include "equivalences/ModeloEquivalencias.h"
#include "platform/MessageBoxCodes.h"
#include "replication/ModGruposEmp.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

namespace {

using Campo = ModeloEquivalencias::Campo;
using Modo = ModeloEquivalencias::Modo;

class RecordingReplication : public Replicacion {
public:
    QVector<SolicitudReplica> requests;
    void ActualizaGEmpresas(const SolicitudReplica& solicitud) override { requests.append(solicitud); }
};

class SinCartel : public AvanceGrabacion {
public:
    void Empezar(const QString&) override {}
    void Mostrar(const QString&, qsizetype, qsizetype) override {}
    bool Seguir() override { return true; }
    void Terminar() override {}
};

}  // namespace

// The history of what the program writes, and the undo of a generic save it allows.
class HistorialEquivalenciasTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo'), ('GR', 'Gramo'), "
              "('CJ', 'Caja'), ('UN', 'Unidad')",
              "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A-1', 'Tornillo', 'UN'), "
              "('B-1', 'Arroz', 'KG'), ('B-2', 'Polenta', 'KG'), ('B-3', 'Fideos', 'KG'), ('B-4', 'Sal', 'KG'), "
              "('B-5', 'Azafrán', 'GR')"});
    }

    void guardar(ModeloEquivalencias& modelo, Modo modo)
    {
        if (modo == Modo::Baja) modelo.setModo(Modo::Baja);
        EXPECT_FALSE(modelo.ActualizarDatos(cartel));
        modelo.Inicializa();
    }
    void porArticulo(ModeloEquivalencias& modelo, const QString& articulo, const QString& coeficiente)
    {
        modelo.setPestana(ModeloEquivalencias::Pestana::Equivalencias);
        entrar(modelo, {{Campo::IdArticulo, articulo}, {Campo::IdUnidad, "CJ"}, {Campo::IdUnidad_Equiv, "UN"},
                        {Campo::Coeficiente, coeficiente}});
    }
    void generica(ModeloEquivalencias& modelo, const QString& coeficiente)
    {
        modelo.setPestana(ModeloEquivalencias::Pestana::Especiales);
        entrar(modelo, {{Campo::IdUnidad2, "KG"}, {Campo::IdUnidad_Equiv2, "GR"}, {Campo::Coeficiente2, coeficiente}});
    }
    void entrar(ModeloEquivalencias& modelo, const QList<std::pair<Campo, QString>>& valores)
    {
        for (const auto& [campo, valor] : valores) {
            modelo.setValor(campo, valor);
            modelo.CampoValida(campo);
        }
    }
    // "OPERACION ORIGEN article before -> after" for every note, oldest first.
    QStringList notas()
    {
        QStringList lista;
        const auto valor = [](const Variant& v) { return v.isNull() ? QString("-") : QString::number(v.toDouble()); };
        for (db::Recordset f = read("SELECT OPERACION, ORIGEN, IDARTICULO, COEFICIENTE_ANTERIOR, PARATODOS_ANTERIOR, "
                                    "COEFICIENTE_NUEVO, PARATODOS_NUEVO FROM HISTORIAL_EQUIVALENCIAS ORDER BY ID");
             !f.Eof(); f.MoveNext()) {
            lista.append(QString("%1 %2 %3 %4/%5 -> %6/%7")
                             .arg(f.Fields(0).Value().textOrEmpty(), f.Fields(1).Value().textOrEmpty(),
                                  f.Fields(2).Value().textOrEmpty().trimmed(), valor(f.Fields(3).Value()),
                                  valor(f.Fields(4).Value()), valor(f.Fields(5).Value()), valor(f.Fields(6).Value())));
        }
        return lista;
    }
    long filas(const QString& condicion)
    {
        return read("SELECT COUNT(*) FROM S_TA_EQUIV WHERE " + condicion).Fields(0).Value().toLong();
    }
    // A change that refuses the coefficient 13, on the engine's own terms.
    void rechazarTrece()
    {
        if (onSqlite()) {
            seedNative({"CREATE TRIGGER rechazo BEFORE UPDATE ON S_TA_EQUIV WHEN NEW.COEFICIENTE = 13 "
                        "BEGIN SELECT RAISE(ABORT, 'rechazada'); END"},
                       kCompany, kServer);
            return;
        }
        seedNative({"CREATE FUNCTION rechazar() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                    "IF NEW.coeficiente = 13 THEN RAISE EXCEPTION 'rechazada'; END IF; RETURN NEW; END $$",
                    "CREATE TRIGGER rechazo BEFORE UPDATE ON s_ta_equiv FOR EACH ROW EXECUTE FUNCTION rechazar()"},
                   kCompany, kServer);
    }

    RecordingReplication replicas;
    SinCartel cartel;
};

TEST_P(HistorialEquivalenciasTest, EveryChangeIsNotedWithItsSaveAndAFailedSaveLeavesNoNote)
{
    seed({"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
          "('B-1', 'KG', 'GR', 999, NULL)"});
    rechazarTrece();
    openCompany();
    ModeloEquivalencias modelo(gBaseDatos(), replicas);
    modelo.Inicializa();
    porArticulo(modelo, "A-1", "12");
    guardar(modelo, Modo::Alta);
    porArticulo(modelo, "A-1", "24");
    guardar(modelo, Modo::Modificacion);
    generica(modelo, "1000");
    guardar(modelo, Modo::Alta);
    generica(modelo, "13");
    operador->answer(vb::vbAbort);
    modelo.ActualizarDatos(cartel);
    EXPECT_TRUE(modelo.HayError()) << "the database refused the change";
    modelo.Inicializa();
    porArticulo(modelo, "A-1", "24");
    guardar(modelo, Modo::Baja);
    generica(modelo, "1000");
    guardar(modelo, Modo::Baja);

    EXPECT_EQ(notas(), (QStringList{
                           "ALTA ARTICULO A-1 -/- -> 12/-",
                           "MODIFICACION ARTICULO A-1 12/- -> 24/-",
                           "MODIFICACION GENERICA B-1 999/- -> 1000/1",
                           "ALTA GENERICA B-2 -/- -> 1000/1",
                           "ALTA GENERICA B-3 -/- -> 1000/1",
                           "ALTA GENERICA B-4 -/- -> 1000/1",
                           "ALTA GENERICA B-5 -/- -> 1000/1",
                           "BAJA ARTICULO A-1 24/- -> -/-",
                           "BAJA GENERICA B-1 1000/1 -> -/-",
                           "BAJA GENERICA B-2 1000/1 -> -/-",
                           "BAJA GENERICA B-3 1000/1 -> -/-",
                           "BAJA GENERICA B-4 1000/1 -> -/-",
                           "BAJA GENERICA B-5 1000/1 -> -/-",
                       }));
    EXPECT_EQ(read("SELECT COUNT(DISTINCT GRABACION) FROM HISTORIAL_EQUIVALENCIAS").Fields(0).Value().toLong(), 5)
        << "one identifier per save: add, change, generic save, delete, generic delete";
    EXPECT_EQ(read("SELECT COUNT(*) FROM HISTORIAL_EQUIVALENCIAS WHERE USUARIO = 'ADMIN' AND FECHA IS NOT NULL")
                  .Fields(0)
                  .Value()
                  .toLong(),
              13);
}

TEST_P(HistorialEquivalenciasTest, UndoingAGenericSaveRestoresItsRowsLeavesLaterChangesAndIsCopied)
{
    seed({"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
          "('B-1', 'KG', 'GR', 999, NULL), ('B-2', 'KG', 'GR', 5, 1)"});
    openCompany();
    ModeloEquivalencias modelo(gBaseDatos(), replicas);
    modelo.Inicializa();
    generica(modelo, "7");
    guardar(modelo, Modo::Alta);
    generica(modelo, "1000");
    guardar(modelo, Modo::Modificacion);
    // Later: B-3 saved again by this program, B-4 changed by another one.
    modelo.setPestana(ModeloEquivalencias::Pestana::Equivalencias);
    entrar(modelo, {{Campo::IdArticulo, "B-3"}, {Campo::IdUnidad, "KG"}, {Campo::IdUnidad_Equiv, "GR"},
                    {Campo::Coeficiente, "3"}});
    guardar(modelo, Modo::Modificacion);
    seed({"UPDATE S_TA_EQUIV SET COEFICIENTE = 4 WHERE IDARTICULO = 'B-4'"});
    db::Recordset grabaciones = read(DeshacerGenerica::ConsultaDeGrabaciones("KG", "GR"));
    const QString ultima = grabaciones.Fields("GRABACION").Value().textOrEmpty();
    grabaciones.MoveNext();
    const QString primera = grabaciones.Fields("GRABACION").Value().textOrEmpty();
    replicas.requests.clear();

    DeshacerGenerica deshacer = DeshacerGenerica::Calcular(gBaseDatos(), ultima);
    EXPECT_EQ(deshacer.CambiadasDespues(), (QStringList{"B-3", "B-4"}));
    const QString pregunta = deshacer.Pregunta({"Punto de venta 0001"});
    EXPECT_TRUE(pregunta.contains("\n    3 filas vuelven a 7\n")) << pregunta.toStdString();
    EXPECT_TRUE(pregunta.contains("2 filas cambiadas después quedan como están: B-3, B-4")) << pregunta.toStdString();
    EXPECT_TRUE(pregunta.contains("Se replicará a: Punto de venta 0001.")) << pregunta.toStdString();
    EXPECT_EQ(deshacer.Ejecutar(replicas, 2), 3);
    EXPECT_EQ(filas("COEFICIENTE = 7 AND PARATODOS = 1"), 3) << "B-1, B-2 and B-5 as the first save left them";
    EXPECT_EQ(filas("IDARTICULO = 'B-3' AND COEFICIENTE = 3"), 1);
    EXPECT_EQ(filas("IDARTICULO = 'B-4' AND COEFICIENTE = 4"), 1);
    EXPECT_EQ(replicas.requests.size(), 3);

    DeshacerGenerica primeraVez = DeshacerGenerica::Calcular(gBaseDatos(), primera);
    EXPECT_EQ(primeraVez.CambiadasDespues(), (QStringList{"B-1", "B-2", "B-3", "B-4", "B-5"}))
        << "every row was changed by a later save";
    EXPECT_TRUE(primeraVez.Vacia());
    EXPECT_TRUE(DeshacerGenerica::Calcular(gBaseDatos(), ultima).Vacia()) << "an undo is not done twice";
}

TEST_P(HistorialEquivalenciasTest, UndoingTheFirstGenericSaveGivesBackPerArticleRowsAndDropsTheAddedOnes)
{
    seed({"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES "
          "('B-1', 'KG', 'GR', 999, NULL), ('B-2', 'KG', 'GR', 5, 1)"});
    openCompany();
    ModeloEquivalencias modelo(gBaseDatos(), replicas);
    modelo.Inicializa();
    generica(modelo, "1000");
    guardar(modelo, Modo::Alta);
    replicas.requests.clear();
    const QString grabacion =
        read(DeshacerGenerica::ConsultaDeGrabaciones("KG", "GR")).Fields("GRABACION").Value().textOrEmpty();

    DeshacerGenerica deshacer = DeshacerGenerica::Calcular(gBaseDatos(), grabacion);
    const QString pregunta = deshacer.Pregunta({});
    EXPECT_TRUE(pregunta.contains("\n    1 fila vuelve a 5\n    1 fila vuelve a 999 (por artículo)\n"
                                  "    3 filas agregadas se borran\nNo se replicará a otras bases."))
        << pregunta.toStdString();
    EXPECT_EQ(deshacer.Ejecutar(replicas, 1000), 5);

    EXPECT_EQ(filas("IDUNIDAD = 'KG' AND IDUNIDAD_EQUIV = 'GR'"), 2);
    EXPECT_EQ(filas("IDARTICULO = 'B-1' AND COEFICIENTE = 999 AND PARATODOS IS NULL"), 1);
    EXPECT_EQ(filas("IDARTICULO = 'B-2' AND COEFICIENTE = 5 AND PARATODOS = 1"), 1);
    QStringList copias;
    for (const SolicitudReplica& s : replicas.requests) copias.append(QString::number(s.Operacion) + " " + s.Claves[0]);
    EXPECT_EQ(copias, (QStringList{"1 'B-2'", "1 'B-1'", "3 'B-3'", "3 'B-4'", "3 'B-5'"}));
    EXPECT_EQ(notas().mid(5), (QStringList{"MODIFICACION DESHACER B-2 1000/1 -> 5/1",
                                           "MODIFICACION DESHACER B-1 1000/1 -> 999/-",
                                           "BAJA DESHACER B-3 1000/1 -> -/-", "BAJA DESHACER B-4 1000/1 -> -/-",
                                           "BAJA DESHACER B-5 1000/1 -> -/-"}));
}

ON_EVERY_ENGINE(HistorialEquivalenciasTest);
