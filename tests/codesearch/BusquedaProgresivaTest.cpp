#include "codesearch/BusquedaProgresiva.h"
#include "codesearch/IndiceFragmentos.h"
#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionCore.h"
#include "platform/db/Dialect.h"
#include "platform/db/tsql/TsqlLikePattern.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"
#include "support/SqliteShell.h"

#include <sqlite3.h>

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

// Another program of the suite on a SQLite company: SQLite alone, with
// nothing of this program registered.
class OtroPrograma {
public:
    explicit OtroPrograma(const QString& archivo)
    {
        EXPECT_EQ(sqlite3_open_v2(archivo.toUtf8().constData(), &base_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    }
    ~OtroPrograma() { sqlite3_close(base_); }
    OtroPrograma(const OtroPrograma&) = delete;
    OtroPrograma& operator=(const OtroPrograma&) = delete;

    void ejecutar(const QString& sentencia)
    {
        EXPECT_EQ(sqlite3_exec(base_, sentencia.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(base_) << " in: " << sentencia.toStdString();
    }

private:
    sqlite3* base_ = nullptr;
};

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
        // As the demo creator leaves a company: every article in the search index.
        if (onSqlite()) {
            conexion.BeginTrans();
            for (const QString& sentencia : IndiceFragmentos::PuestaAlDia(config, std::nullopt))
                conexion.Execute(sentencia);
            conexion.CommitTrans();
        }
    }

    Lista buscar(BusquedaProgresiva& busqueda, const QString& texto)
    {
        return lista(busqueda.Buscar(conexion, config, texto, {}));
    }

    // The codes that a new search of `texto` lists on `base`, checked against
    // what reading the table lists.
    QStringList comoLaTabla(db::Connection& base, const QString& texto)
    {
        const Lista hallada = lista(BusquedaProgresiva().Buscar(base, config, texto, {}));
        EXPECT_EQ(hallada, leida(base.Execute(SentenciasBusqueda::Busqueda(config, texto, {}))))
            << '"' << texto.toStdString() << '"';
        return hallada.codigos;
    }

    // Writes as another program of the suite writes the company.
    void escribirComoOtroPrograma(const QStringList& sentencias)
    {
        if (!onSqlite()) {
            seed(sentencias);
            return;
        }
        OtroPrograma otro(sqliteFile());
        for (const QString& sentencia : sentencias) otro.ejecutar(sentencia);
    }

    // The articles written since the search index last caught up.
    long anotados() const { return read("SELECT COUNT(*) FROM V_MA_ARTICULOS_CAMBIOS").Fields(0).Value().toLong(); }

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
    EXPECT_EQ(IndiceFragmentos().Acotacion(conexion, config, "camion").isEmpty(), !onSqlite());
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

// Another program writes articles with nothing of this one: a new article, a
// new description, a new code and a deletion are listed as the table holds
// them, and on SQLite the search index takes them in.
TEST_P(BusquedaProgresivaTest, ArticlesAnotherProgramWritesAreListedAsTheTableHoldsThem)
{
    escribirComoOtroPrograma(
        {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Suspendido) VALUES ('D-1', 'Destornillador plano', 0)",
         "UPDATE V_MA_ARTICULOS SET Descripcion = 'Arandela 050' WHERE IdArticulo = 'TU-1'",
         "UPDATE V_MA_ARTICULOS SET IdArticulo = 'TA-99' WHERE IdArticulo = 'TA-1'",
         "DELETE FROM V_MA_ARTICULOS WHERE IdArticulo = 'T149'"});
    EXPECT_EQ(comoLaTabla(conexion, "destornill"), QStringList{"D-1"});
    EXPECT_EQ(comoLaTabla(conexion, "arandela"), QStringList{"TU-1"});
    EXPECT_TRUE(comoLaTabla(conexion, "tuerca").isEmpty());
    EXPECT_EQ(comoLaTabla(conexion, "ta-9"), QStringList{"TA-99"});
    EXPECT_EQ(comoLaTabla(conexion, "ancora"), QStringList{"TA-99"});
    EXPECT_EQ(comoLaTabla(conexion, "illo 074"), QStringList{"T148"});
    if (onSqlite()) {
        EXPECT_EQ(anotados(), 0) << "the index caught up";
    }
}

// A search never waits for another program that is writing the company: the
// articles it wrote are listed meanwhile, and the index takes them in at the
// first search after it lets go.
TEST_P(BusquedaProgresivaTest, TheIndexCatchesUpOnceAnotherProgramLetsGoOfTheFile)
{
    if (!onSqlite()) GTEST_SKIP() << "the search index is SQLite's";
    OtroPrograma otro(sqliteFile());
    otro.ejecutar(
        "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Suspendido) VALUES ('D-1', 'Destornillador', 0)");
    otro.ejecutar("BEGIN IMMEDIATE");
    EXPECT_EQ(comoLaTabla(conexion, "destornillador"), QStringList{"D-1"});
    EXPECT_EQ(anotados(), 1);
    otro.ejecutar("COMMIT");
    EXPECT_EQ(comoLaTabla(conexion, "destornillador"), QStringList{"D-1"});
    EXPECT_EQ(anotados(), 0);
}

// Notes beyond what one search takes in wait for the next searches, which
// list what the table holds all the same.
TEST_P(BusquedaProgresivaTest, NotesAreTakenInABatchPerSearch)
{
    if (!onSqlite()) GTEST_SKIP() << "the search index is SQLite's";
    QStringList filas;
    for (int i = 0; i <= IndiceFragmentos::kCambiosPorBusqueda; ++i) filas << QString("('P%1', 'Perno %1', 0)").arg(i);
    escribirComoOtroPrograma(
        {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Suspendido) VALUES " + filas.join(", ")});
    EXPECT_TRUE(comoLaTabla(conexion, "perno 5").contains("P50"));
    EXPECT_EQ(anotados(), 1);
    EXPECT_EQ(comoLaTabla(conexion, "perno").size(), IndiceFragmentos::kCambiosPorBusqueda + 1);
    EXPECT_EQ(anotados(), 0);
}

// An administrator dumps the company with the sqlite3 shell and restores it
// into a new file. Deleted articles leave gaps that the restore closes, so
// that articles get other rowids: the index knows them by their codes.
TEST_P(BusquedaProgresivaTest, ACompanyDumpedAndRestoredByTheShellSearchesAsBefore)
{
    if (!onSqlite()) GTEST_SKIP() << "a dump of SQLite's shell";
    conexion.Execute("DELETE FROM V_MA_ARTICULOS WHERE IdArticulo IN ('T000', 'T001', 'T050')");
    BusquedaProgresiva tecleada;
    buscar(tecleada, "tornillo");
    ASSERT_EQ(anotados(), 0);

    const ShellRun volcado = runSqliteShell({sqliteFile(), ".dump"});
    ASSERT_EQ(volcado.exitCode, 0) << volcado.errors.toStdString();
    const ShellRun restauracion = runSqliteShell({"-bail", sqliteFile("RESTAURADA")}, volcado.output);
    ASSERT_EQ(restauracion.exitCode, 0) << restauracion.errors.toStdString();
    db::Connection restaurada;
    restaurada.Open(connectionText("RESTAURADA"));
    EXPECT_FALSE(IndiceFragmentos().Acotacion(restaurada, config, "nillo 07").isEmpty());
    EXPECT_FALSE(comoLaTabla(restaurada, "nillo 07").isEmpty());
    EXPECT_EQ(comoLaTabla(restaurada, "illo 074"), (QStringList{"T148", "T149"}));
    EXPECT_EQ(comoLaTabla(restaurada, "ancora"), QStringList{"TA-1"});
    EXPECT_EQ(comoLaTabla(restaurada, "tor-n1"), QStringList{"TOR-N1"});
}

// What LIKE lists reading the table: letters in any case and accent, the ñ
// apart from the n, quotes, and a typed "_" and "%", which stand for any
// character and any run as in every LIKE. On PostgreSQL a text with three
// characters in a row is looked up in the trigram indexes of the folded
// description and code, and a shorter one, which they cannot serve, read from
// the table.
TEST_P(BusquedaProgresivaTest, TheArticlesIndexesGiveWhatLikeFindsReadingTheTable)
{
    seed(
        {"INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, Suspendido) VALUES ('CAM-1', 'Camión grúa', 0), "
         "('CAM-2', 'CAMION VOLCADOR', 0), ('PIN-1', 'Pingüino de peluche', 0), ('AÑO-1', 'Año nuevo', 0), "
         "('ANO-2', 'Ano de goma', 0), ('ÑAN-1', 'ÑANDÚ', 0), ('NAN-1', 'nandu', 0), ('ON-1', 'Sidra O''Neill', 0), "
         "('T3_4', 'Tuerca 3_4', 0), ('T3/4', 'Tuerca 3/4', 0), ('D50', 'Descuento 50% off', 0), "
         "('D500', 'Descuento 500', 0), ('AGU-1', 'ÁGUILA dorada', 0), ('CAB-1', 'cable TIPO taller', 0)"});
    db::Engine& motor = conexion.core()->requireEngine("prueba");
    if (!onSqlite()) {
        // Nothing else may lead the search: no scan, nor the index that lists by description.
        motor.run("DROP INDEX IX_V_MA_ARTICULOS_Descripcion");
        for (const char* plan : {"enable_seqscan", "enable_indexscan", "enable_indexonlyscan"})
            motor.run(QString("SET %1 = off").arg(plan));
        const QString sentencia = SentenciasBusqueda::Busqueda(config, "camion", {});
        QStringList pasos;
        for (const QVector<Variant>& paso :
             motor.run("EXPLAIN " + motor.dialect().translate(sentencia, kCompany)[0]).rows)
            pasos << paso.value(0).textOrEmpty();
        EXPECT_TRUE(pasos.join('\n').contains("Bitmap Index Scan on ix_v_ma_articulos_descripcion_trigramas"))
            << pasos.join('\n').toStdString();
    }
    std::vector<std::pair<QString, QString>> articulos;
    for (const QVector<Variant>& fila :
         motor.run("SELECT IdArticulo, Descripcion FROM V_MA_ARTICULOS WHERE Suspendido = 0").rows)
        articulos.emplace_back(fila.value(0).textOrEmpty(), fila.value(1).textOrEmpty());
    const QStringList textos{"camion", "CAMIÓN GRÚA", "Grua",       "pinguino",   "PINGÜ", "año",  "ano",
                             "ñandu",  "NANDU",       "o'neill",    "tuerca 3_4", "3_4",   "ÁGUI", "águila",
                             "á",      "Ü",           "cuento 50%", "CaBlE tipo", "zzz"};
    for (const QString& texto : textos) {
        const db::TsqlLikePattern like("%" + SentenciasBusqueda::Patron(texto) + "%");
        QStringList coinciden;
        for (const auto& [codigo, descripcion] : articulos) {
            if (like.matchesUtf8(codigo.toStdString()) || like.matchesUtf8(descripcion.toStdString()))
                coinciden << codigo;
        }
        std::ranges::sort(coinciden);
        BusquedaProgresiva nueva;
        EXPECT_EQ(buscar(nueva, texto).codigos, coinciden) << '"' << texto.toStdString() << '"';
    }
}

ON_EVERY_ENGINE(BusquedaProgresivaTest);
