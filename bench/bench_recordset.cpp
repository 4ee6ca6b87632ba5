// Rows per second written to S_TA_EQUIV on SQLite files, side by side:
// through the record set emulation (AddNew/Update) and through a raw prepared
// INSERT, the engine's limit; first with each row committed by itself, then
// with commits grouped as a long save groups them (every 1 000 rows or
// 100 ms, whichever comes first). Then on PostgreSQL through the relay: the
// record set beside one multi-row INSERT of the same rows over the same link,
// with the round trips per row.
#include "Comprobacion.h"
#include "ServidorPostgres.h"
#include "equivalences/CodigosEquivalencia.h"
#include "esquema/GuionEsquema.h"
#include "platform/Clock.h"
#include "platform/db/Connection.h"
#include "platform/db/GroupedCommits.h"
#include "platform/db/engines/SqliteFunctions.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/MemoryReuse.h"
#include "platform/os/System.h"
#include "session/ServidoresDelPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace {

constexpr int kFilas = 50000;
// Each row costs the record set several round trips through the relay.
constexpr int kFilasPostgres = 2000;
constexpr int kVueltas = 3;
constexpr char kServidor[] = "BENCH";
constexpr char kInsertar[] = "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) ";

enum class Commits { EachRow, Grouped };

QString articulo(int i) { return codigoArticulo(QString::number(100000 + i)); }

// The suite logs into a database with its name as user and password.
void abrir(db::Connection& conexion, const QString& base, const QString& servidor)
{
    conexion.Open("PROVIDER=SQLOLEDB;Server=" + servidor + ";Database =" + base + ";UId=" + base + ";Pwd=" + base
                  + ";");
}

void exigirFilas(db::Connection& conexion, int filas, const QString& como)
{
    exigir(conexion.Execute("SELECT COUNT(*) FROM S_TA_EQUIV").Fields(0).Value().toLong() == filas,
           como + " did not write every row");
}

double porRecordset(const QString& base, Commits commits, const QString& servidor = kServidor,
                    int filasAEscribir = kFilas)
{
    db::Connection conexion;
    abrir(conexion, base, servidor);
    db::Recordset filas;
    filas.Open("SELECT * FROM S_TA_EQUIV WHERE 1 = 0", conexion, db::ado::adOpenDynamic, db::ado::adLockOptimistic);
    std::optional<db::GroupedCommits> agrupados;
    if (commits == Commits::Grouped) agrupados.emplace(conexion);
    // The units made once, as the program's writers hold theirs, not converted from literals at every row.
    const QString kilos = "KG";
    const QString gramos = "GR";
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < filasAEscribir; ++i) {
        if (agrupados) agrupados->beforeWrite();
        filas.AddNew();
        filas.Fields("IDARTICULO").setValue(articulo(i));
        filas.Fields("IDUNIDAD").setValue(kilos);
        filas.Fields("IDUNIDAD_EQUIV").setValue(gramos);
        filas.Fields("COEFICIENTE").setValue(1000);
        filas.Fields("PARATODOS").setValue(1);
        filas.Update();
        if (agrupados) agrupados->afterWrite();
    }
    if (agrupados) agrupados->commit();
    const double segundos = reloj.nsecsElapsed() / 1e9;
    exigirFilas(conexion, filasAEscribir, "the record set");
    return segundos;
}

// The same rows in one statement over the same link.
double enUnaSentencia(const QString& base, const QString& servidor, int filasAEscribir)
{
    db::Connection conexion;
    abrir(conexion, base, servidor);
    QStringList tuplas;
    for (int i = 0; i < filasAEscribir; ++i) tuplas.append("('" + articulo(i) + "', 'KG', 'GR', 1000, 1)");
    const QString sentencia = kInsertar + QString("VALUES ") + tuplas.join(", ");
    QElapsedTimer reloj;
    reloj.start();
    conexion.Execute(sentencia);
    const double segundos = reloj.nsecsElapsed() / 1e9;
    exigirFilas(conexion, filasAEscribir, "the multi-row INSERT");
    return segundos;
}

