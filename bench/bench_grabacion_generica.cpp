// A generic equivalence saved from the window over 100 000 articles of its
// two units, row by row with the banner showing each article and its cancel
// button live, and commits grouped as the save groups them, beside one
// set-based INSERT ... SELECT writing the same rows on the same engine, each
// the best of three runs taken in turns; the same save copied to two SQLite
// points of sale; and what the banner alone costs for as many articles.
#include "Comprobacion.h"
#include "database/DB_Dll.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/FrmEquivalencias.h"
#include "esquema/GuionEsquema.h"
#include "lookups/Dll_Display.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/MemoryReuse.h"
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
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace {

constexpr int kArticulos = 100000;
constexpr int kVueltas = 3;
constexpr char kServidor[] = "BENCH";
constexpr std::array kPuntosDeVenta{"TPV1", "TPV2"};
constexpr char kConjunto[] =
    "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
    "SELECT IDARTICULO, 'KG', 'GR', 1000, 1 FROM V_MA_ARTICULOS WHERE IDUNIDAD = 'KG' or IDUNIDAD = 'GR'";

// The question before a generic save is answered "Sí"; any other box would
// stop the run: say what it was and stop.
class SinOperador : public Dialogs {
public:
    int messageBox(const QString& prompt, int, const QString& title) override
    {
        return title == "Equivalencias Especiales" ? vb::vbYes : detener(title, prompt);
    }
    QString inputBox(const QString& prompt, const QString& title, const QString&) override
    {
        detener(title, prompt);
        return {};
    }
    std::optional<QString> openFile(const QString& title, const QString&) override
    {
        detener(title, {});
        return std::nullopt;
    }
    void showModal(QDialog& window) override { detener(window.windowTitle(), {}); }

private:
    [[noreturn]] static int detener(const QString& title, const QString& prompt)
    {
        QTextStream(stderr) << "unexpected dialog \"" << title << "\": " << prompt << "\n";
        std::exit(1);
    }
};

void ejecutar(const QString& archivo, const QString& sql)
{
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READWRITE);
    ejecutarSqlite(base, sql);
    sqlite3_close(base);
}

// Half the articles in kilograms, half in grams, and a few in other units.
void crearEmpresa(const QString& archivo)
{
    db::createSqliteDatabase(archivo, {GuionEsquema("configuracion.sql"), GuionEsquema("empresa.sql")});
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READWRITE);
    ejecutarSqlite(base,
                   "BEGIN; INSERT INTO V_TA_UNIDAD (IdUnidad, Descripcion) VALUES ('KG', 'Kilogramo'), "
                   "('GR', 'Gramo'), ('UN', 'Unidad')");
    sqlite3_stmt* insertar = nullptr;
    sqlite3_prepare_v2(base, "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES (?, ?, ?)", -1,
                       &insertar, nullptr);
    const int otros = kArticulos / 10;
    for (int i = 0; i < kArticulos + otros; ++i) {
        const QByteArray codigo = codigoArticulo(QString::number(100000 + i)).toUtf8();
        const QByteArray descripcion = QString("ARTICULO DE PRUEBA %1").arg(i).toUtf8();
        const char* unidad = i >= kArticulos ? "UN" : (i % 2 ? "GR" : "KG");
        sqlite3_bind_text(insertar, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insertar, 2, descripcion.constData(), static_cast<int>(descripcion.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insertar, 3, unidad, -1, SQLITE_STATIC);
        escribirSqlite(base, insertar);
    }
    sqlite3_finalize(insertar);
    ejecutarSqlite(base, "COMMIT");
    exigir(contarSqlite(base, "SELECT COUNT(*) FROM V_MA_ARTICULOS") == kArticulos + otros,
           "the company's articles were not all written");
    sqlite3_close(base);
}

void abrirEmpresa(const QString& nombre)
{
    DB_Dll& base = gBaseDatos();
    base.gServidor = kServidor;
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

long filasEscritas(const QString& base = {})
{
    static const QString contar = "SELECT COUNT(*) FROM S_TA_EQUIV WHERE PARATODOS = 1";
    if (base.isEmpty()) return gBaseDatos().gCnn.Execute(contar).Fields(0).Value().toLong();
    db::Connection conexion;
    conexion.Open(QString("PROVIDER=SQLOLEDB;Server=") + kServidor + ";Database =" + base + ";UId=x;Pwd=x;");
    return conexion.Execute(contar).Fields(0).Value().toLong();
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

Tiempo grabarDesdeLaVentana()
{
    FrmEquivalencias ventana(gBaseDatos(), Service<Replicacion>::get());
    ventana.show();
    ventana.FijarArticulo({});
    ventana.Inicializa();
    ventana.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
    ventana.findChild<TextField*>("Txtfields_4")->setText("KG");
    ventana.findChild<TextField*>("Txtfields_5")->setText("GR");
    ventana.findChild<TextField*>("Txtfields_6")->setText("1000");
    return medir([&] { ventana.UtilVex1_Click("GRABAR"); });
}

Tiempo grabarEnConjunto()
{
    return medir([] { gBaseDatos().gCnn.Execute(kConjunto); });
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

}  // namespace

int main(int argc, char* argv[])
{
    os::keepFreedMemoryForReuse();  // as the program does at start
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    QTemporaryDir carpeta;
    qputenv(os::kProgramFolderVariable, carpeta.path().toLocal8Bit());
    os::writeAnsiFile(carpeta.filePath("servidores.ini"), "[BENCH]\r\nmotor=sqlite\r\ncarpeta=.\r\n");
    Service<Dialogs>::install(std::make_unique<SinOperador>());
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

    QTextStream salida(stdout);
    salida << "best of " << kVueltas << " runs each way\n";
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
    return 0;
}
