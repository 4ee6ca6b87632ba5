// The consistency check over 1 000 000 articles in twenty units holding
// 100 000 equivalences: a generic pair over the articles of one unit (a few
// of them without it), and both directions of a pair for articles of the others;
// on SQLite, then on PostgreSQL through the relay, with its round trips.
#include "Comprobacion.h"
#include "ServidorPostgres.h"
#include "SinOperador.h"
#include "database/DB_Dll.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/VerificacionEquivalencias.h"
#include "esquema/GuionEsquema.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/ServidoresDelPrograma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <cstdlib>

namespace {

constexpr int kArticulos = 1000000;
constexpr int kUnidades = 20;
constexpr int kSinGenerica = 100;  // articles of U00 created after the generic save
constexpr int kConAmbasDirecciones = 25000;
constexpr char kServidor[] = "BENCH";
constexpr char kEmpresa[] = "VERIFICAR";

QByteArray unidad(int i) { return QString("U%1").arg(i % kUnidades, 2, 10, QChar('0')).toUtf8(); }

void crearEmpresa(const QString& archivo)
{
    db::createSqliteDatabase(archivo, {GuionEsquema("configuracion.sql"), GuionEsquema("empresa.sql")});
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READWRITE);
    ejecutarSqlite(base, "BEGIN");
    sqlite3_stmt* articulo = nullptr;
    sqlite3_prepare_v2(base, "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad) VALUES (?, 'ARTICULO', ?)",
                       -1, &articulo, nullptr);
    sqlite3_stmt* equivalencia = nullptr;
    sqlite3_prepare_v2(base,
                       "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
                       "VALUES (?, ?, ?, ?, ?)",
                       -1, &equivalencia, nullptr);
    const auto equivale = [&](const QByteArray& codigo, const QByteArray& de, const QByteArray& a, double c,
                              bool generica) {
        sqlite3_bind_text(equivalencia, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(equivalencia, 2, de.constData(), static_cast<int>(de.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(equivalencia, 3, a.constData(), static_cast<int>(a.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(equivalencia, 4, c);
        if (generica)
            sqlite3_bind_int(equivalencia, 5, 1);
        else
            sqlite3_bind_null(equivalencia, 5);
        escribirSqlite(base, equivalencia);
    };
    int ambas = 0;
    for (int i = 0; i < kArticulos; ++i) {
        const QByteArray codigo = codigoArticulo(QString::number(1000000 + i)).toUtf8();
        const QByteArray suya = unidad(i);
        sqlite3_bind_text(articulo, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(articulo, 2, suya.constData(), static_cast<int>(suya.size()), SQLITE_TRANSIENT);
        escribirSqlite(base, articulo);
        if (i % kUnidades == 0 && i / kUnidades >= kSinGenerica) {
            equivale(codigo, "U00", "U01", 12, true);
        } else if (i % kUnidades != 0 && i % kUnidades != kUnidades - 1 && ambas < kConAmbasDirecciones && i % 7 == 0) {
            equivale(codigo, suya, "U19", 4, false);
            equivale(codigo, "U19", suya, ambas % 10 ? 0.25 : 0.3, false);
            ++ambas;
        }
    }
    sqlite3_finalize(articulo);
    sqlite3_finalize(equivalencia);
    ejecutarSqlite(base, "COMMIT");
    exigir(contarSqlite(base, "SELECT COUNT(*) FROM V_MA_ARTICULOS") == kArticulos,
           "the company's articles were not all written");
    sqlite3_close(base);
}

// The same company on PostgreSQL, copied from the SQLite one.
void crearEmpresaPostgres(const ServidorPostgres& servidor, const QString& archivo)
{
    servidor.crearEmpresa(kEmpresa);
    sqlite3* origen = abrirSqlite(archivo, SQLITE_OPEN_READONLY);
    servidor.copiarDeSqlite(origen, "V_MA_ARTICULOS", {"IdArticulo", "Descripcion", "IdUnidad"}, kEmpresa);
    servidor.copiarDeSqlite(origen, "S_TA_EQUIV",
                            {"IDARTICULO", "IDUNIDAD", "IDUNIDAD_EQUIV", "COEFICIENTE", "PARATODOS"}, kEmpresa);
    exigir(servidor.contar(kEmpresa, "SELECT COUNT(*) FROM S_TA_EQUIV")
               == contarSqlite(origen, "SELECT COUNT(*) FROM S_TA_EQUIV"),
           "the equivalences were not all copied to PostgreSQL");
    sqlite3_close(origen);
}

// The check on the company of a server: its findings, which must be the
// seeded faults, its time and, through the relay, its round trips.
void verificar(const QString& servidor, const QString& motor, const ServidorPostgres* relevo)
{
    DB_Dll& base = gBaseDatos();
    base.gServidor = servidor;
    base.gDBName = base.gUsuario = base.gUserPassWord = kEmpresa;
    base.OpenServerADODB(false, 3, {}, true, true);
    const long filas = base.gCnn.Execute("SELECT COUNT(*) FROM S_TA_EQUIV").Fields(0).Value().toLong();

    const long antes = relevo ? relevo->idasYVueltas() : 0;
    QElapsedTimer reloj;
    reloj.start();
    const QVector<Hallazgo> hallazgos = VerificacionEquivalencias(base).Verificar();
    const double segundos = reloj.nsecsElapsed() / 1e9;
    const long vueltas = relevo ? relevo->idasYVueltas() - antes : 0;

    // The seeded faults: the articles without the generic pair and one in ten pairs off by 1.2.
    const qsizetype sembrados = kSinGenerica + kConAmbasDirecciones / 10;
    exigir(hallazgos.size() == sembrados,
           QString("%1: the check found %2 faults of the %3 seeded").arg(motor).arg(hallazgos.size()).arg(sembrados));
    QTextStream salida(stdout);
    salida << motor << ": consistency check, " << kArticulos << " articles, " << filas << " equivalences: " << segundos
           << " s, " << hallazgos.size() << " findings; round trips ";
    if (relevo)
        salida << vueltas << " (" << QString::number(double(vueltas) / kArticulos, 'f', 4) << " per article)\n";
    else
        salida << "none, the engine is in the process\n";
}

}  // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // Without the server the bench stops here, before any figure.
    const ServidorPostgres servidor;
    Service<Dialogs>::install(std::make_unique<SinOperador>());
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    BasesDeDatos bases;
    QTemporaryDir carpeta;
    qputenv(os::kProgramFolderVariable, carpeta.path().toLocal8Bit());
    servidor.escribirServidores(carpeta.path(), kServidor);
    const QString archivo = carpeta.filePath(QString(kEmpresa) + ".sqlite");
    crearEmpresa(archivo);
    verificar(kServidor, "SQLite", nullptr);
    crearEmpresaPostgres(servidor, archivo);
    verificar(ServidorPostgres::kNombre, "PostgreSQL through the relay", &servidor);
    return 0;
}
