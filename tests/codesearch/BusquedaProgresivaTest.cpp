#include "codesearch/BusquedaProgresiva.h"
#include "codesearch/IndiceFragmentos.h"
#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "platform/db/Connection.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <algorithm>

// Searches that follow the keystroke before find, on every engine, what the
// same text finds searched afresh.

namespace {

// More "Tornillo" rows than a list holds, in pairs of one description so that
// a pair can straddle the list's last row; codes without a description that
// the search finds by code; one of each kind switched off.
QStringList articulos()
{
    QStringList filas;
    for (int i = 0; i < 150; ++i)
        filas << QString("('T%1', 'Tornillo %2', %3)")
                     .arg(i, 3, 10, QChar(u'0'))
                     .arg(i / 2, 3, 10, QChar(u'0'))
                     .arg(i == 7);
    for (int i = 0; i < 4; ++i) filas << QString("('TOR-N%1', NULL, %2)").arg(i).arg(i == 3);
    filas << "('TA-1', 'TORNILLO ÁNCORA 050', 0)"
          << "('TU-1', 'Tuerca 050', 0)";
    return {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Suspendido) VALUES " + filas.join(", ")};
}

// What the operator reads: descriptions in their order and the codes, which
// among equal descriptions may come in any order.
struct Lista {
    QStringList descripciones;
    QStringList codigos;
    bool operator==(const Lista&) const = default;
};

Lista lista(const std::vector<BusquedaProgresiva::Fila>& filas)
{
    Lista vista;
    for (const BusquedaProgresiva::Fila& fila : filas) {
        vista.descripciones << fila.descripcion.textOrEmpty();
        vista.codigos << fila.codigo.textOrEmpty();
    }
    std::ranges::sort(vista.codigos);
    return vista;
}

// The rows of the search statement as it stands, without any index's help.
Lista leida(db::Recordset filas)
{
    std::vector<BusquedaProgresiva::Fila> leidas;
    for (; !filas.Eof(); filas.MoveNext()) leidas.push_back({filas.Fields(0).Value(), filas.Fields(1).Value()});
    return lista(leidas);
}

void PrintTo(const Lista& vista, std::ostream* salida)
{
    *salida << vista.descripciones.size() << " rows: " << vista.codigos.join(' ').toStdString();
}

}  // namespace

class BusquedaProgresivaTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        seed(articulos());
        conexion.Open(connectionText());
        QString tabla = "V_MA_ARTICULOS";
        ReglasBusqueda::ElegirColumnas(tabla, tabla, {}, config);
        ReglasBusqueda::AgregarCondicion(config);
    }

    Lista buscar(BusquedaProgresiva& busqueda, const QString& texto)
    {
        return lista(busqueda.Buscar(conexion, config, texto, {}));
    }

    db::Connection conexion;
    ConfiguracionBusqueda config;
};

TEST_P(BusquedaProgresivaTest, EachKeystrokeListsWhatTheTextFindsAfresh)
{
    BusquedaProgresiva tecleada;
    const QStringList textos{
        "t",           "to",      "tor",  "torn",  "tornillo", "tornillo ", "tornillo 0", "tornillo 05", "tornillo 050",
        "tornillo 05", "tor",     "tor-", "tor-n", "tor-n2",   "tor_",      "tor_n",      "tor[",        "tor[n",
        "tor[n]",      "tor[n]i", "x",    "xy"};
    for (const QString& texto : textos) {
        BusquedaProgresiva nueva;
        EXPECT_EQ(buscar(tecleada, texto), buscar(nueva, texto)) << '"' << texto.toStdString() << '"';
    }
    EXPECT_EQ(buscar(tecleada, "tornillo 050").descripciones.size(), 3) << "the pair and the accented one";
}

TEST_P(BusquedaProgresivaTest, ARowAddedBeforeTheLastOneListedShowsOnceTheTextIsShortened)
{
    BusquedaProgresiva tecleada;
    ASSERT_EQ(buscar(tecleada, "tornillo").descripciones.size(), 100);
    conexion.Execute(
        "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Suspendido) VALUES ('T-NUEVO', "
        "'Tornillo 000 nuevo', 0)");
    EXPECT_FALSE(buscar(tecleada, "tornillo 0").codigos.contains("T-NUEVO"));
    EXPECT_TRUE(buscar(tecleada, "tornillo ").codigos.contains("T-NUEVO"));
    tecleada.Olvidar();
    EXPECT_TRUE(buscar(tecleada, "tornillo 0").codigos.contains("T-NUEVO"));
}

// The index narrows a search only where the company keeps one (SQLite's
// schema does), and never drops a row that the text matches: letters in any
// case or accent, codes, a text with quotes, pieces shorter than three
// characters, across writes to the table.
TEST_P(BusquedaProgresivaTest, TheSearchIndexFindsWhatReadingTheTableFinds)
{
    seed(
        {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Suspendido) VALUES ('CAM-1', 'CAMIÓN de juguete', 0), "
         "('C\"Q''2', 'Clavo 2\" de 5''', 0), ('X-12345', NULL, 0)"});
    EXPECT_EQ(IndiceFragmentos().Acotacion(conexion, config, "camion").contains("rowid in"), onSqlite());
    const auto igualesSinIndice = [this](const QStringList& textos) {
        for (const QString& texto : textos) {
            BusquedaProgresiva nueva;
            EXPECT_EQ(buscar(nueva, texto), leida(conexion.Execute(SentenciasBusqueda::Busqueda(config, texto, {}))))
                << '"' << texto.toStdString() << '"';
        }
    };
    const QStringList textos{"camion", "CAMIÓN JUG", "ancora 050", "tor-n", "12345", "2345 x", "tornil_o", "2\" de 5'",
                             "c\"q'2", "ion de",     "nillo 07",   "zzz",   "ó",     "q'",     "x 1"};
    igualesSinIndice(textos);
    BusquedaProgresiva nueva;
    EXPECT_EQ(buscar(nueva, "camion").codigos, QStringList{"CAM-1"});

    conexion.Execute("UPDATE V_MA_ARTICULOS SET Descripcion = 'Camioneta' WHERE IdArticulo = 'CAM-1'");
    conexion.Execute("UPDATE V_MA_ARTICULOS SET IdArticulo = 'X-54321' WHERE IdArticulo = 'X-12345'");
    conexion.Execute("DELETE FROM V_MA_ARTICULOS WHERE IdArticulo = 'TA-1'");
    igualesSinIndice(textos + QStringList{"camioneta", "54321"});
    nueva.Olvidar();
    EXPECT_TRUE(buscar(nueva, "juguete").codigos.isEmpty());
}

ON_EVERY_ENGINE(BusquedaProgresivaTest);
