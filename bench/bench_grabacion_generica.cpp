// A generic equivalence saved from the window over 100 000 articles of its
// two units, by stretches with the banner showing "n de N" and its cancel
// button live, and commits as the save makes them, beside one
// set-based INSERT ... SELECT writing the same rows on the same engine, each
// the best of three runs taken in turns; the same save copied to two SQLite
// points of sale; and what the banner alone costs for as many articles.
// Then the same on PostgreSQL across a LAN's delay, with two points of sale
// on that server, beside the set-based writes over the same link, with the
// round trips per article; and the save of one article (F2) there. With
// --f2 only that save runs: the first of a session, then a second. On SQLite,
// an import of as many rows from a workbook, beside the window's save.
#include "Comprobacion.h"
#include "ServidorPostgres.h"
#include "SinOperador.h"
#include "database/DB_Dll.h"
#include "database/TablasPropias.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/FrmEquivalencias.h"
#include "equivalences/HistorialEquivalencias.h"
#include "equivalences/ImportacionEquivalencias.h"
#include "esquema/GuionEsquema.h"
#include "lookups/Dll_Display.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/MemoryReuse.h"
#include "platform/os/SpreadsheetWriter.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TextField.h"
#include "replication/ReplicaGrupo.h"
#include "session/BasesDeDatos.h"
#include "session/ServidoresDelPrograma.h"
#include "suitesupport/QvFunciones.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace {

constexpr int kArticulos = 100000;
// As many as on SQLite: the save goes by stretches of articles, so the link's
// delay is paid per stretch, not per article.
constexpr int kArticulosPostgres = kArticulos;
constexpr int kVueltas = 3;
constexpr char kServidor[] = "BENCH";
constexpr std::array kPuntosDeVenta{"TPV1", "TPV2"};
constexpr char kEmpresaPostgres[] = "VENTANAPG";
constexpr char kConjuntoPostgres[] = "CONJUNTOPG";
constexpr char kConjunto[] =
    "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
    "SELECT IDARTICULO, 'KG', 'GR', 1000, 1 FROM V_MA_ARTICULOS WHERE IDUNIDAD = 'KG' or IDUNIDAD = 'GR'";

void ejecutar(const QString& archivo, const QString& sql)
{
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READWRITE);
    ejecutarSqlite(base, sql);
    sqlite3_close(base);
}

constexpr char kUnidades[] =
    "INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo'), ('GR', 'Gramo'), ('UN', 'Unidad')";
constexpr char kInsertarArticulo[] = "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES ";

struct Articulo {
    QString codigo;
    QString descripcion;
    const char* unidad;
};

// Half the articles of the pair in kilograms, half in grams, and a tenth
// more in another unit.
int conOtrasUnidades(int articulos) { return articulos + articulos / 10; }

Articulo articuloDePrueba(int i, int articulos)
{
    return {codigoArticulo(QString::number(100000 + i)), QString("ARTICULO DE PRUEBA %1").arg(i),
            i >= articulos ? "UN" : (i % 2 ? "GR" : "KG")};
}

void crearEmpresa(const QString& archivo)
{
    db::createSqliteDatabase(archivo, {GuionEsquema("configuracion.sql"), GuionEsquema("empresa.sql")});
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READWRITE);
    ejecutarSqlite(base, QString("BEGIN; ") + kUnidades);
    sqlite3_stmt* insertar = nullptr;
    sqlite3_prepare_v2(base, (QString(kInsertarArticulo) + "(?, ?, ?)").toUtf8().constData(), -1, &insertar, nullptr);
    for (int i = 0; i < conOtrasUnidades(kArticulos); ++i) {
        const Articulo articulo = articuloDePrueba(i, kArticulos);
        const QByteArray codigo = articulo.codigo.toUtf8();
        const QByteArray descripcion = articulo.descripcion.toUtf8();
        sqlite3_bind_text(insertar, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insertar, 2, descripcion.constData(), static_cast<int>(descripcion.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insertar, 3, articulo.unidad, -1, SQLITE_STATIC);
        escribirSqlite(base, insertar);
    }
    sqlite3_finalize(insertar);
    ejecutarSqlite(base, "COMMIT");
    exigir(contarSqlite(base, "SELECT COUNT(*) FROM V_MA_ARTICULOS") == conOtrasUnidades(kArticulos),
           "the company's articles were not all written");
    sqlite3_close(base);
}

