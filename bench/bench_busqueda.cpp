// The code search box's search at every keystroke on a demo company of a
// million articles: typed into the box one character at a time (statements,
// translation, rows and the list filled; each keystroke follows the one
// before, and the articles' search index narrows it), against the text's
// whole statement stepped through SQLite directly, what reading the table in
// order afresh costs the engine. The target is 100 ms per keystroke.
//   bench_busqueda [--carpeta <folder>]   (default: bench-busqueda beside the program)
// The demo company is made on the first run and kept.
#include "Comprobacion.h"
#include "DatosDemo.h"
#include "codesearch/BusquedaCodigo.h"
#include "codesearch/ReglasBusqueda.h"
#include "codesearch/SentenciasBusqueda.h"
#include "database/DB_Dll.h"
#include "platform/db/Dialect.h"
#include "platform/db/engines/SqliteEngine.h"
#include "platform/db/engines/SqliteFunctions.h"
#include "platform/os/System.h"
#include "session/ServidoresDelPrograma.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int kArticulos = 1000000;
constexpr double kObjetivoMs = 100.0;

// What a clerk types: words of the demo's descriptions, a code, a typo and a
// word whose letters no article holds.
const QStringList kTecleos{"tornillo", "cable 2,5", "harina 000", "yerba mate", "123456", "clavoz", "kiwi"};
const QString kNada = QStringLiteral("~nada~");

struct Medida {
    QString texto;
    double cajaMs;
    double cajaCpuMs;  // processor time: what the wall time is on an idle machine
    double motorMs;
    int filas;
};

double milisegundos(const QElapsedTimer& reloj) { return reloj.nsecsElapsed() / 1e6; }

double cpuMs() { return 1e3 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

struct Lectura {
    double ms;
    int filas;
};

// The statement stepped to its last row on a connection of its own.
Lectura motor(sqlite3* base, const QString& sentencia)
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

const char* veredicto(double ms) { return ms <= kObjetivoMs ? "met" : "missed"; }

double mediana(std::vector<double> valores)
{
    std::ranges::sort(valores);
    return valores[valores.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    const QStringList argumentos = QApplication::arguments();
    const qsizetype opcion = argumentos.indexOf("--carpeta");
    const QString carpeta = opcion > 0 && opcion + 1 < argumentos.size()
                                ? argumentos[opcion + 1]
                                : QDir(QApplication::applicationDirPath()).filePath("bench-busqueda");
    QDir().mkpath(carpeta);
    qputenv(os::kProgramFolderVariable, carpeta.toLocal8Bit());
    QTextStream salida(stdout);
    QElapsedTimer creacion;
    creacion.start();
    if (crearDatosDemo({carpeta, kArticulos, false}) > 0)
        salida << "demo company created with " << kArticulos << " articles in " << milisegundos(creacion) / 1e3
               << " s\n";
    salida.flush();

    DB_Dll baseCaja;
    BusquedaCodigo caja(baseCaja);
    caja.setConnString(conexionDemo());
    caja.Usuario = kUsuarioDemo;
    QString tabla = "V_MA_ARTICULOS";
    caja.BusquedaDisponible(tabla);
    ConfiguracionBusqueda articulos;
    ReglasBusqueda::ElegirColumnas(tabla, tabla, {}, articulos);
    ReglasBusqueda::AgregarCondicion(articulos);

    sqlite3* base =
        abrirSqlite(QDir(carpeta).filePath(QString("datos/%1.sqlite").arg(kEmpresaDemo)), SQLITE_OPEN_READONLY);
    ejecutarSqlite(base, db::kMappedReadsPragma);

    // A text no article holds first: the box's first search on its connection,
    // and for the engine a read of the whole description index, so that the
    // scans it times afterwards read it from memory.
    QElapsedTimer primera;
    primera.start();
    caja.TxtBusqueda->setText(kNada);
    const double primeraMs = milisegundos(primera);
    exigir(caja.LstBusqueda->count() == 0, "the box listed articles for a text no article holds");
    salida << "first search after opening, a text no article holds: " << primeraMs
           << " ms in the box (target <= " << kObjetivoMs << " ms: " << veredicto(primeraMs) << ")\n";
    motor(base, SentenciasBusqueda::Busqueda(articulos, kNada, {}));

    std::vector<Medida> medidas;
    for (const QString& palabra : kTecleos) {
        caja.TxtBusqueda->clear();
        for (qsizetype largo = 1; largo <= palabra.size(); ++largo) {
            const QString texto = palabra.left(largo);
            QElapsedTimer reloj;
            const double cpuAntes = cpuMs();
            reloj.start();
            caja.TxtBusqueda->setText(texto);
            const double enCaja = milisegundos(reloj);
            const double cpuCaja = cpuMs() - cpuAntes;
            const Lectura enMotor = motor(base, SentenciasBusqueda::Busqueda(articulos, texto, {}));
            const int enLista = static_cast<int>(caja.LstBusqueda->count());
            exigir(enLista == enMotor.filas, QString("for '%1' the box listed %2 articles, the table holds %3")
                                                 .arg(texto)
                                                 .arg(enLista)
                                                 .arg(enMotor.filas));
            medidas.push_back({texto, enCaja, cpuCaja, enMotor.ms, enLista});
        }
    }
    sqlite3_close(base);

    std::vector<double> enCaja;
    std::vector<double> cpuCaja;
    std::vector<double> enMotor;
    for (const Medida& m : medidas) {
        salida << "keystroke '" << m.texto << "': " << m.cajaMs << " ms in the box (" << m.cajaCpuMs
               << " ms of processor), " << m.motorMs << " ms in the engine, " << m.filas << " rows\n";
        enCaja.push_back(m.cajaMs);
        cpuCaja.push_back(m.cajaCpuMs);
        enMotor.push_back(m.motorMs);
    }
    exigir(std::ranges::any_of(medidas, [](const Medida& m) { return m.filas > 0; }), "no keystroke found an article");
    const double peor = *std::ranges::max_element(enCaja);
    salida << "processor time per keystroke in the box: median " << mediana(cpuCaja) << " ms, slowest "
           << *std::ranges::max_element(cpuCaja) << " ms\n";
    salida << "articles: " << kArticulos << ", keystrokes: " << medidas.size() << "\n";
    salida << "median per keystroke: " << mediana(enCaja) << " ms in the box, " << mediana(enMotor)
           << " ms in the engine\n";
    salida << "slowest keystroke: " << peor << " ms in the box, " << *std::ranges::max_element(enMotor)
           << " ms in the engine (target <= " << kObjetivoMs << " ms: " << veredicto(peor) << ")\n";
    return 0;
}
