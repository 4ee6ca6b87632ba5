// The article lookup on a demo company of 1 000 000 articles (crear-demo
// --articulos 1000000, made on the first run beside the benchmark): opening
// it, an F5 that matches nothing, one keystroke of the local search over its
// 1 000 rows, filling the list with 100 000 rows, and a tree of 10 000 codes;
// each beside what the database alone takes for the same statement.
#include "Comprobacion.h"
#include "DatosDemo.h"
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

namespace {

constexpr int kArticulos = 1000000;
constexpr int kTeclas = 200;
constexpr int kNodos = 10000;
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

void abrirEmpresa()
{
    DB_Dll& base = gBaseDatos();
    base.gServidor = kServidorDemo;
    base.gDBName = kEmpresaDemo;
    base.gUsuario = kEmpresaDemo;
    base.gUserPassWord = kEmpresaDemo;
    base.OpenServerADODB(false, 3, {}, true, true);
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
// own, made on the first run.
void crearArbol()
{
    if (gBaseDatos().ExisteTablaDB("BENCH_ARBOL")) return;
    db::Connection& conexion = gBaseDatos().gCnn;
    conexion.Execute("CREATE TABLE BENCH_ARBOL (Codigo varchar(10) PRIMARY KEY, Descripcion varchar(50))");
    conexion.BeginTrans();
    int nodos = 0;
    for (int a = 1; a <= 20 && nodos < kNodos; ++a) {
        const QString uno = QString("%1").arg(a, 2, 10, QChar('0'));
        conexion.Execute("INSERT INTO BENCH_ARBOL VALUES ('" + uno + "', 'Rama " + uno + "')");
        ++nodos;
        for (int b = 1; b <= 20 && nodos < kNodos; ++b) {
            const QString dos = uno + QString("%1").arg(b, 2, 10, QChar('0'));
            conexion.Execute("INSERT INTO BENCH_ARBOL VALUES ('" + dos + "', 'Rama " + dos + "')");
            ++nodos;
            for (int c = 1; c <= 24 && nodos < kNodos; ++c) {
                const QString tres = dos + QString("%1").arg(c, 2, 10, QChar('0'));
                conexion.Execute("INSERT INTO BENCH_ARBOL VALUES ('" + tres + "', 'Hoja " + tres + "')");
                ++nodos;
            }
        }
    }
    conexion.CommitTrans();
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

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    QTextStream salida(stdout);
    const QString carpeta = argc > 1 ? QString(argv[1]) : QDir(app.applicationDirPath()).filePath("demo-1000000");
    QElapsedTimer reloj;
    reloj.start();
    if (crearDatosDemo({carpeta, kArticulos, false}) > 0)
        salida << "demo company of " << kArticulos << " articles created in " << milisegundos(reloj) / 1000 << " s\n";
    qputenv(os::kProgramFolderVariable, carpeta.toLocal8Bit());
    auto medidor = std::make_unique<Medidor>();
    Medidor& ventanas = *medidor;
    Service<Dialogs>::install(std::move(medidor));
    abrirEmpresa();
    Lib_ClsCons3& motor = gConsulta();
    motor.gUsarMascarasConsultas = true;
    motor.gRutaMascaraConsultas = QDir(carpeta).filePath("consultas.vtx");
    if (!QFile::exists(motor.gRutaMascaraConsultas)) CrearArchivoConsultas();

    double abrir = 0;
    double f5 = 0;
    QString sentencia;
    Teclas teclas;
    ventanas.accion = [&](QDialog& ventana) {
        abrir = milisegundos(reloj);
        auto& lista = static_cast<Lib_FrmCons3&>(ventana);
        sentencia = lista.sql;
        teclas = teclear(lista);
        // The search that reads every description: anywhere in it, as with "UsaConsultaLike".
        lista.CfgUsaConsultaLIKE = true;
        lista.CmbSearch->Caja(0)->setEditText(kNada);
        QElapsedTimer busqueda;
        busqueda.start();
        lista.BuscarEnServidor(0);
        f5 = milisegundos(busqueda);
        exigir(lista.Modelo->rowCount() == 0, "the F5 for a text no article holds found rows");
    };
    motor.CampoDevuelto = "IdArticulo";
    reloj.restart();
    motor.ConsultaSearch("V_MA_ARTICULOS");
    exigir(!sentencia.isEmpty(), "the article lookup did not open");
    exigir(teclas.filas > 0, "the article lookup listed no article");
    const double abrirBase = ejecutar(sentencia);
    const QString archivo = QDir(carpeta).filePath(QString("datos/%1.sqlite").arg(kEmpresaDemo));
    const double f5Nativo = ejecutarNativo(archivo, kF5Nativo);

    Lib_FrmCons3 lista(bases.empresa);
    lista.sql = kLlenado;
    reloj.restart();
    lista.Form_Load();
    const double llenar = milisegundos(reloj);
    const int llenas = lista.Modelo->rowCount();
    exigir(llenas == 100000, QString("the list was filled with %1 rows of 100000").arg(llenas));
    const double llenarBase = ejecutar(kLlenado);

    crearArbol();
    Lib_FrmCons3Tree arbol(bases.empresa);
    arbol.sql = "select Codigo, Descripcion from BENCH_ARBOL order by Codigo";
    reloj.restart();
    arbol.Form_Load();
    const double armar = milisegundos(reloj);
    exigir(arbol.TreeV->topLevelItemCount() > 0, "the tree shows no code");
    const double armarBase = ejecutar(arbol.sql);

    salida << "open the article lookup:               " << abrir << " ms (target 300; the statement alone " << abrirBase
           << " ms)\n";
    salida << "F5 that matches nothing (contains):    " << f5 << " ms (target 1000; SQLite's own LIKE " << f5Nativo
           << " ms)\n";
    salida << "one keystroke of the local search:     " << teclas.promedio << " ms average, " << teclas.maximo
           << " ms at most over " << teclas.filas << " rows (target 5)\n";
    salida << "fill the list with " << llenas << " rows:       " << llenar << " ms (the statement alone " << llenarBase
           << " ms)\n";
    salida << "build a tree of " << kNodos << " codes:          " << armar << " ms (target 500; the statement alone "
           << armarBase << " ms)\n";
    return 0;
}
