#include "ServidorPostgres.h"

#include "Comprobacion.h"
#include "platform/db/DbErrors.h"
#include "platform/db/engines/OdbcEngine.h"
#include "platform/os/AnsiFile.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace {

constexpr char kVariableCarpeta[] = "EQUIV_PG_CARPETA";
constexpr char kAdministrador[] = "postgres";
constexpr int kEsperaServidor = 5;
constexpr int kFilasPorSentencia = 1000;

QString puertoDelCluster()
{
    QFile archivo(QDir(qEnvironmentVariable(kVariableCarpeta)).filePath("puerto"));
    exigir(archivo.open(QIODevice::ReadOnly),
           QString("no PostgreSQL cluster: %1 does not name a started one (tools/postgres-prueba.sh iniciar)")
               .arg(kVariableCarpeta));
    return QString::fromLatin1(archivo.readAll()).trimmed();
}

QString literal(sqlite3_stmt* fila, int columna)
{
    switch (sqlite3_column_type(fila, columna)) {
    case SQLITE_NULL: return "NULL";
    case SQLITE_INTEGER: return QString::number(sqlite3_column_int64(fila, columna));
    case SQLITE_FLOAT: return QString::number(sqlite3_column_double(fila, columna), 'g', 17);
    default:
        return "'"
               + QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(fila, columna))).replace("'", "''")
               + "'";
    }
}

QString tupla(sqlite3_stmt* fila)
{
    QStringList valores;
    for (int columna = 0; columna < sqlite3_column_count(fila); ++columna) valores.append(literal(fila, columna));
    return "(" + valores.join(", ") + ")";
}

}  // namespace

ServidorPostgres::ServidorPostgres() : puerto_(puertoDelCluster())
{
    relay_ = std::make_unique<Relay>(static_cast<std::uint16_t>(puerto_.toUInt()));
    ejecutar(kAdministrador, "SELECT 1");
}

QString ServidorPostgres::cadena(const QString& puerto, const QString& usuario, const QString& clave) const
{
    return "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=" + puerto + ";Database={base};Uid=" + usuario
           + ";Pwd=" + clave + ";";
}

void ServidorPostgres::escribirServidores(const QString& carpeta, const QString& servidorSqlite,
                                          const QString& carpetaSqlite) const
{
    const QString texto =
        "[" + servidorSqlite + "]\r\nmotor=sqlite\r\ncarpeta=" + carpetaSqlite + "\r\n[" + kNombre
        + "]\r\nmotor=odbc\r\ncadena=" + cadena(QString::number(relay_->puerto()), "{usuario}", "{clave}") + "\r\n";
    exigir(os::writeAnsiFile(QDir(carpeta).filePath("servidores.ini"), texto), "cannot write servidores.ini");
}

void ServidorPostgres::crearEmpresa(const QString& nombre) const
{
    const QString rol = '"' + nombre + '"';
    ejecutar(kAdministrador, "DROP DATABASE IF EXISTS " + rol + " WITH (FORCE)");
    ejecutar(kAdministrador, "DO $$ BEGIN CREATE ROLE " + rol + " LOGIN SUPERUSER PASSWORD '" + nombre
                                 + "'; EXCEPTION WHEN duplicate_object THEN NULL; END $$");
    ejecutar(kAdministrador, "CREATE DATABASE " + rol + " TEMPLATE plantilla_empresa OWNER " + rol);
}

void ServidorPostgres::ejecutar(const QString& base, const QString& sentencia) const { contar(base, sentencia); }

void ServidorPostgres::copiarDeSqlite(sqlite3* origen, const QString& tabla, const QStringList& columnas,
                                      const QString& base) const
{
    const QString lista = columnas.join(", ");
    sqlite3_stmt* fila = nullptr;
    exigir(sqlite3_prepare_v2(origen, ("SELECT " + lista + " FROM " + tabla).toUtf8().constData(), -1, &fila, nullptr)
               == SQLITE_OK,
           "cannot read " + tabla + ": " + QString::fromUtf8(sqlite3_errmsg(origen)));
    QStringList tuplas;
    const auto escribir = [&] {
        if (!tuplas.isEmpty()) ejecutar(base, "INSERT INTO " + tabla + " (" + lista + ") VALUES " + tuplas.join(", "));
        tuplas.clear();
    };
    while (sqlite3_step(fila) == SQLITE_ROW) {
        tuplas.append(tupla(fila));
        if (tuplas.size() == kFilasPorSentencia) escribir();
    }
    escribir();
    sqlite3_finalize(fila);
    // A company in use has its statistics; without them the planner may pick
    // a plan that runs past the program's statement timeout.
    ejecutar(base, "ANALYZE " + tabla);
}

long ServidorPostgres::contar(const QString& base, const QString& consulta) const
{
    try {
        db::OdbcEngine motor(cadena(puerto_, kAdministrador, kAdministrador), base, kEsperaServidor);
        const db::StatementResult resultado = motor.run(consulta);
        return resultado.rows.isEmpty() ? resultado.rowsAffected : resultado.rows.first().first().toLong();
    } catch (const db::EngineFailure& falla) {
        exigir(false, "PostgreSQL through psqlODBC, " + base + ": " + falla.description.trimmed());
        return 0;
    }
}

void ServidorPostgres::copiarEmpresaDemo(const QString& archivo, const QString& nombre, long articulos) const
{
    static const QStringList columnasArticulos{"IdArticulo", "Descripcion", "IdUnidad",  "IdFamilia",
                                               "Precio",     "Baja",        "Suspendido"};
    static const QStringList columnasAjustes{"GRUPO", "CLAVE", "VALOR", "VALORAUX", "PoliticaNegocio"};
    crearEmpresa(nombre);
    sqlite3* origen = abrirSqlite(archivo, SQLITE_OPEN_READONLY);
    copiarDeSqlite(origen, "V_MA_ARTICULOS", columnasArticulos, nombre);
    copiarDeSqlite(origen, "TA_CONFIGURACION", columnasAjustes, nombre);
    sqlite3_close(origen);
    exigir(contar(nombre, "SELECT COUNT(*) FROM V_MA_ARTICULOS") == articulos,
           "the articles were not all copied to PostgreSQL");
}