// The same articles on PostgreSQL, in one statement.
void crearEmpresaPostgres(const ServidorPostgres& servidor, const QString& nombre)
{
    servidor.crearEmpresa(nombre);
    QStringList filas;
    for (int i = 0; i < conOtrasUnidades(kArticulosPostgres); ++i) {
        const Articulo articulo = articuloDePrueba(i, kArticulosPostgres);
        filas.append("('" + articulo.codigo + "', '" + articulo.descripcion + "', '" + articulo.unidad + "')");
    }
    servidor.ejecutar(nombre, kUnidades);
    servidor.ejecutar(nombre, kInsertarArticulo + filas.join(", "));
    exigir(servidor.contar(nombre, "SELECT COUNT(*) FROM V_MA_ARTICULOS") == conOtrasUnidades(kArticulosPostgres),
           "the articles of " + nombre + " were not all written");
}

QString puntoDeVentaDe(const QString& empresa, const char* puntoDeVenta) { return empresa + "_" + puntoDeVenta; }

// The points of sale hold the company's articles too: the set-based copy to
// each of them is then one INSERT ... SELECT there.
void crearEmpresaPostgresConPuntosDeVenta(const ServidorPostgres& servidor, const QString& nombre)
{
    crearEmpresaPostgres(servidor, nombre);
    for (const char* puntoDeVenta : kPuntosDeVenta) {
        crearEmpresaPostgres(servidor, puntoDeVentaDe(nombre, puntoDeVenta));
        servidor.ejecutar(nombre,
                          QString("INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, INTERNET, BAJA) "
                                  "VALUES ('%1', '%1', '%2', '%3', 0, 0)")
                              .arg(puntoDeVenta, ServidorPostgres::kNombre, puntoDeVentaDe(nombre, puntoDeVenta)));
    }
}

void abrirEmpresa(const QString& nombre, const QString& servidor = kServidor)
{
    DB_Dll& base = gBaseDatos();
    base.gServidor = servidor;
    base.gDBName = nombre;
    base.gUsuario = nombre;
    base.gUserPassWord = nombre;
    base.OpenServerADODB(false, 3, {}, true, true);
}

// A company whose points of sale are empty databases of the same server.
void crearEmpresaConPuntosDeVenta(const QTemporaryDir& carpeta, const QString& nombre)
{
    crearEmpresa(carpeta.filePath(nombre + ".sqlite"));
    for (const char* puntoDeVenta : kPuntosDeVenta) {
        db::createSqliteDatabase(carpeta.filePath(QString(puntoDeVenta) + ".sqlite"),
                                 {GuionEsquema("configuracion.sql"), GuionEsquema("empresa.sql")});
        ejecutar(carpeta.filePath(nombre + ".sqlite"),
                 QString("INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, INTERNET, BAJA) "
                         "VALUES ('%1', '%1', '%2', '%1', 0, 0)")
                     .arg(puntoDeVenta, kServidor));
    }
}

constexpr char kContarGenericas[] = "SELECT COUNT(*) FROM S_TA_EQUIV WHERE PARATODOS = 1";

// The suite logs into a database with its name as user and password.
QString textoConexion(const QString& base, const QString& servidor)
{
    return "PROVIDER=SQLOLEDB;Server=" + servidor + ";Database =" + base + ";UId=" + base + ";Pwd=" + base + ";";
}

long filasEscritas(const QString& base = {})
{
    if (base.isEmpty()) return gBaseDatos().gCnn.Execute(kContarGenericas).Fields(0).Value().toLong();
    db::Connection conexion;
    conexion.Open(textoConexion(base, kServidor));
    return conexion.Execute(kContarGenericas).Fields(0).Value().toLong();
}

