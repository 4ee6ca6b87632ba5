#include "Comprobacion.h"

#include "platform/db/engines/SqliteFunctions.h"

#include <QTextStream>

#include <sqlite3.h>

#include <cstdlib>

void exigir(bool hecho, const QString& falta)
{
    if (hecho) return;
    QTextStream(stderr) << "bench failed: " << falta << "\n";
    std::exit(1);
}

sqlite3* abrirSqlite(const QString& archivo, int modo)
{
    sqlite3* base = nullptr;
    exigir(sqlite3_open_v2(archivo.toUtf8().constData(), &base, modo, nullptr) == SQLITE_OK, "cannot open " + archivo);
    db::registerTsqlFunctions(base);
    return base;
}

void ejecutarSqlite(sqlite3* base, const QString& sentencia)
{
    exigir(sqlite3_exec(base, sentencia.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK,
           QString::fromUtf8(sqlite3_errmsg(base)) + " in: " + sentencia.left(200));
}

void escribirSqlite(sqlite3* base, sqlite3_stmt* sentencia)
{
    exigir(sqlite3_step(sentencia) == SQLITE_DONE,
           QString::fromUtf8(sqlite3_errmsg(base)) + " in: " + QString::fromUtf8(sqlite3_sql(sentencia)));
    sqlite3_reset(sentencia);
}

long contarSqlite(sqlite3* base, const QString& consulta)
{
    sqlite3_stmt* sentencia = nullptr;
    exigir(sqlite3_prepare_v2(base, consulta.toUtf8().constData(), -1, &sentencia, nullptr) == SQLITE_OK
               && sqlite3_step(sentencia) == SQLITE_ROW,
           QString::fromUtf8(sqlite3_errmsg(base)) + " in: " + consulta);
    const long valor = static_cast<long>(sqlite3_column_int64(sentencia, 0));
    sqlite3_finalize(sentencia);
    return valor;
}
