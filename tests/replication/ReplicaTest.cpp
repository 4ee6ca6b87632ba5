#include "replication/ReplicaTest.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "replication/ReplicaGrupo.h"
#include "session/BasesDeDatos.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"
#include "support/PedirReplica.h"

namespace {

QString codigo(const QString& texto, int ancho) { return EntreComillas(QvFunciones::FormatoCodigo(texto, ancho)); }
QString articulo(const QString& texto) { return codigo(texto, 25); }
QString unidad(const QString& texto) { return codigo(texto, 4); }

QString claveDeFila(const QString& a, const QString& u, const QString& e)
{
    return " WHERE IDARTICULO = " + articulo(a) + " AND IDUNIDAD = " + unidad(u) + " AND IDUNIDAD_EQUIV = " + unidad(e);
}

}  // namespace

void ReplicaTest::SetUp()
{
    EveryEngineTest::SetUp();
    if (IsSkipped()) return;
    addServer(kPuntos, TestEngine::SQLite);
    addServer(kGrupo, TestEngine::SQLite);
    createCompanyDatabase(kBaseGrupo, kGrupo);
    Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(gBaseDatos()));
    openCompany();
}

void ReplicaTest::agregarPuntoDeVenta(const QString& codigo, const QString& descripcion, const QString& servidor,
                                      const QString& base, const QString& columnas, const QString& valores,
                                      bool crearBase)
{
    if (crearBase) createCompanyDatabase(base, servidor);
    seed({"INSERT INTO V_TA_TPV (CODIGO, Descripcion, Server, Dbname, Usuario, Password, INTERNET, BAJA" + columnas
          + ") VALUES (" + EntreComillas(codigo) + ", " + EntreComillas(descripcion) + ", " + EntreComillas(servidor)
          + ", " + EntreComillas(base) + ", 'otro', 'otra', 0, 0" + valores + ")"});
}

void ReplicaTest::habilitarGrupo(const QString& tipos, const QString& tablas)
{
    seed({"INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX) VALUES ('DATOS', 'GRP_DESHABILITADO', '0', '')",
          "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX) VALUES ('DATOS', 'GRP_TABLAS', '', "
              + EntreComillas(tablas) + ")",
          "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX) VALUES ('DATOS', 'GRP_TIPOS', "
              + EntreComillas(tipos) + ", '')",
          "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX) VALUES ('DATOS', 'GRP_SERVER', '"
              + QString(kGrupo) + ":1433', '')",
          "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX) VALUES ('DATOS', 'GRP_BASE', '"
              + QString(kBaseGrupo) + "', '')"});
}

void ReplicaTest::grabar(const QString& a, const QString& u, const QString& e, const QString& coeficiente,
                         const QString& paratodos)
{
    DB_Dll& base = gBaseDatos();
    const bool existe = contar("SELECT COUNT(*) FROM S_TA_EQUIV" + claveDeFila(a, u, e)) > 0;
    if (existe) {
        base.EjecutaConsultaSQL("UPDATE S_TA_EQUIV SET COEFICIENTE = " + coeficiente + ", PARATODOS = " + paratodos
                                + claveDeFila(a, u, e));
    } else {
        base.EjecutaConsultaSQL(
            "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
            "VALUES ("
            + articulo(a) + ", " + unidad(u) + ", " + unidad(e) + ", " + coeficiente + ", " + paratodos + ")");
    }
    ASSERT_EQ(base.gCnn.errors().Count(), 0) << base.gCnn.errors().Item(0).Description.toStdString();
    replicar(1, a, u, e);
}

void ReplicaTest::borrar(const QString& a, const QString& u, const QString& e)
{
    gBaseDatos().EjecutaConsultaSQL("DELETE S_TA_EQUIV" + claveDeFila(a, u, e));
    replicar(3, a, u, e);
}

void ReplicaTest::replicar(long operacion, const QString& a, const QString& u, const QString& e)
{
    ActualizaGEmpresas("S_TA_EQUIV", operacion, articulo(a), unidad(u), unidad(e));
}

QStringList ReplicaTest::equivalencias(const QString& base, const QString& servidor) const
{
    QStringList filas;
    db::Recordset leidas = read(
        "SELECT IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS FROM S_TA_EQUIV "
        "ORDER BY IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV",
        base, servidor);
    for (; !leidas.Eof(); leidas.MoveNext()) {
        const Variant coeficiente = leidas.Fields(3).Value();
        filas.append(leidas.Fields(0).Value().toText().trimmed() + " " + leidas.Fields(1).Value().toText().trimmed()
                     + " " + leidas.Fields(2).Value().toText().trimmed() + " = "
                     + (coeficiente.isNull() ? QString("NULL") : coeficiente.toText())
                     + (leidas.Fields(4).Value().isNull() ? "" : " *"));
    }
    return filas;
}

long ReplicaTest::contar(const QString& sentencia, const QString& base, const QString& servidor) const
{
    return read(sentencia, base, servidor).Fields(0).Value().toLong();
}

long ReplicaTest::pendientes(const QString& codigoTPV) const
{
    return contar("SELECT COUNT(*) FROM REPLICA_PENDIENTES WHERE CODIGO_TPV = " + EntreComillas(codigoTPV));
}

QStringList ReplicaTest::avisos() const
{
    QStringList textos;
    for (const ScriptedDialogs::Box& caja : operador->boxes()) textos.append(caja.title + ": " + caja.prompt);
    return textos;
}