double segundos(const QElapsedTimer& reloj) { return reloj.nsecsElapsed() / 1e9; }

// Wall time, and the processor time the process took meanwhile: the machine
// is shared, and the processor time moves less with what else runs on it.
struct Tiempo {
    double reloj;
    double procesador;
};

bool mejor(const Tiempo& a, const Tiempo& b) { return a.reloj < b.reloj; }

template <typename Trabajo>
Tiempo medir(Trabajo trabajo)
{
    QElapsedTimer reloj;
    const std::clock_t antes = std::clock();
    reloj.start();
    trabajo();
    return {segundos(reloj), static_cast<double>(std::clock() - antes) / CLOCKS_PER_SEC};
}

void abrirVentana(FrmEquivalencias& ventana)
{
    ventana.show();
    ventana.FijarArticulo({});
    ventana.Inicializa();
}

// The generic tab filled in for every article of the pair.
void prepararGenerica(FrmEquivalencias& ventana)
{
    abrirVentana(ventana);
    ventana.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
    ventana.findChild<TextField*>("Txtfields_4")->setText("KG");
    ventana.findChild<TextField*>("Txtfields_5")->setText("GR");
    ventana.findChild<TextField*>("Txtfields_6")->setText("1000");
}

Tiempo grabarDesdeLaVentana()
{
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    prepararGenerica(ventana);
    return medir([&] { ventana.UtilVex1_Click("GRABAR"); });
}

Tiempo grabarEnConjunto()
{
    return medir([] { gBaseDatos().gCnn.Execute(kConjunto); });
}

// What a piece of work took on PostgreSQL, and the round trips it made.
struct MedidaRemota {
    Tiempo tiempo;
    long idasYVueltas;
};

template <typename Trabajo>
MedidaRemota medirEnElServidor(const ServidorPostgres& servidor, Trabajo trabajo)
{
    const long antes = servidor.idasYVueltas();
    const Tiempo tiempo = medir(trabajo);
    return {tiempo, servidor.idasYVueltas() - antes};
}

QStringList basesConPuntosDeVenta(const QString& empresa)
{
    QStringList bases{empresa};
    for (const char* puntoDeVenta : kPuntosDeVenta) bases.append(puntoDeVentaDe(empresa, puntoDeVenta));
    return bases;
}

void exigirFilas(const ServidorPostgres& servidor, const QString& empresa, const QString& condicion, long esperadas,
                 const QString& trabajo)
{
    for (const QString& base : basesConPuntosDeVenta(empresa)) {
        const long filas = servidor.contar(base, "SELECT COUNT(*) FROM S_TA_EQUIV WHERE " + condicion);
        exigir(filas == esperadas,
               QString("%1 left %2 rows of %3 in %4").arg(trabajo).arg(filas).arg(esperadas).arg(base));
    }
}

// The window's generic save on the company, copied to its two points of sale.
MedidaRemota grabarDesdeLaVentanaEnPostgres(const ServidorPostgres& servidor)
{
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    prepararGenerica(ventana);
    const MedidaRemota medida = medirEnElServidor(servidor, [&] { ventana.UtilVex1_Click("GRABAR"); });
    exigirFilas(servidor, kEmpresaPostgres, "PARATODOS = 1", kArticulosPostgres, "the window's generic save");
    return medida;
}

// The same rows written set-based over the same link: one INSERT ... SELECT
// in the company and one in each point of sale.
MedidaRemota grabarEnConjuntoEnPostgres(const ServidorPostgres& servidor)
{
    crearEmpresaPostgresConPuntosDeVenta(servidor, kConjuntoPostgres);
    std::vector<std::unique_ptr<db::Connection>> conexiones;
    for (const QString& base : basesConPuntosDeVenta(kConjuntoPostgres)) {
        conexiones.push_back(std::make_unique<db::Connection>());
        conexiones.back()->Open(textoConexion(base, ServidorPostgres::kNombre));
    }
    const MedidaRemota medida = medirEnElServidor(servidor, [&] {
        for (const auto& conexion : conexiones) conexion->Execute(kConjunto);
    });
    exigirFilas(servidor, kConjuntoPostgres, "PARATODOS = 1", kArticulosPostgres, "the INSERT ... SELECT");
    return medida;
}

