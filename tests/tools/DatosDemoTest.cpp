#include "DatosDemo.h"
#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/db/Connection.h"
#include "platform/db/engines/SqliteFragments.h"
#include "replication/ReplicaGrupo.h"
#include "session/BasesDeDatos.h"
#include "session/BasesRegistradas.h"
#include "session/ManejoInteractivo.h"
#include "suitesupport/QvFunciones.h"
#include "support/PedirReplica.h"
#include "support/ProgramTest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

class DatosDemoTest : public ProgramTest {
protected:
    OpcionesDemo opciones(int articulos) const
    {
        OpcionesDemo demo;
        demo.carpeta = programFolder();
        demo.articulos = articulos;
        return demo;
    }

    db::Recordset query(const QString& sql)
    {
        if (connection.State() != db::ado::adStateOpen) {
            connection.Open("PROVIDER=SQLOLEDB;Server=LOCAL;Database =EMPRESA_DEMO;UId=x;Pwd=x;");
        }
        return connection.Execute(sql);
    }

    static long countIn(const QString& database, const QString& sql)
    {
        db::Connection other;
        other.Open("PROVIDER=SQLOLEDB;Server=LOCAL;Database =" + database + ";UId=x;Pwd=x;");
        return other.Execute(sql).Fields(0).Value().toLong();
    }

    // The articles and equivalences in a stable order, as one fingerprint.
    QByteArray fingerprint()
    {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const char* sql : {"SELECT IdArticulo, Descripcion, IdUnidad FROM V_MA_ARTICULOS ORDER BY IdArticulo",
                                "SELECT IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS FROM S_TA_EQUIV "
                                "ORDER BY IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV"}) {
            for (db::Recordset rows = query(sql); !rows.Eof(); rows.MoveNext()) {
                for (int c = 0; c < rows.FieldCount(); ++c) hash.addData(rows.Fields(c).Value().textOrEmpty().toUtf8());
            }
        }
        return hash.result();
    }

    db::Connection connection;
};

TEST_F(DatosDemoTest, CreatesTheServerAndItsDatabasesOnceThenLeavesThem)
{
    EXPECT_EQ(crearDatosDemo(opciones(40)), 4);
    for (const char* base : {"EMPRESA_DEMO", "TPV01_DEMO", "TPV02_DEMO", "VX_ESTADISTICAS"}) {
        EXPECT_TRUE(QFile::exists(QDir(programFolder()).filePath(QString("datos/%1.sqlite").arg(base)))) << base;
    }
    EXPECT_TRUE(QFile::exists(QDir(programFolder()).filePath("servidores.ini")));
    EXPECT_EQ(crearDatosDemo(opciones(40)), 0);
}

TEST_F(DatosDemoTest, TheCompanyHasArticlesUnitsEquivalencesAndASignedUser)
{
    crearDatosDemo(opciones(200));
    EXPECT_EQ(query("SELECT COUNT(*) FROM V_MA_ARTICULOS").Fields(0).Value().toLong(), 200);
    EXPECT_EQ(query("SELECT COUNT(*) FROM V_MA_ARTICULOS WHERE IdUnidad NOT IN (SELECT IdUnidad FROM V_TA_UNIDAD)")
                  .Fields(0)
                  .Value()
                  .toLong(),
              0);
    for (const char* unidad : {"UN", "KG", "GR", "LT", "ML", "CJ", "DOC", "M", "M2", "PAQ"}) {
        EXPECT_FALSE(query(QString("SELECT * FROM V_TA_UNIDAD WHERE LTRIM(IdUnidad) = '%1'").arg(unidad)).Eof())
            << unidad;
    }
    EXPECT_GT(query("SELECT COUNT(*) FROM S_TA_EQUIV WHERE PARATODOS = 1").Fields(0).Value().toLong(), 0);
    EXPECT_GT(query("SELECT COUNT(*) FROM S_TA_EQUIV WHERE PARATODOS IS NULL").Fields(0).Value().toLong(), 0);
    db::Recordset usuario = query("SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'ADMIN'");
    ASSERT_FALSE(usuario.Eof());
    EXPECT_EQ(QvFunciones::Desencriptar(usuario.Fields("Password").Value().toText()), kClaveDemo);
    EXPECT_FALSE(query("SELECT * FROM TA_TAREAS INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
                       "WHERE TA_TAREAS.USUARIO = 'ADMIN' AND TA_MENU.Proceso LIKE '%equivalencias%'")
                     .Eof());
    EXPECT_EQ(query("SELECT COUNT(*) FROM V_TA_TPV").Fields(0).Value().toLong(), 2);
}

// The demo company's search index holds every article, as the program would
// have taken them in: each run is found in exactly the articles whose
// description or code holds it, and no article is left noted.
TEST_F(DatosDemoTest, TheDemoCompanysSearchIndexHoldsEveryArticle)
{
    crearDatosDemo(opciones(200));
    EXPECT_EQ(query("SELECT COUNT(*) FROM V_MA_ARTICULOS_CAMBIOS").Fields(0).Value().toLong(), 0);
    for (const QString fragmento : {"tor", "ó", "a", "2,", "-0"}) {
        const long enLaTabla = query("SELECT COUNT(*) FROM V_MA_ARTICULOS WHERE Descripcion LIKE '%" + fragmento
                                     + "%' OR IdArticulo LIKE '%" + fragmento + "%'")
                                   .Fields(0)
                                   .Value()
                                   .toLong();
        EXPECT_GT(enLaTabla, 0) << fragmento.toStdString();
        EXPECT_EQ(query("SELECT COUNT(*) FROM V_MA_ARTICULOS_INDICE WHERE V_MA_ARTICULOS_INDICE MATCH '\""
                        + db::fragmentToken(fragmento) + "\"'")
                      .Fields(0)
                      .Value()
                      .toLong(),
                  enLaTabla)
            << fragmento.toStdString();
    }
}

