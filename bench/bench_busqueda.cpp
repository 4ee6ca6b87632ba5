// The code search box's search at every keystroke on a demo company of a
// million articles: typed into the box one character at a time (statements,
// translation, rows and the list filled; each keystroke follows the one
// before, and the articles' search index narrows it); and the article lookup
// opened for a typed text, as it searches with "UsaConsultaLIKE" (the text
// anywhere in the description). On SQLite, where each keystroke is set
// against the text's whole statement stepped through SQLite directly, what
// reading the table in order afresh costs the engine; then on PostgreSQL
// through the relay, on the same articles copied there, with the round trips.
// The targets are 100 ms per keystroke and 300 ms to open the lookup.
//   bench_busqueda [--carpeta <folder>]   (default: bench-busqueda beside the program)
// The demo company is made on the first run and kept; the PostgreSQL cluster is
// the one EQUIV_PG_CARPETA names (make bench starts it).
#include "Comprobacion.h"
#include "DatosDemo.h"
#include "ServidorPostgres.h"
#include "SinOperador.h"
#include "codesearch/BusquedaCodigo.h"
#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "database/DB_Dll.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/ModConsultas.h"
#include "lookups/ModeloConsulta.h"
#include "lookups/SubConsultaLike.h"
#include "platform/db/Dialect.h"
#include "platform/db/engines/SqliteEngine.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/Configuracion.h"
#include "session/ServidoresDelPrograma.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int kArticulos = 1000000;
constexpr double kObjetivoMs = 100.0;
constexpr double kObjetivoConsultaMs = 300.0;
constexpr char kCarpetaDatos[] = "datos";

// What a clerk types: words of the demo's descriptions, a code, a typo and a
// word whose letters no article holds.
const QStringList kTecleos{"tornillo", "cable 2,5", "harina 000", "yerba mate", "123456", "clavoz", "kiwi"};
const QString kNada = QStringLiteral("~nada~");
// Typed before opening the article lookup: a number one description holds.
const QString kConsultado = QStringLiteral("123456");

struct Medida {
    QString texto;
    double cajaMs;
    double cajaCpuMs;  // processor time: what the wall time is on an idle machine
    std::optional<double> motorMs;
    int filas;
    long vueltas;
};

double milisegundos(const QElapsedTimer& reloj) { return reloj.nsecsElapsed() / 1e6; }