// A key as a person presses it: to whatever has the focus.
void pulsar(FrmEquivalencias& ventana, Qt::Key tecla)
{
    QTest::keyClick(ventana.focusWidget() ? ventana.focusWidget() : &ventana, tecla);
}

// A text typed into the field that has the focus, and confirmed.
void teclear(FrmEquivalencias& ventana, const QString& texto)
{
    auto* campo = qobject_cast<TextField*>(ventana.focusWidget());
    exigir(campo != nullptr, "no entry field has the focus to type \"" + texto + "\"");
    campo->clear();
    QTest::keyClicks(campo, texto);
    QTest::keyClick(campo, Qt::Key_Return);
}

// F2 on one new line of the window, for an article outside the pair (the
// first of them unless told), as a person keys it; only the save is measured.
MedidaRemota grabarUnArticuloEnPostgres(const ServidorPostgres& servidor, FrmEquivalencias& ventana,
                                        int fueraDelPar = 0)
{
    const Articulo articulo = articuloDePrueba(kArticulosPostgres + fueraDelPar, kArticulosPostgres);
    ventana.activateWindow();
    exigir(QTest::qWaitForWindowActive(&ventana), "the window did not become active");
    pulsar(ventana, Qt::Key_F3);
    for (const QString& texto : {articulo.codigo.trimmed(), QString("UN"), QString("KG"), QString("2")})
        teclear(ventana, texto);
    const MedidaRemota medida = medirEnElServidor(servidor, [&] { pulsar(ventana, Qt::Key_F2); });
    exigirFilas(servidor, kEmpresaPostgres,
                "IDUNIDAD = 'UN' AND IDUNIDAD_EQUIV = 'KG' AND IDARTICULO = '" + articulo.codigo + "'", 1,
                "the save of one article");
    return medida;
}

double mostrarEnElCartel()
{
    Dll_Display cartel;
    cartel.CartelInicio("Actualizando Datos", true);
    bool cancelado = false;
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < kArticulos; ++i) {
        cartel.CartelMostrar(cancelado, QString("ARTICULO DE PRUEBA %1").arg(i));
    }
    const double tiempo = segundos(reloj);
    cartel.CartelCerrar();
    return tiempo;
}

// A workbook of a row per article of the pair, each with its own
// coefficient, imported as --importar does: read, checked, written with its
// history, in stretches.
double importarEnSqlite(const QTemporaryDir& carpeta)
{
    crearEmpresa(carpeta.filePath("IMPORTACION.sqlite"));
    abrirEmpresa("IMPORTACION");
    exigir(CrearTablasQueFaltan(gBaseDatos(), {HistorialEquivalencias::kTabla}), "the history's table was not made");
    QVector<QStringList> filas{{"Artículo", "Unidad", "Equivalente", "Coeficiente", "Genérica"}};
    for (int i = 0; i < kArticulos; ++i)
        filas.append({articuloDePrueba(i, kArticulos).codigo.trimmed(), "KG", "GR", QString::number(1000 + i % 7), "S"});
    const QString archivo = carpeta.filePath("equivalencias.xlsx");
    os::SpreadsheetWriter::write(archivo, filas);
    Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(gBaseDatos()));
    long escritas = 0;
    const Tiempo importacion = medir([&] {
        ImportacionEquivalencias leida = ImportacionEquivalencias::Leer(gBaseDatos(), archivo);
        exigir(leida.Rechazadas().isEmpty(), "the import refused rows");
        escritas = leida.Grabar(Service<Replicacion>::get(), EscrituraGenerica::kArticulosPorTramo);
    });
    Service<Replicacion>::install(nullptr);
    exigir(escritas == kArticulos && filasEscritas() == kArticulos,
           QString("the import wrote %1 rows of %2").arg(filasEscritas()).arg(kArticulos));
    return importacion.reloj;
}

