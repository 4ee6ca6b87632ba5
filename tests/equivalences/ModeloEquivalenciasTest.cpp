#include "database/DB_Dll.h"
#include "equivalences/AvanceGrabacion.h"
#include "equivalences/ModeloEquivalencias.h"
#include "replication/ModGruposEmp.h"
#include "session/BasesDeDatos.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <functional>
#include <utility>

namespace {

using Modo = ModeloEquivalencias::Modo;
using Resultado = ModeloEquivalencias::Validacion::Resultado;
using Campo = ModeloEquivalencias::Campo;

class RecordingReplication : public Replicacion {
public:
    QVector<SolicitudReplica> requests;
    void ActualizaGEmpresas(const SolicitudReplica& solicitud) override { requests.append(solicitud); }
};

// A per-article save shows no progress.
class NoProgress : public AvanceGrabacion {
public:
    void Empezar(const QString&) override { ADD_FAILURE() << "no progress expected"; }
    void Mostrar(const QString&, qsizetype, qsizetype) override {}
    bool Seguir() override { return true; }
    void Terminar() override {}
};

// The operator asks to stop once `articulos` articles are written, and
// `comprometidas` is read when the question is put; the answer is to stop.
class StopsAfter : public AvanceGrabacion {
public:
    StopsAfter(int articulos, std::function<long()> comprometidas)
        : articulos_(articulos), comprometidas_(std::move(comprometidas))
    {
    }
    void Empezar(const QString&) override {}
    void Mostrar(const QString& articulo, qsizetype hecho, qsizetype total) override
    {
        shown.append(QString("%1 %2 de %3").arg(articulo).arg(hecho).arg(total));
        done = hecho;
    }
    bool Seguir() override
    {
        if (done < articulos_) return true;
        committedWhenAsked = comprometidas_();
        return false;
    }
    void Terminar() override {}

    QStringList shown;
    qsizetype done = 0;
    long committedWhenAsked = -1;

private:
    int articulos_;
    std::function<long()> comprometidas_;
};

long count(DB_Dll& base, const QString& where)
{
    return base.gCnn.Execute("SELECT COUNT(*) FROM S_TA_EQUIV WHERE " + where).Fields(0).Value().toLong();
}

}  // namespace

// The model on its own, without a window: what the window tests cannot show.
class ModeloEquivalenciasTest : public DatabaseTest {
protected:
    // Types each value and checks it, as the window does when Enter is pressed.
    void enter(ModeloEquivalencias& modelo, const QList<std::pair<Campo, QString>>& values)
    {
        for (const auto& [campo, value] : values) {
            modelo.setValor(campo, value);
            const ModeloEquivalencias::Validacion validacion = modelo.CampoValida(campo);
            EXPECT_EQ(validacion.resultado, Resultado::Valida)
                << ModeloEquivalencias::Definicion(campo).dataField << ": " << validacion.mensaje.toStdString();
        }
    }

    RecordingReplication replicas;
    NoProgress sinCartel;
};

