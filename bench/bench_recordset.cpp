// Rows per second written to S_TA_EQUIV on one SQLite file: through the
// record set emulation (AddNew/Update, each write committed by itself) and
// through a raw prepared INSERT in one transaction, the engine's limit.
#include "equivalences/CodigosEquivalencia.h"
#include "platform/db/Connection.h"
#include "platform/db/engines/SqliteSchema.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

namespace {

constexpr int kFilas = 100000;

QString guion(const QString& nombre)
{
    QFile archivo(":/sql/sqlite/" + nombre);
    archivo.open(QIODevice::ReadOnly);
    return QString::fromUtf8(archivo.readAll());
}

QString articulo(int i) { return codigoArticulo(QString::number(100000 + i)); }

double porRecordset()
{
    db::Connection conexion;
    conexion.Open("PROVIDER=SQLOLEDB;Server=BENCH;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;");
    db::Recordset filas;
    filas.Open("SELECT * FROM S_TA_EQUIV WHERE 1 = 0", conexion, db::ado::adOpenDynamic, db::ado::adLockOptimistic);
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < kFilas; ++i) {
        filas.AddNew();
        filas.Fields("IDARTICULO").setValue(articulo(i));
        filas.Fields("IDUNIDAD").setValue("KG");
        filas.Fields("IDUNIDAD_EQUIV").setValue("GR");
        filas.Fields("COEFICIENTE").setValue(1000);
        filas.Fields("PARATODOS").setValue(1);
        filas.Update();
    }
    return reloj.nsecsElapsed() / 1e9;
}

double porInsercionPreparada(const QString& archivo)
{
    sqlite3* base = nullptr;
    sqlite3_open_v2(archivo.toUtf8().constData(), &base, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(base, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    sqlite3_stmt* insertar = nullptr;
    sqlite3_prepare_v2(base,
                       "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
                       "VALUES (?, 'KG', 'GR', 1000, 1)",
                       -1, &insertar, nullptr);
    QElapsedTimer reloj;
    reloj.start();
    sqlite3_exec(base, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 0; i < kFilas; ++i) {
        const QByteArray codigo = articulo(i).toUtf8();
        sqlite3_bind_text(insertar, 1, codigo.constData(), static_cast<int>(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_step(insertar);
        sqlite3_reset(insertar);
    }
    sqlite3_exec(base, "COMMIT", nullptr, nullptr, nullptr);
    const double segundos = reloj.nsecsElapsed() / 1e9;
    sqlite3_finalize(insertar);
    sqlite3_close(base);
    return segundos;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir carpeta;
    qputenv(os::kProgramFolderVariable, carpeta.path().toLocal8Bit());
    os::writeAnsiFile(carpeta.filePath("servidores.ini"), "[BENCH]\r\nmotor=sqlite\r\ncarpeta=.\r\n");
    const QStringList guiones{guion("configuracion.sql"), guion("empresa.sql")};
    db::createSqliteDatabase(carpeta.filePath("EMPRESA.sqlite"), guiones);
    db::createSqliteDatabase(carpeta.filePath("CRUDA.sqlite"), guiones);

    const double emulado = porRecordset();
    const double crudo = porInsercionPreparada(carpeta.filePath("CRUDA.sqlite"));
    QTextStream salida(stdout);
    salida << "recordset AddNew/Update, each committed: " << qRound(kFilas / emulado) << " rows/s (" << emulado
           << " s for " << kFilas << ")\n";
    salida << "raw prepared INSERT, one transaction:    " << qRound(kFilas / crudo) << " rows/s (" << crudo << " s for "
           << kFilas << ")\n";
    salida << "recordset time / raw time:               " << QString::number(emulado / crudo, 'f', 1) << "\n";
    return 0;
}