double cpuMs() { return 1e3 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

struct Lectura {
    double ms;
    int filas;
};

// The statement stepped to its last row on a connection of its own.
Lectura motorSqlite(sqlite3* base, const QString& sentencia)
{
    const QString traducida = db::makeSqliteDialect()->translate(sentencia, kEmpresaDemo).first();
    QElapsedTimer reloj;
    reloj.start();
    sqlite3_stmt* consulta = nullptr;
    exigir(sqlite3_prepare_v2(base, traducida.toUtf8().constData(), -1, &consulta, nullptr) == SQLITE_OK,
           QString::fromUtf8(sqlite3_errmsg(base)) + " in: " + traducida);
    int filas = 0;
    while (sqlite3_step(consulta) == SQLITE_ROW) ++filas;
    sqlite3_finalize(consulta);
    return {milisegundos(reloj), filas};
}

const char* veredicto(double ms, double objetivo = kObjetivoMs) { return ms <= objetivo ? "met" : "missed"; }

double mediana(std::vector<double> valores)
{
    std::ranges::sort(valores);
    return valores[valores.size() / 2];
}

QString conexion(const QString& servidor)
{
    return QString("PROVIDER=SQLOLEDB;Server=%1;Database =%2;UId=%2;Pwd=%2;Connect Timeout=5;")
        .arg(servidor, kEmpresaDemo);
}

// One engine of the run: its server in servidores.ini, how it reads a
// statement without the program (rows, and the time when it can tell it
// apart), and the relay's count of round trips where there is one.
struct Motor {
    QString nombre;
    QString servidor;
    std::function<Lectura(const QString&)> leer;
    const ServidorPostgres* relevo = nullptr;

    long vueltas() const { return relevo ? relevo->idasYVueltas() : 0; }
};

// The lookup's list window is measured when it would be shown, then closed.
class VentanaMedida : public SinOperador {
public:
    std::function<void(QDialog&)> alMostrar;
    void showModal(QDialog& ventana) override
    {
        exigir(static_cast<bool>(alMostrar), "a window was shown outside the lookup: " + ventana.windowTitle());
        alMostrar(ventana);
        ventana.hide();
    }
};

struct Apertura {
    double ms = 0;
    int filas = -1;
    long vueltas = 0;
};

// The article lookup as a field opens it with the text typed in it, on the
// company database of `motor`.
Apertura abrirConsulta(VentanaMedida& ventanas, const Motor& motor, const QString& carpeta)
{
    DB_Dll& base = gBaseDatos();
    if (base.gCnn.State() == db::ado::adStateOpen) base.gCnn.Close();
    base.gServidor = motor.servidor;
    base.gDBName = base.gUsuario = base.gUserPassWord = kEmpresaDemo;
    base.OpenServerADODB(false, 3, {}, true, true);
    // Searched anywhere in the description, where the index can serve it.
    base.gCnn.Execute("UPDATE TA_CONFIGURACION SET VALOR = 'SI' WHERE CLAVE = 'USACONSULTALIKE'");
    CfgQuitarDelCache({}, {}, {});
    DescartarConsulta();
    Lib_ClsCons3& consulta = gConsulta();
    consulta.gUsarMascarasConsultas = true;
    consulta.gRutaMascaraConsultas = QDir(carpeta).filePath("consultas.vtx");
    if (!QFile::exists(consulta.gRutaMascaraConsultas)) CrearArchivoConsultas();

    Apertura apertura;
    QElapsedTimer reloj;
    const long antes = motor.vueltas();
    ventanas.alMostrar = [&](QDialog& ventana) {
        apertura.ms = milisegundos(reloj);
        apertura.vueltas = motor.vueltas() - antes;
        apertura.filas = static_cast<Lib_FrmCons3&>(ventana).Modelo->rowCount();
    };
    QString texto = kConsultado;
    QString elegido;
    reloj.start();
    SubConsultaLike("V_MA_ARTICULOS", texto, elegido);
    ventanas.alMostrar = nullptr;
    base.gCnn.Close();
    exigir(apertura.filas >= 0, motor.nombre + ": the article lookup did not open");
    exigir(apertura.filas > 0, motor.nombre + ": the article lookup listed no article for '" + kConsultado + "'");
    return apertura;
}

// The box's first search and every keystroke of the clerk's texts, each
// listing what the text's statement gives when the engine reads it alone.
void medirCaja(const Motor& motor, VentanaMedida& ventanas, const QString& carpeta)
{
    QTextStream salida(stdout);
    DB_Dll baseCaja;
    BusquedaCodigo caja(baseCaja);
    caja.setConnString(conexion(motor.servidor));
    caja.Usuario = kUsuarioDemo;
    QString tabla = "V_MA_ARTICULOS";
    caja.BusquedaDisponible(tabla);
    ConfiguracionBusqueda articulos;
    ReglasBusqueda::ElegirColumnas(tabla, tabla, {}, articulos);
    ReglasBusqueda::AgregarCondicion(articulos);

    // A text no article holds first: the box's first search on its connection,
    // and for the engine a read of the whole description index, so that the
    // scans it times afterwards read it from memory.
    QElapsedTimer primera;
    long antes = motor.vueltas();
    primera.start();
    caja.TxtBusqueda->setText(kNada);
    const double primeraMs = milisegundos(primera);
    const long primeraVueltas = motor.vueltas() - antes;
    exigir(caja.LstBusqueda->count() == 0, motor.nombre + ": the box listed articles for a text no article holds");
    motor.leer(SentenciasBusqueda::Busqueda(articulos, kNada, {}));

    std::vector<Medida> medidas;
    for (const QString& palabra : kTecleos) {
        caja.TxtBusqueda->clear();
        for (qsizetype largo = 1; largo <= palabra.size(); ++largo) {
            const QString texto = palabra.left(largo);
            QElapsedTimer reloj;
            const double cpuAntes = cpuMs();
            antes = motor.vueltas();
            reloj.start();
            caja.TxtBusqueda->setText(texto);
            const double enCaja = milisegundos(reloj);
            const double cpuCaja = cpuMs() - cpuAntes;
            const long vueltas = motor.vueltas() - antes;
            const Lectura enMotor = motor.leer(SentenciasBusqueda::Busqueda(articulos, texto, {}));
            const int enLista = static_cast<int>(caja.LstBusqueda->count());
            exigir(enLista == enMotor.filas, QString("%1: for '%2' the box listed %3 articles, the table holds %4")
                                                 .arg(motor.nombre, texto)
                                                 .arg(enLista)
                                                 .arg(enMotor.filas));
            medidas.push_back(
                {texto, enCaja, cpuCaja, motor.relevo ? std::nullopt : std::optional(enMotor.ms), enLista, vueltas});
        }
    }
    exigir(std::ranges::any_of(medidas, [](const Medida& m) { return m.filas > 0; }),
           motor.nombre + ": no keystroke found an article");
    const Apertura apertura = abrirConsulta(ventanas, motor, carpeta);

    std::vector<double> enCaja;
    std::vector<double> cpuCaja;
    std::vector<double> enMotor;
    long vueltas = 0;
    for (const Medida& m : medidas) {
        salida << motor.nombre << ": keystroke '" << m.texto << "': " << m.cajaMs << " ms in the box (" << m.cajaCpuMs
               << " ms of processor), ";
        if (m.motorMs) salida << *m.motorMs << " ms in the engine, ";
        if (motor.relevo) salida << m.vueltas << " round trips, ";
        salida << m.filas << " rows\n";
        enCaja.push_back(m.cajaMs);
        cpuCaja.push_back(m.cajaCpuMs);
        if (m.motorMs) enMotor.push_back(*m.motorMs);
        vueltas += m.vueltas;
    }
    const double peor = *std::ranges::max_element(enCaja);
    salida << motor.nombre << ": first search after opening, a text no article holds: " << primeraMs
           << " ms in the box (target <= " << kObjetivoMs << " ms: " << veredicto(primeraMs) << ")\n";
    salida << motor.nombre << ": processor time per keystroke in the box: median " << mediana(cpuCaja)
           << " ms, slowest " << *std::ranges::max_element(cpuCaja) << " ms\n";
    salida << motor.nombre << ": articles: " << kArticulos << ", keystrokes: " << medidas.size() << "\n";
    salida << motor.nombre << ": median keystroke: " << mediana(enCaja) << " ms in the box";
    if (!enMotor.empty()) salida << ", " << mediana(enMotor) << " ms in the engine";
    salida << "\n" << motor.nombre << ": slowest keystroke: " << peor << " ms in the box";
    if (!enMotor.empty()) salida << ", " << *std::ranges::max_element(enMotor) << " ms in the engine";
    salida << " (target <= " << kObjetivoMs << " ms: " << veredicto(peor) << ")\n";
    salida << motor.nombre << ": article lookup opened for '" << kConsultado << "': " << apertura.ms << " ms, "
           << apertura.filas << " rows (target <= " << kObjetivoConsultaMs
           << " ms: " << veredicto(apertura.ms, kObjetivoConsultaMs) << ")\n";
    salida << motor.nombre << ": round trips: ";
    if (motor.relevo)
        salida << "first search " << primeraVueltas << ", keystrokes " << vueltas << " ("
               << QString::number(double(vueltas) / double(medidas.size()), 'f', 1) << " per keystroke), lookup open "
               << apertura.vueltas << "\n";
    else
        salida << "none, the engine is in the process\n";
    salida.flush();
}

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // Without the server the bench stops here, before any figure.
    const ServidorPostgres servidor;
    auto ventanas = std::make_unique<VentanaMedida>();
    VentanaMedida& medidor = *ventanas;
    Service<Dialogs>::install(std::move(ventanas));
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    const QStringList argumentos = QApplication::arguments();
    const qsizetype opcion = argumentos.indexOf("--carpeta");
    const QString carpeta = opcion > 0 && opcion + 1 < argumentos.size()
                                ? argumentos[opcion + 1]
                                : QDir(QApplication::applicationDirPath()).filePath("bench-busqueda");
    QDir().mkpath(carpeta);
    qputenv(os::kProgramFolderVariable, carpeta.toLocal8Bit());
    servidor.escribirServidores(carpeta, kServidorDemo, kCarpetaDatos);
    QTextStream salida(stdout);
    QElapsedTimer creacion;
    creacion.start();
    if (crearDatosDemo({carpeta, kArticulos, false}) > 0)
        salida << "demo company created with " << kArticulos << " articles in " << milisegundos(creacion) / 1e3
               << " s\n";
    salida.flush();

    const QString archivo = QDir(carpeta).filePath(QString("%1/%2.sqlite").arg(kCarpetaDatos, kEmpresaDemo));
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READONLY);
    ejecutarSqlite(base, db::kMappedReadsPragma);
    medirCaja({"SQLite", kServidorDemo, [base](const QString& sentencia) { return motorSqlite(base, sentencia); }},
              medidor, carpeta);
    sqlite3_close(base);

    creacion.restart();
    servidor.copiarEmpresaDemo(archivo, kEmpresaDemo, kArticulos);
    salida << "articles copied to PostgreSQL in " << milisegundos(creacion) / 1e3 << " s\n";
    salida.flush();
    const auto leerPostgres = [&servidor](const QString& sentencia) {
        const QString traducida = db::makePostgresDialect()->translate(sentencia, kEmpresaDemo).first();
        const long filas = servidor.contar(kEmpresaDemo, "SELECT COUNT(*) FROM (" + traducida + ") AS filas");
        return Lectura{0, static_cast<int>(filas)};
    };
    medirCaja({"PostgreSQL through the relay", ServidorPostgres::kNombre, leerPostgres, &servidor}, medidor, carpeta);
    return 0;
}