// The same rows through SQLite alone, with the same comparison of codes, grouped by the same rule.
double porInsercionPreparada(const QString& archivo, Commits commits)
{
    // Opened unlocked, as the layer opens its connections.
    sqlite3* base = abrirSqlite(archivo, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    ejecutarSqlite(base, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    sqlite3_stmt* insertar = nullptr;
    sqlite3_prepare_v2(base, (kInsertar + QString("VALUES (?, ?, ?, ?, ?)")).toUtf8().constData(), -1, &insertar,
                       nullptr);
    QElapsedTimer reloj;
    reloj.start();
    Clock::Duration tramo{};
    int filasDelTramo = 0;
    for (int i = 0; i < kFilas; ++i) {
        if (commits == Commits::Grouped && filasDelTramo == 0) {
            ejecutarSqlite(base, "BEGIN");
            tramo = clockNow();
        }
        const QByteArray codigo = articulo(i).toUtf8();
        sqlite3_bind_text(insertar, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insertar, 2, "KG", -1, SQLITE_STATIC);
        sqlite3_bind_text(insertar, 3, "GR", -1, SQLITE_STATIC);
        sqlite3_bind_int(insertar, 4, 1000);
        sqlite3_bind_int(insertar, 5, 1);
        escribirSqlite(base, insertar);
        if (commits == Commits::Grouped && db::GroupedCommits::due(++filasDelTramo, tramo)) {
            ejecutarSqlite(base, "COMMIT");
            filasDelTramo = 0;
        }
    }
    if (filasDelTramo > 0) ejecutarSqlite(base, "COMMIT");
    const double segundos = reloj.nsecsElapsed() / 1e9;
    sqlite3_finalize(insertar);
    exigir(contarSqlite(base, "SELECT COUNT(*) FROM S_TA_EQUIV") == kFilas, "the raw INSERT did not write every row");
    sqlite3_close(base);
    return segundos;
}

void imprimir(QTextStream& salida, const QString& como, double emulado, double crudo)
{
    salida << como << ": recordset AddNew/Update " << qRound(kFilas / emulado) << " rows/s, raw prepared INSERT "
           << qRound(kFilas / crudo) << " rows/s; recordset time / raw time "
           << QString::number(emulado / crudo, 'f', 2) << "\n";
}

// Each way once on new databases of the cluster: the record set's round
// trips per row, and its time beside the one statement's.
void medirEnPostgres(QTextStream& salida, const ServidorPostgres& servidor)
{
    salida << "PostgreSQL through the relay, " << kFilasPostgres << " rows each way, one run\n";
    for (const auto& [como, commits] :
         {std::pair{"each row committed", Commits::EachRow}, std::pair{"grouped commits   ", Commits::Grouped}}) {
        const QString recordset = commits == Commits::EachRow ? "RECORDSET_FILA" : "RECORDSET_GRUPO";
        const QString conjunto = recordset + "_CONJUNTO";
        servidor.crearEmpresa(recordset);
        servidor.crearEmpresa(conjunto);
        const long antes = servidor.idasYVueltas();
        const double emulado = porRecordset(recordset, commits, ServidorPostgres::kNombre, kFilasPostgres);
        const long vueltas = servidor.idasYVueltas() - antes;
        const double unaSentencia = enUnaSentencia(conjunto, ServidorPostgres::kNombre, kFilasPostgres);
        salida << como << ": recordset AddNew/Update " << qRound(kFilasPostgres / emulado) << " rows/s, "
               << QString::number(double(vueltas) / kFilasPostgres, 'f', 1)
               << " round trips per row; one multi-row INSERT " << unaSentencia
               << " s; recordset time / one statement's time " << QString::number(emulado / unaSentencia, 'f', 1)
               << "\n";
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    os::keepFreedMemoryForReuse();  // as the program does at start
    QCoreApplication app(argc, argv);
    // Without the server the bench stops here, before any figure.
    const ServidorPostgres servidor;
    Service<db::ServerDirectory>::install(std::make_unique<ServidoresDelPrograma>());
    QTemporaryDir carpeta;
    qputenv(os::kProgramFolderVariable, carpeta.path().toLocal8Bit());
    servidor.escribirServidores(carpeta.path(), kServidor);
    const QStringList guiones{GuionEsquema("configuracion.sql"), GuionEsquema("empresa.sql")};
    int bases = 0;
    const auto baseNueva = [&] {
        const QString nombre = QString("BASE%1").arg(++bases);
        db::createSqliteDatabase(carpeta.filePath(nombre + ".sqlite"), guiones);
        return nombre;
    };

    // Each way runs kVueltas times on new files, taking turns, and its best
    // time counts: a change in the machine's speed then falls on both sides.
    QTextStream salida(stdout);
    salida << kFilas << " rows each way, best of " << kVueltas << "\n";
    for (const auto& [como, commits] :
         {std::pair{"each row committed", Commits::EachRow}, std::pair{"grouped commits   ", Commits::Grouped}}) {
        double emulado = std::numeric_limits<double>::max();
        double crudo = std::numeric_limits<double>::max();
        for (int vuelta = 0; vuelta < kVueltas; ++vuelta) {
            emulado = std::min(emulado, porRecordset(baseNueva(), commits));
            crudo = std::min(crudo, porInsercionPreparada(carpeta.filePath(baseNueva() + ".sqlite"), commits));
        }
        imprimir(salida, como, emulado, crudo);
    }
    medirEnPostgres(salida, servidor);
    return 0;
}