// The SQLite runs: the window's save and the set-based one in turns, then
// the save copied to two points of sale, then the banner alone.
void medirEnSqlite(const QTemporaryDir& carpeta)
{
    crearEmpresaConPuntosDeVenta(carpeta, "REPLICA");

    // Each way runs kVueltas times on new companies, taking turns, and its best
    // time counts: a change in the machine's speed then falls on both sides.
    // The first save also meets a heap not grown yet, as the first save after
    // the program starts does; it is shown apart.
    Tiempo ventana{std::numeric_limits<double>::max(), 0};
    Tiempo conjunto = ventana;
    double primeraVentana = 0;
    long filasVentana = 0;
    long filasConjunto = 0;
    for (int vuelta = 0; vuelta < kVueltas; ++vuelta) {
        const QString nombreVentana = QString("VENTANA%1").arg(vuelta);
        const QString nombreConjunto = QString("CONJUNTO%1").arg(vuelta);
        crearEmpresa(carpeta.filePath(nombreVentana + ".sqlite"));
        crearEmpresa(carpeta.filePath(nombreConjunto + ".sqlite"));
        abrirEmpresa(nombreVentana);
        const Tiempo unaVentana = grabarDesdeLaVentana();
        filasVentana = filasEscritas();
        abrirEmpresa(nombreConjunto);
        const Tiempo unConjunto = grabarEnConjunto();
        filasConjunto = filasEscritas();
        // Every article is in kilograms or grams, so the pair gets a row for each.
        exigir(filasVentana == kArticulos,
               QString("the window's save wrote %1 rows of %2").arg(filasVentana).arg(kArticulos));
        exigir(filasConjunto == kArticulos,
               QString("the INSERT ... SELECT wrote %1 rows of %2").arg(filasConjunto).arg(kArticulos));
        if (vuelta == 0) primeraVentana = unaVentana.reloj;
        ventana = std::min(ventana, unaVentana, mejor);
        conjunto = std::min(conjunto, unConjunto, mejor);
    }
    abrirEmpresa("REPLICA");
    Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(gBaseDatos()));
    const double replicada = grabarDesdeLaVentana().reloj;
    Service<Replicacion>::install(nullptr);
    exigir(filasEscritas() == kArticulos, "the replicated save did not write every row");
    for (const char* puntoDeVenta : kPuntosDeVenta)
        exigir(filasEscritas(puntoDeVenta) == kArticulos, QString("the copies to %1 are incomplete").arg(puntoDeVenta));
    const double cartel = mostrarEnElCartel();
    const double importacion = importarEnSqlite(carpeta);

    QTextStream salida(stdout);
    salida << "SQLite, " << kArticulos << " articles, best of " << kVueltas << " runs each way\n";
    salida << "generic save from the window, banner shown: " << ventana.reloj << " s (" << ventana.procesador
           << " s of processor), " << filasVentana << " rows (" << qRound(filasVentana / ventana.reloj)
           << " rows/s); the first save " << primeraVentana << " s\n";
    salida << "the same, copied to two SQLite points of sale: " << replicada << " s ("
           << qRound(filasVentana / replicada) << " rows/s, " << QString::number(replicada / ventana.reloj, 'f', 1)
           << " times the save alone)\n";
    salida << "one INSERT ... SELECT:                      " << conjunto.reloj << " s (" << conjunto.procesador
           << " s of processor), " << filasConjunto << " rows\n";
    salida << "window time / set-based time:               " << QString::number(ventana.reloj / conjunto.reloj, 'f', 1)
           << " (at most 5, aim 3); in processor time "
           << QString::number(ventana.procesador / conjunto.procesador, 'f', 1) << "\n";
    salida << "banner alone for as many articles:          " << cartel << " s ("
           << QString::number(100 * cartel / ventana.reloj, 'f', 1) << "% of the window's save)\n";
    salida << "import of as many rows from an .xlsx:       " << importacion << " s, "
           << QString::number(importacion / ventana.reloj, 'f', 1) << " times the window's save (aim: at most 3)\n";
    salida << "round trips per article:                    none, the engine is in the process\n";
}

