// The article lookup on a demo company of 1 000 000 articles (crear-demo
// --articulos 1000000, made on the first run beside the benchmark): opening
// it, an F5 that matches nothing, one keystroke of the local search over its
// 1 000 rows, filling the list with 100 000 rows, and a tree of 10 000 codes;
// each beside what the database alone takes for the same statement. On
// SQLite, then on PostgreSQL through the relay, on the same articles copied
// there, with the round trips of each step.
//   bench_consultas [<folder>]   (default: demo-1000000 beside the program)
// The PostgreSQL cluster is the one EQUIV_PG_CARPETA names (make bench starts it).
#include "Comprobacion.h"
#include "DatosDemo.h"
#include "ServidorPostgres.h"
#include "session/ServidoresDelPrograma.h"

#include "database/DB_Dll.h"
#include "lookups/CajasBusqueda.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/Lib_FrmCons3.h"
#include "lookups/Lib_FrmCons3Tree.h"
#include "lookups/ModConsultas.h"
#include "lookups/ModeloConsulta.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "session/BasesDeDatos.h"
#include "session/Configuracion.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTreeWidget>

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>

namespace {

constexpr int kArticulos = 1000000;
constexpr int kTeclas = 200;
constexpr int kNodos = 10000;
constexpr char kCarpetaDatos[] = "datos";
constexpr char kNada[] = "zzqxw";
constexpr char kLlenado[] =
    "SELECT TOP 100000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  ORDER BY DESCRIPCION";
// What the F5 of the article lookup asks, as SQLite's own LIKE runs it.
constexpr char kF5Nativo[] =
    "SELECT DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WHERE (SUSPENDIDO = 0) and (DESCRIPCION like '%zzqxw%') "
    "ORDER BY DESCRIPCION LIMIT 1000";

double milisegundos(const QElapsedTimer& reloj) { return reloj.nsecsElapsed() / 1e6; }

// The lookup windows are played by the benchmark: each is handed to `accion`
// when it would be shown, then closed. Any message box stops the run.
class Medidor : public Dialogs {
public:
    std::function<void(QDialog&)> accion;

    int messageBox(const QString& prompt, int, const QString& title) override { detener(title + ": " + prompt); }
    QString inputBox(const QString& prompt, const QString&, const QString&) override { detener(prompt); }
    std::optional<QString> openFile(const QString& title, const QString&) override { detener(title); }
    void showModal(QDialog& window) override
    {
        if (accion) accion(window);
        window.hide();
    }

private:
    [[noreturn]] static void detener(const QString& texto)
    {
        QTextStream(stderr) << "unexpected dialog: " << texto << "\n";
        std::exit(1);
    }
};

// One engine of the run: its server in servidores.ini, what its own engine
// takes for the F5's statement where it can be asked apart, and the relay's
// count of round trips where there is one.
struct Motor {
    QString nombre;
    QString servidor;
    std::function<std::optional<double>()> f5Nativo;
    const ServidorPostgres* relevo = nullptr;