// Replaced while a program has the company open, as another clerk's may be.
TEST_F(DatosDemoTest, TheSameSizeGivesTheSameDataAndAReplacementReachesAProgramThatHasItOpen)
{
    const auto replace = [this](int articulos) {
        OpcionesDemo nuevas = opciones(articulos);
        nuevas.reemplazar = true;
        crearDatosDemo(nuevas);
    };
    crearDatosDemo(opciones(300));
    const QByteArray first = fingerprint();
    replace(40);
    EXPECT_EQ(query("SELECT COUNT(*) FROM V_MA_ARTICULOS").Fields(0).Value().toLong(), 40);
    replace(300);
    EXPECT_EQ(fingerprint(), first);
}

TEST_F(DatosDemoTest, AnEquivalenceSavedInTheDemoCompanyReachesBothDemoPointsOfSale)
{
    crearDatosDemo(opciones(40));
    const QString articulo =
        query("SELECT IdArticulo FROM V_MA_ARTICULOS ORDER BY IdArticulo").Fields(0).Value().toText();
    DB_Dll& empresa = gBaseDatos();
    empresa.gServidor = kServidorDemo;
    empresa.gDBName = empresa.gUsuario = empresa.gUserPassWord = kEmpresaDemo;
    empresa.OpenServerADODB(false, 3, {}, true, true);
    ASSERT_EQ(empresa.gCnn.State(), db::ado::adStateOpen);
    Service<Replicacion>::install(std::make_unique<ReplicaGrupo>(gBaseDatos()));

    empresa.EjecutaConsultaSQL("INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE) VALUES ("
                               + EntreComillas(articulo) + ", 'DOC', 'UN', 12)");
    ActualizaGEmpresas("S_TA_EQUIV", 1, EntreComillas(articulo), "'DOC'", "'UN'");
    for (const char* puntoDeVenta : {"TPV01_DEMO", "TPV02_DEMO"}) {
        EXPECT_EQ(countIn(puntoDeVenta, "SELECT COUNT(*) FROM S_TA_EQUIV WHERE IDUNIDAD = 'DOC' AND COEFICIENTE = 12"),
                  1)
            << puntoDeVenta;
    }
    EXPECT_TRUE(operador->boxes().isEmpty());
    gBaseDatos() = DB_Dll(std::make_unique<ManejoInteractivo>());
}

TEST_F(DatosDemoTest, TheDemoCompanyIsRegisteredOnceForTheLoginWindow)
{
    writeProgramFile("BASES.TXT", "EMP01 / SRV1,EMP01,EMP01," + QvFunciones::Encriptar("EMP01") + ",SRV1\r\n");
    crearDatosDemo(opciones(40));
    crearDatosDemo(opciones(40));

    const auto conexiones = BasesRegistradas::EnCarpeta(programFolder()).conexiones();
    ASSERT_TRUE(conexiones.has_value());
    ASSERT_EQ(conexiones->size(), 2) << "the connections already there stay, the demo's comes once";
    const ConexionRegistrada& demo = conexiones->at(1);
    EXPECT_EQ(demo.nombre, "EMPRESA_DEMO / LOCAL");
    EXPECT_EQ(demo.base, kEmpresaDemo);
    EXPECT_EQ(demo.login, kEmpresaDemo);
    EXPECT_EQ(demo.password, kEmpresaDemo);
    EXPECT_EQ(demo.servidor, kServidorDemo);
}

TEST_F(DatosDemoTest, TheDemoServerIsAddedToAServerRegistryThatLacksIt)
{
    const QString otro = "[PG]\nmotor=odbc\ncadena=Driver=PostgreSQL Unicode;Database={base};\n";
    writeProgramFile("servidores.ini", "; Servidores de la suite\n" + otro);
    crearDatosDemo(opciones(40));
    crearDatosDemo(opciones(40));

    QFile registro(QDir(programFolder()).filePath("servidores.ini"));
    ASSERT_TRUE(registro.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(registro.readAll());
    EXPECT_TRUE(texto.startsWith("; Servidores de la suite\n" + otro)) << texto.toStdString();
    EXPECT_EQ(texto.count("[LOCAL]"), 1);
    EXPECT_EQ(query("SELECT COUNT(*) FROM V_MA_ARTICULOS").Fields(0).Value().toLong(), 40)
        << "the demo company opens through the server added";
}

TEST_F(DatosDemoTest, TheLookupsHaveFamiliesInThreeLevelsSuspendedArticlesAndTheirOwnTables)
{
    crearDatosDemo(opciones(200));
    const auto count = [this](const QString& sql) { return query(sql).Fields(0).Value().toLong(); };
    EXPECT_EQ(count("SELECT COUNT(*) FROM V_TA_FAMILIAS WHERE LEN(IdFamilia) = 3"), 8);
    EXPECT_GT(count("SELECT COUNT(*) FROM V_TA_FAMILIAS WHERE LEN(IdFamilia) = 7"), 100);
    EXPECT_EQ(count("SELECT COUNT(*) FROM V_MA_ARTICULOS WHERE IdFamilia NOT IN (SELECT IdFamilia FROM V_TA_FAMILIAS)"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM V_MA_ARTICULOS WHERE Suspendido = 1"), 4);
    for (const char* table : {"V_TA_DEPOSITO", "VT_CLIENTES", "VT_PROVEEDORES", "V_TA_VENDEDORES", "V_TA_TECNICOS",
                              "V_TA_TAREAS", "MA_CUENTAS"}) {
        EXPECT_GT(count(QString("SELECT COUNT(*) FROM %1").arg(table)), 0) << table;
    }
}