TEST_F(ModeloEquivalenciasTest, ItWorksOnTheDatabaseAndTheReplicationItIsGiven)
{
    createCompanyDatabase("OTRA");
    openCompany();
    DB_Dll otra;
    otra.gServidor = kServer;
    otra.gDBName = otra.gUsuario = otra.gUserPassWord = "OTRA";
    otra.OpenServerADODB(false, 3, {}, false, true);
    ASSERT_TRUE(otra.gOpenFlag);
    otra.gCnn.Execute("INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('UN', 'Unidad'), ('CJ', 'Caja')");
    otra.gCnn.Execute(
        "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A-1', 'Tornillo', 'UN')");

    ModeloEquivalencias modelo(otra, replicas);
    modelo.Inicializa();
    enter(modelo, {{Campo::IdArticulo, "A-1"},
                   {Campo::IdUnidad, "CJ"},
                   {Campo::IdUnidad_Equiv, "UN"},
                   {Campo::Coeficiente, "12"}});
    EXPECT_EQ(modelo.modo(), Modo::Alta);
    EXPECT_EQ(modelo.Descripcion(Campo::IdArticulo, "Descripcion"), "Tornillo");
    EXPECT_FALSE(modelo.ActualizarDatos(sinCartel));

    EXPECT_FALSE(modelo.HayError());
    EXPECT_EQ(count(otra, "IDARTICULO = 'A-1' AND IDUNIDAD = 'CJ' AND IDUNIDAD_EQUIV = 'UN' AND COEFICIENTE = 12"), 1);
    EXPECT_EQ(count(gBaseDatos(), "1 = 1"), 0) << "the company database is not the one it was given";
    ASSERT_EQ(replicas.requests.size(), 1);
    EXPECT_EQ(replicas.requests[0].Operacion, 1);
    EXPECT_EQ(replicas.requests[0].Claves[0], "'A-1'");
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_F(ModeloEquivalenciasTest, AnArticleWithoutABaseUnitEndsItsCheckWithNothingToSayAndNoError)
{
    seed({"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('A-1', 'Tornillo', NULL)"});
    openCompany();
    ModeloEquivalencias modelo(gBaseDatos(), replicas);
    modelo.Inicializa();
    modelo.setValor(Campo::IdUnidad, "CJ");
    modelo.setValor(Campo::IdArticulo, "A-1");
    int listas = 0;
    QObject::connect(&modelo, &ModeloEquivalencias::equivalenciasDelArticulo, [&] { ++listas; });

    const ModeloEquivalencias::Validacion validacion = modelo.CampoValida(Campo::IdArticulo);
    EXPECT_EQ(validacion.resultado, Resultado::Interrumpida);
    EXPECT_EQ(validacion.mensaje, "");
    EXPECT_FALSE(modelo.HayError()) << "the check did not fail, it stopped";
    EXPECT_EQ(modelo.Valor(Campo::IdUnidad), "CJ");
    EXPECT_EQ(listas, 0) << "nothing after the failing step runs";
    EXPECT_TRUE(operador->boxes().isEmpty()) << "the model shows nothing itself";
}

TEST_F(ModeloEquivalenciasTest, AGenericSaveStoppedBetweenStretchesHasCommittedAndCopiedExactlyTheStretchesItShowed)
{
    seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo'), ('GR', 'Gramo')",
          "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ('B-1', 'Arroz', 'KG'), "
          "('B-2', 'Polenta', 'KG'), ('B-3', 'Fideos', 'KG'), ('B-4', 'Sal', 'GR')"});
    openCompany();
    ModeloEquivalencias modelo(gBaseDatos(), replicas);
    modelo.Inicializa();
    modelo.setPestana(ModeloEquivalencias::Pestana::Especiales);
    enter(modelo, {{Campo::IdUnidad2, "KG"}, {Campo::IdUnidad_Equiv2, "GR"}, {Campo::Coeficiente2, "1000"}});
    // Another connection sees only what is committed.
    const auto comprometidas = [this] {
        return read("SELECT COUNT(*) FROM S_TA_EQUIV WHERE PARATODOS = 1").Fields(0).Value().toLong();
    };
    modelo.FijarArticulosPorTramo(2);
    StopsAfter avance(2, comprometidas);
    EXPECT_FALSE(modelo.ActualizarDatos(avance));

    EXPECT_EQ(avance.shown, QStringList{"Polenta 2 de 4"}) << "the last article of the stretch, in code order";
    EXPECT_EQ(avance.committedWhenAsked, 2) << "no box was shown: the save committed by itself";
    EXPECT_EQ(comprometidas(), 2);
    EXPECT_EQ(count(gBaseDatos(), "IDARTICULO IN ('B-1', 'B-2') AND COEFICIENTE = 1000"), 2);
    EXPECT_EQ(replicas.requests.size(), 2);
    EXPECT_TRUE(operador->boxes().isEmpty());
}

TEST_F(ModeloEquivalenciasTest, TheExampleLineReadsTheStoredValueBackAndWarnsWhenStoringLosesPrecision)
{
    seed({"INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('M2', 'Metro cuadrado'), ('KG', 'Kilogramo')"});
    openCompany();
    ModeloEquivalencias modelo(gBaseDatos(), replicas);
    modelo.Inicializa();
    modelo.setPestana(ModeloEquivalencias::Pestana::Especiales);
    QString linea;
    QObject::connect(&modelo, &ModeloEquivalencias::ejemploCambiado,
                     [&](ModeloEquivalencias::Pestana, const QString& texto) { linea = texto; });
    enter(modelo, {{Campo::IdUnidad2, "M2"}, {Campo::IdUnidad_Equiv2, "KG"}});

    const QList<std::pair<QString, QString>> casos{
        {"9", "Ej:  1 Metro cuadrado equivale a 9 Kilogramo; 1 Kilogramo equivale a 0,1111 Metro cuadrado"},
        {"0.11111", "Ej:  1 Metro cuadrado equivale a 0.11111 Kilogramo; 1 Kilogramo equivale a 9,0009 Metro cuadrado"},
        {"2500", "Ej:  1 Metro cuadrado equivale a 2500 Kilogramo; 1 Kilogramo equivale a 0,0004 Metro cuadrado"},
        {"0.00026",
         "Ej:  1 Metro cuadrado equivale a 0.00026 Kilogramo; 1 Kilogramo equivale a 3333,3333 Metro cuadrado "
         "(¡atención! con cuatro decimales la vuelta se aparta un 13,33 %)"},
    };
    for (const auto& [coeficiente, esperada] : casos) {
        enter(modelo, {{Campo::Coeficiente2, coeficiente}});
        EXPECT_EQ(linea, esperada) << coeficiente.toStdString();
    }
}