void mostrarUnArticulo(const MedidaRemota& articulo, const char* cual = "")
{
    QTextStream(stdout) << "save of one article (F2)" << cual << ", copied: "
                        << QString::number(1000 * articulo.tiempo.reloj, 'f', 1) << " ms, " << articulo.idasYVueltas
                        << " round trips (aim: at most 15)\n";
}

// F2 alone: the first save of a session, then the next one.
void medirUnArticuloEnPostgres(const ServidorPostgres& servidor)
{
    crearEmpresaPostgresConPuntosDeVenta(servidor, kEmpresaPostgres);
    abrirEmpresa(kEmpresaPostgres, ServidorPostgres::kNombre);
    Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(gBaseDatos()));
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    abrirVentana(ventana);
    const MedidaRemota primero = grabarUnArticuloEnPostgres(servidor, ventana);
    const MedidaRemota siguiente = grabarUnArticuloEnPostgres(servidor, ventana, 1);
    Service<Replicacion>::install(nullptr);
    mostrarUnArticulo(primero, " first of the session");
    mostrarUnArticulo(siguiente, " the next one");
}

void medirEnPostgres(const ServidorPostgres& servidor)
{
    crearEmpresaPostgresConPuntosDeVenta(servidor, kEmpresaPostgres);
    abrirEmpresa(kEmpresaPostgres, ServidorPostgres::kNombre);
    Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(gBaseDatos()));
    const MedidaRemota ventana = grabarDesdeLaVentanaEnPostgres(servidor);
    // This window has not signed in, so its first save looks for the
    // program's tables as sign-in does; the next one is a save of a session.
    FrmEquivalencias ventanaF2(gBaseDatos(), Service<Replicacion>::get());
    abrirVentana(ventanaF2);
    (void)grabarUnArticuloEnPostgres(servidor, ventanaF2);
    const MedidaRemota articulo = grabarUnArticuloEnPostgres(servidor, ventanaF2, 1);
    Service<Replicacion>::install(nullptr);
    const MedidaRemota conjunto = grabarEnConjuntoEnPostgres(servidor);

    const double porArticulo = ventana.tiempo.reloj / kArticulosPostgres;
    QTextStream salida(stdout);
    salida << "PostgreSQL through the relay (" << Relay::kRetardoPorDefecto.count() << " us each way), "
           << kArticulosPostgres << " articles, two points of sale on the server\n";
    salida << "generic save from the window, copied:       " << ventana.tiempo.reloj << " s ("
           << ventana.tiempo.procesador << " s of processor), " << QString::number(1000 * porArticulo, 'f', 2)
           << " ms and " << QString::number(double(ventana.idasYVueltas) / kArticulosPostgres, 'f', 3)
           << " round trips per article (" << ventana.idasYVueltas << " in all); for " << kArticulos << " articles about "
           << QString::number(porArticulo * kArticulos / 60, 'f', 1) << " min\n";
    salida << "set-based: one INSERT ... SELECT in the company and in each point of sale: " << conjunto.tiempo.reloj
           << " s, " << conjunto.idasYVueltas << " round trips\n";
    salida << "window time / set-based time:               "
           << QString::number(ventana.tiempo.reloj / conjunto.tiempo.reloj, 'f', 1) << "\n";
    salida.flush();
    mostrarUnArticulo(articulo, " the next one");
}

}  // namespace

int main(int argc, char* argv[])
{
    os::keepFreedMemoryForReuse();  // as the program does at start
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // Without the server the bench stops here, before any figure.
    const ServidorPostgres servidor;
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    QTemporaryDir carpeta;
    qputenv(os::kProgramFolderVariable, carpeta.path().toLocal8Bit());
    servidor.escribirServidores(carpeta.path(), kServidor);
    Service<Dialogs>::install(std::make_unique<SinOperador>("Equivalencias Especiales"));
    if (app.arguments().contains("--f2")) {
        medirUnArticuloEnPostgres(servidor);
        return 0;
    }
    medirEnSqlite(carpeta);
    medirEnPostgres(servidor);
    return 0;
}