    long vueltas() const { return relevo ? relevo->idasYVueltas() : 0; }
};

void abrirEmpresa(const QString& servidor)
{
    DB_Dll& base = gBaseDatos();
    if (base.gCnn.State() == db::ado::adStateOpen) base.gCnn.Close();
    base.gServidor = servidor;
    base.gDBName = kEmpresaDemo;
    base.gUsuario = kEmpresaDemo;
    base.gUserPassWord = kEmpresaDemo;
    base.OpenServerADODB(false, 3, {}, true, true);
    CfgQuitarDelCache({}, {}, {});
    DescartarConsulta();
}

double ejecutar(const QString& sentencia)
{
    QElapsedTimer reloj;
    reloj.start();
    db::Recordset filas;
    gBaseDatos().AbrirRecordset(sentencia, filas);
    return milisegundos(reloj);
}

double ejecutarNativo(const QString& archivo, const char* sentencia)
{
    sqlite3* base = nullptr;
    sqlite3_open_v2(archivo.toUtf8().constData(), &base, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* consulta = nullptr;
    QElapsedTimer reloj;
    reloj.start();
    sqlite3_prepare_v2(base, sentencia, -1, &consulta, nullptr);
    while (sqlite3_step(consulta) == SQLITE_ROW) {}
    const double tiempo = milisegundos(reloj);
    sqlite3_finalize(consulta);
    sqlite3_close(base);
    return tiempo;
}

// Codes in three levels (20 × 20 × 24 and their parents) in a table of their
// own, made on the first run a thousand rows a statement: across the relay,
// one statement per row would take seconds.
void crearArbol()
{
    if (gBaseDatos().ExisteTablaDB("BENCH_ARBOL")) return;
    db::Connection& conexion = gBaseDatos().gCnn;
    conexion.Execute("CREATE TABLE BENCH_ARBOL (Codigo varchar(10) PRIMARY KEY, Descripcion varchar(50))");
    QStringList filas;
    // False, adding nothing, once the tree is whole.
    const auto nodo = [&filas](const QString& codigo, const char* nombre) {
        if (filas.size() == kNodos) return false;
        filas << "('" + codigo + "', '" + nombre + " " + codigo + "')";
        return true;
    };
    const auto dosCifras = [](int n) { return QString("%1").arg(n, 2, 10, QChar('0')); };
    for (int a = 1; a <= 20 && nodo(dosCifras(a), "Rama"); ++a) {
        for (int b = 1; b <= 20 && nodo(dosCifras(a) + dosCifras(b), "Rama"); ++b) {
            for (int c = 1; c <= 24 && nodo(dosCifras(a) + dosCifras(b) + dosCifras(c), "Hoja"); ++c) {}
        }
    }
    constexpr int kFilasPorSentencia = 1000;
    for (qsizetype desde = 0; desde < filas.size(); desde += kFilasPorSentencia)
        conexion.Execute("INSERT INTO BENCH_ARBOL VALUES " + filas.mid(desde, kFilasPorSentencia).join(", "));
}

struct Teclas {
    double promedio = 0;
    double maximo = 0;
    int filas = 0;
};

// Each keystroke types one more letter of a row's description into the first box.
Teclas teclear(Lib_FrmCons3& lista)
{
    Teclas teclas;
    teclas.filas = lista.Modelo->rowCount();
    QComboBox& caja = *lista.CmbSearch->Caja(0);
    double total = 0;
    for (int i = 0; i < kTeclas; ++i) {
        const QString descripcion = lista.Modelo->Texto((i * 37) % std::max(teclas.filas, 1), 0);
        const QString texto = descripcion.left(1 + i % 8);
        QElapsedTimer reloj;
        reloj.start();
        caja.setEditText(texto);
        const double tiempo = milisegundos(reloj);
        total += tiempo;
        teclas.maximo = std::max(teclas.maximo, tiempo);
    }
    teclas.promedio = total / kTeclas;
    return teclas;
}

// The round trips a step made, when the engine is across the relay.
QString idas(const Motor& motor, long vueltas)
{
    return motor.relevo ? QString("; %1 round trips").arg(vueltas) : QString();
}

void medir(const Motor& motor, Medidor& ventanas, BasesDeDatos& bases, const QString& carpeta)
{
    abrirEmpresa(motor.servidor);
    Lib_ClsCons3& consulta = gConsulta();
    consulta.gUsarMascarasConsultas = true;
    consulta.gRutaMascaraConsultas = QDir(carpeta).filePath("consultas.vtx");
    if (!QFile::exists(consulta.gRutaMascaraConsultas)) CrearArchivoConsultas();

    double abrir = 0;
    double f5 = 0;
    long vueltasAbrir = 0;
    long vueltasF5 = 0;
    QString sentencia;
    Teclas teclas;
    QElapsedTimer reloj;
    long antes = motor.vueltas();
    ventanas.accion = [&](QDialog& ventana) {
        abrir = milisegundos(reloj);
        vueltasAbrir = motor.vueltas() - antes;
        auto& lista = static_cast<Lib_FrmCons3&>(ventana);
        sentencia = lista.sql;
        teclas = teclear(lista);
        // The search that reads every description: anywhere in it, as with "UsaConsultaLike".
        lista.CfgUsaConsultaLIKE = true;
        lista.CmbSearch->Caja(0)->setEditText(kNada);
        QElapsedTimer busqueda;
        const long antesF5 = motor.vueltas();
        busqueda.start();
        lista.BuscarEnServidor(0);
        f5 = milisegundos(busqueda);
        vueltasF5 = motor.vueltas() - antesF5;
        exigir(lista.Modelo->rowCount() == 0, motor.nombre + ": the F5 for a text no article holds found rows");
    };
    consulta.CampoDevuelto = "IdArticulo";
    reloj.start();
    consulta.ConsultaSearch("V_MA_ARTICULOS");
    ventanas.accion = nullptr;
    exigir(!sentencia.isEmpty(), motor.nombre + ": the article lookup did not open");
    exigir(teclas.filas > 0, motor.nombre + ": the article lookup listed no article");
    const double abrirBase = ejecutar(sentencia);
    const std::optional<double> f5Nativo = motor.f5Nativo();

    Lib_FrmCons3 lista(bases.empresa);
    lista.sql = kLlenado;
    antes = motor.vueltas();
    reloj.restart();
    lista.Form_Load();
    const double llenar = milisegundos(reloj);
    const long vueltasLlenar = motor.vueltas() - antes;
    const int llenas = lista.Modelo->rowCount();
    exigir(llenas == 100000, QString("%1: the list was filled with %2 rows of 100000").arg(motor.nombre).arg(llenas));
    const double llenarBase = ejecutar(kLlenado);

    crearArbol();
    Lib_FrmCons3Tree arbol(bases.empresa);
    arbol.sql = "select Codigo, Descripcion from BENCH_ARBOL order by Codigo";
    antes = motor.vueltas();
    reloj.restart();
    arbol.Form_Load();
    const double armar = milisegundos(reloj);
    const long vueltasArmar = motor.vueltas() - antes;
    exigir(arbol.TreeV->topLevelItemCount() > 0, motor.nombre + ": the tree shows no code");
    const double armarBase = ejecutar(arbol.sql);

    QTextStream salida(stdout);
    salida << motor.nombre << ": open the article lookup:               " << abrir
           << " ms (target 300; the statement alone " << abrirBase << " ms" << idas(motor, vueltasAbrir) << ")\n";
    salida << motor.nombre << ": F5 that matches nothing (contains):    " << f5 << " ms (target 1000";
    if (f5Nativo) salida << "; SQLite's own LIKE " << *f5Nativo << " ms";
    salida << idas(motor, vueltasF5) << ")\n";
    salida << motor.nombre << ": one keystroke of the local search:     " << teclas.promedio << " ms average, "
           << teclas.maximo << " ms at most over " << teclas.filas << " rows (target 5)\n";
    salida << motor.nombre << ": fill the list with " << llenas << " rows:       " << llenar
           << " ms (the statement alone " << llenarBase << " ms" << idas(motor, vueltasLlenar) << ")\n";
    salida << motor.nombre << ": build a tree of " << kNodos << " codes:          " << armar
           << " ms (target 500; the statement alone " << armarBase << " ms" << idas(motor, vueltasArmar) << ")\n";
    salida.flush();
}

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // Without the server the bench stops here, before any figure.
    const ServidorPostgres servidor;
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    QTextStream salida(stdout);
    const QString carpeta = argc > 1 ? QString(argv[1]) : QDir(app.applicationDirPath()).filePath("demo-1000000");
    QDir().mkpath(carpeta);
    servidor.escribirServidores(carpeta, kServidorDemo, kCarpetaDatos);
    QElapsedTimer reloj;
    reloj.start();
    if (crearDatosDemo({carpeta, kArticulos, false}) > 0)
        salida << "demo company of " << kArticulos << " articles created in " << milisegundos(reloj) / 1000 << " s\n";
    salida.flush();
    qputenv(os::kProgramFolderVariable, carpeta.toLocal8Bit());
    auto medidor = std::make_unique<Medidor>();
    Medidor& ventanas = *medidor;
    Service<Dialogs>::install(std::move(medidor));

    const QString archivo = QDir(carpeta).filePath(QString("%1/%2.sqlite").arg(kCarpetaDatos, kEmpresaDemo));
    medir({"SQLite", kServidorDemo, [&archivo] { return std::optional(ejecutarNativo(archivo, kF5Nativo)); }}, ventanas,
          bases, carpeta);

    reloj.restart();
    servidor.copiarEmpresaDemo(archivo, kEmpresaDemo, kArticulos);
    salida << "articles copied to PostgreSQL in " << milisegundos(reloj) / 1e3 << " s\n";
    salida.flush();
    medir(
        {"PostgreSQL through the relay", ServidorPostgres::kNombre, [] { return std::optional<double>(); }, &servidor},
        ventanas, bases, carpeta);
    return 0;
}
