#include "platform/VbText.h"
#include "platform/db/Connection.h"
#include "platform/db/ConnectionCore.h"
#include "platform/db/engines/SqliteFunctions.h"
#include "platform/db/tsql/PostgresDialect.h"
#include "support/DatabaseTest.h"
#include "support/QStringPrinter.h"

#include <QDateTime>

#include <algorithm>
#include <cstdlib>
#include <vector>

// The statements the system builds, written exactly as it builds them (sample
// codes where it puts values), run through the connection on every engine:
// they must execute and give the rows SQL Server would. Codes are stored as
// the system writes them: trimmed, or right-aligned with leading blanks.

namespace {

using Row = QStringList;
using Rows = std::vector<Row>;

const QString kNull = QStringLiteral("<NULL>");
constexpr char kDatabase[] = "EMP01";

// {ci} is a text column that ignores case in comparisons, as the suite's SQL
// Server columns do; {key} an integer key that numbers rows inserted without one.
const QStringList kSchema = {
    "CREATE TABLE V_TA_Unidad (IdUnidad {ci}, Descripcion {ci})",
    "CREATE TABLE V_MA_ARTICULOS (IdArticulo {ci}, Descripcion {ci}, IdUnidad {ci}, SUSPENDIDO smallint NOT NULL "
    "DEFAULT 0)",
    "CREATE VIEW VT_MA_ARTICULOS AS SELECT * FROM V_MA_ARTICULOS",
    "CREATE TABLE S_TA_EQUIV (ID {key}, IDARTICULO {ci}, IDUNIDAD {ci}, IDUNIDAD_EQUIV {ci}, COEFICIENTE numeric,"
    " PARATODOS smallint)",
    "CREATE TABLE TA_CONFIGURACION (GRUPO {ci}, CLAVE {ci}, VALOR {ci}, VALORAUX {ci}, PoliticaNegocio smallint)",
    "CREATE TABLE TA_USUARIOS (NOMBRE {ci}, SISTEMA {ci}, Password {ci}, Administrador smallint)",
    "CREATE TABLE TA_TAREAS (USUARIO {ci}, TAREA {ci})",
    "CREATE TABLE TA_MENU (Clave {ci}, Proceso {ci}, Nombre {ci})",
    "CREATE TABLE Control_Acceso (Maquina {ci}, Usuario {ci}, Formulario {ci}, Tarea {ci}, Ingreso {ci}, NombreUsuario "
    "{ci})",
    "CREATE TABLE AUX_ERR (ID {key}, Proceso {ci}, fecha {ci}, Error integer, Descripcion {ci}, sql {ci}, PC {ci}, "
    "Usuario {ci})",
    "CREATE TABLE V_MV_CPTEACCIONES (TC {ci}, IdComprobante {ci}, IdComplemento integer, Tipo_accion {ci}, FECHAHORA "
    "{ci}, Usuario {ci},"
    " PC {ci}, SYSTEMUSER {ci}, Proceso {ci}, ProcesoLote {ci}, Cuenta {ci})",
    "CREATE TABLE V_TA_TPV (CODIGO {ci}, INTERNET smallint, BAJA smallint, Descripcion {ci}, CONECTADO smallint, "
    "ULTIMA_DETECCION {ci})",
    "CREATE TABLE V_TA_FAMILIAS (IdFamilia {ci}, Descripcion {ci})",
    "CREATE TABLE VT_CLIENTES (CODIGO {ci}, TELEFONO {ci}, RAZON_SOCIAL {ci})",
    "CREATE TABLE V_MV_CPTE (IDCOMPROBANTE {ci}, TELEFONO {ci}, NOMBRE {ci}, CUENTA {ci})",
    "CREATE TABLE ma_destinatarios (Nombre {ci}, Domicilio {ci}, Cliente {ci}, Codigo {ci}, Sucursal {ci})",
    "INSERT INTO V_TA_Unidad VALUES ('UN', 'Unidad'), ('CJ', 'Caja'), ('KG', 'Kilogramo'), ('   7', 'Siete'), ('  12', "
    "'Doce')",
    "INSERT INTO V_MA_ARTICULOS (IdArticulo, Descripcion, IdUnidad, SUSPENDIDO) VALUES"
    " ('A1', 'Tornillo', 'UN', 0), ('A2', 'Tuerca', 'CJ', 0), ('A3', 'Clavo', 'KG', 0), ('0999', 'Arandela', 'UN', 1)",
    // IDs 1 to 5, in this order.
    "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) VALUES"
    " ('A1', 'UN', 'CJ', 12, NULL), ('A1', 'UN', 'KG', 0.5, NULL),"
    " ('A2', 'UN', 'CJ', 12, 1), ('A3', 'UN', 'CJ', 10, 1), ('0999', 'UN', 'CJ', 12, 1)",
};

QString shown(const Variant& value) { return value.isNull() ? kNull : value.toText(); }

Rows sorted(Rows rows)
{
    std::ranges::sort(rows, [](const Row& a, const Row& b) { return a.join('|') < b.join('|'); });
    return rows;
}

// The values of one column of the rows.
QStringList column(const Rows& rows, int index)
{
    QStringList values;
    for (const Row& row : rows) values << row.at(index);
    return values;
}

class SystemStatementsTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        createBareDatabase(kDatabase);
        connection.Open(connectionText(kDatabase));
        for (const QString& statement : kSchema)
            native(QString(statement).replace("{ci}", caseInsensitiveText()).replace("{key}", generatedKey()));
    }

    QString caseInsensitiveText() const
    {
        return QString("text COLLATE ")
               + (onSqlite() ? db::CaseInsensitiveCollation : db::PostgresCaseInsensitiveCollation);
    }

    QString generatedKey() const { return onSqlite() ? "integer PRIMARY KEY" : "serial PRIMARY KEY"; }

    // Runs a T-SQL batch as the system does; the rows of its first statement that gives rows.
    Rows run(const QString& tsql)
    {
        db::Recordset result = connection.Execute(tsql, changed);
        Rows rows;
        if (result.State() != db::ado::adStateOpen) return rows;
        for (; !result.Eof(); result.MoveNext()) {
            Row row;
            for (int c = 0; c < result.FieldCount(); ++c) row << shown(result.Fields(c).Value());
            rows.push_back(row);
        }
        return rows;
    }

    // Runs the engine's own text (test rows and checks) as it is.
    Rows native(const QString& sql)
    {
        Rows rows;
        for (const QVector<Variant>& values : connection.core()->engine->run(sql).rows) {
            Row row;
            for (const Variant& value : values) row << shown(value);
            rows.push_back(row);
        }
        return rows;
    }

    db::Connection connection;
    long changed = 0;  // rows the last run changed
};

}  // namespace

TEST_P(SystemStatementsTest, EquivalencesOfOneArticleComeWithTheirDescriptions)
{
    const QString code = "A1";
    const QString sql = QString(" SELECT S_TA_EQUIV.ID, S_TA_EQUIV.IDARTICULO,V_MA_ARTICULOS.DESCRIPCION AS DESCRARTICULO, "
                                "S_TA_EQUIV.IDUNIDAD,V_TA_Unidad.Descripcion AS Descripcion,S_TA_EQUIV.IDUNIDAD_EQUIV, ")
                        + " V_TA_Unidad1.Descripcion AS DescripcionEquiv, S_TA_EQUIV.COEFICIENTE FROM S_TA_EQUIV LEFT OUTER JOIN V_TA_Unidad "
                          "ON S_TA_EQUIV.IDUNIDAD = V_TA_Unidad.IdUnidad LEFT OUTER JOIN "
                        + " V_TA_Unidad V_TA_Unidad1 ON S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad LEFT OUTER Join V_MA_ARTICULOS "
                          "ON S_TA_EQUIV.IdArticulo = V_MA_ARTICULOS.IdArticulo"
                        + " WHERE (S_TA_EQUIV.IDARTICULO = '" + code + "') ";
    EXPECT_EQ(sorted(run(sql)), Rows({{"1", "A1", "Tornillo", "UN", "Unidad", "CJ", "Caja", "12"},
                                      {"2", "A1", "Tornillo", "UN", "Unidad", "KG", "Kilogramo", "0.5"}}));
}

TEST_P(SystemStatementsTest, GenericEquivalencesAreListedOncePerPairAndCoefficient)
{
    const QString sql = QString("SELECT dbo.S_TA_EQUIV.IDUNIDAD, ") + "dbo.V_TA_Unidad.Descripcion AS Descripcion, "
                        + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, " + "V_TA_Unidad1.Descripcion AS DescripcionEquiv, "
                        + "dbo.S_TA_EQUIV.COEFICIENTE " + "FROM dbo.S_TA_EQUIV INNER JOIN " + "dbo.V_TA_Unidad ON "
                        + "dbo.S_TA_EQUIV.IDUNIDAD = dbo.V_TA_Unidad.IdUnidad INNER " + " Join "
                        + "dbo.V_TA_Unidad V_TA_Unidad1 ON " + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad "
                        + "Where (dbo.S_TA_EQUIV.ParaTodos = 1) " + "GROUP BY dbo.S_TA_EQUIV.IDUNIDAD, "
                        + "dbo.V_TA_Unidad.Descripcion, " + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, "
                        + "V_TA_Unidad1.Descripcion , dbo.S_TA_EQUIV.COEFICIENTE ";
    EXPECT_EQ(sorted(run(sql)), Rows({{"UN", "Unidad", "CJ", "Caja", "10"}, {"UN", "Unidad", "CJ", "Caja", "12"}}));
}

TEST_P(SystemStatementsTest, SavingReadsTheRowsItWritesAndDeletesOnlyGenericOnes)
{
    EXPECT_EQ(run("SELECT TOP 1 * FROM S_TA_EQUIV").size(), 1u);
    const QString u = "un";
    const QString e = "CJ";
    const Rows reached = run("SELECT * FROM V_MA_ARTICULOS WHERE IDUNIDAD = '" + u + "' or IDUNIDAD = '" + e + "'");
    EXPECT_EQ(column(sorted(reached), 0), QStringList({"0999", "A1", "A2"}));
    const Rows row = run("SELECT * FROM S_TA_EQUIV WHERE IDARTICULO = '" + QString("A2") + "' AND IDUNIDAD = '" + u
                         + "' AND IDUNIDAD_EQUIV = '" + e + "'");
    EXPECT_EQ(column(row, 0), QStringList({"3"}));

    run("DELETE S_TA_EQUIV WHERE PARATODOS = 1 AND IDUNIDAD = '" + u + "' AND IDUNIDAD_EQUIV = '" + e + "'");
    EXPECT_EQ(changed, 3);
    EXPECT_EQ(column(sorted(native("SELECT ID FROM S_TA_EQUIV")), 0), QStringList({"1", "2"}));
}

TEST_P(SystemStatementsTest, TheScriptRunnerTransactionIsRolledBackOrCommitted)
{
    const QString insert =
        "INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) "
        "VALUES ('PC1','ANA','EQUIVALENCIAS','EQUIVALENCIAS','31/12/25 10:30','ana')";
    const QString script = QString("BEGIN TRANSACTION ") + "\r" + "\r" + "\r" + insert + "\r";
    run(script);
    run("ROLLBACK TRANSACTION");
    EXPECT_EQ(native("SELECT count(*) FROM Control_Acceso"), Rows({{"0"}}));
    run(script);
    run("COMMIT TRANSACTION");
    EXPECT_EQ(native("SELECT Maquina, NombreUsuario FROM Control_Acceso"), Rows({{"PC1", "ana"}}));
}

TEST_P(SystemStatementsTest, RecordLookupsFindTrimmedCodesAndExtremes)
{
    EXPECT_EQ(column(run(QString("SELECT TOP 1  * FROM ") + "V_MA_ARTICULOS" + " with(nolock)  WHERE LTRIM(RTRIM("
                         + "IdArticulo" + ")) ='" + "A2" + "'"),
                     1),
              QStringList({"Tuerca"}));
    const QString condition = " IDARTICULO = 'A1' AND IDUNIDAD = 'UN' AND IDUNIDAD_EQUIV = 'KG'";
    EXPECT_EQ(column(run("SELECT TOP 1 * FROM S_TA_EQUIV with(nolock)  WHERE " + condition), 0), QStringList({"2"}));
    EXPECT_EQ(column(run("SELECT TOP 1 * FROM v_ta_unidad with(nolock)  WHERE LTRIM(RTRIM(idunidad)) ='CJ' "), 1),
              QStringList({"Caja"}));
    EXPECT_EQ(run("SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = 'A3'"), Rows({{"KG"}}));
    EXPECT_EQ(run("SELECT MAX(IdArticulo) AS MAYOR FROM V_MA_ARTICULOS WHERE substring(ltrim(idarticulo),1,1)<>'0'"),
              Rows({{"A3"}}));
    EXPECT_EQ(run("SELECT MIN(COEFICIENTE) AS MENOR FROM S_TA_EQUIV  with(nolock) "), Rows({{"0.5"}}));
}

TEST_P(SystemStatementsTest, ConfigurationReadsAndTheCachePreload)
{
    const QString longValue(8001, u'a');
    native(
        "INSERT INTO TA_CONFIGURACION VALUES ('VENTAS', 'TOPCONSART', '250', 'aux', 0), ('DATOS', 'THEME', '2', NULL, "
        "0),"
        " ('DATOS', 'LARGO', '"
        + longValue + "', 'x', 0)");
    EXPECT_EQ(run("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TopConsArt'"),
              Rows({{"250", "aux"}}));
    EXPECT_EQ(
        run("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TopConsArt' AND GRUPO ='DATOS'"),
        Rows());
    EXPECT_EQ(column(run("SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'THEME'"), 2), QStringList({"2"}));

    const QString preload = QString("SELECT CLAVE, GRUPO,") + " CASE WHEN DATALENGTH(VALOR) > " + "8000"
                            + " THEN NULL ELSE VALOR END AS VALOR," + " CASE WHEN DATALENGTH(VALORAUX) > " + "8000"
                            + " THEN NULL ELSE VALORAUX END AS VALORAUX," + " CASE WHEN DATALENGTH(VALOR) > " + "8000"
                            + " OR DATALENGTH(VALORAUX) > " + "8000" + " THEN 1 ELSE 0 END AS Excedido,"
                            + " DATALENGTH(VALOR) AS BytesValor, DATALENGTH(VALORAUX) AS BytesValorAux" + " FROM "
                            + "ta_configuracion" + " with(nolock)";
    EXPECT_EQ(sorted(run(preload)), Rows({{"LARGO", "DATOS", kNull, "x", "1", "8001", "1"},
                                          {"THEME", "DATOS", "2", kNull, "0", "1", kNull},
                                          {"TOPCONSART", "VENTAS", "250", "aux", "0", "3", "3"}}));
}

TEST_P(SystemStatementsTest, UserTaskAndAuditStatements)
{
    native("INSERT INTO TA_USUARIOS VALUES ('ANA', 'du000ra', 'x', 1)");
    native("INSERT INTO TA_TAREAS VALUES ('ANA', 'D0101'), ('ANA', 'D010301')");
    native("INSERT INTO TA_MENU VALUES ('D0101', 'C:\\QURO\\Equivalencias.exe', 'Equivalencias de unidades')");
    EXPECT_EQ(column(run("Select * from ta_usuarios  with(nolock)  where Nombre = '" + QString("ana") + "'"), 0),
              QStringList({"ANA"}));

    const QString user = "ANA";
    const QString task = "equivalencias";
    const QString menu = QString("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ")
                         + " FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
                         + " WHERE (TA_TAREAS.USUARIO = '" + user + " ') AND (TA_MENU.Proceso LIKE '%" + task + "%')";
    EXPECT_EQ(column(run(menu), 3), QStringList({"Equivalencias de unidades"}));
    EXPECT_EQ(run("SELECT tarea FROM ta_tareas where tarea = 'D010301' and usuario = 'ANA'"), Rows({{"D010301"}}));

    run(" INSERT INTO V_MV_CPTEACCIONES "
        "(TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,SYSTEMUSER,Proceso,"
        "ProcesoLote,Cuenta) VALUES ('    ','',0,'A','31/12/2025 10:30:00','ANA','PC1','Intento de inicio de sesion "
        "fallido',"
        "'Equivalencias ','','')");
    EXPECT_EQ(native("SELECT Tipo_accion, SYSTEMUSER, TC, Proceso FROM V_MV_CPTEACCIONES"),
              Rows({{"A", "Intento de inicio de sesion fallido", "    ", "Equivalencias "}}));
    EXPECT_EQ(run("select  top 1 * from AUX_ERR  with(nolock) "), Rows());
}

TEST_P(SystemStatementsTest, ServerDateIsTodaysDateAndTime)
{
    const Rows rows = run("select  getDate() as fecha");
    ASSERT_EQ(rows.size(), 1u);
    const auto date = vb::ParseDate(rows[0][0]);
    ASSERT_TRUE(date.has_value()) << rows[0][0].toStdString();
    // Whatever time zone the server keeps, it is the same day give or take.
    constexpr qint64 kOneDay = 24 * 60 * 60;
    EXPECT_LT(std::abs(date->secsTo(QDateTime::currentDateTime())), kOneDay) << rows[0][0].toStdString();
}

TEST_P(SystemStatementsTest, PointsOfSaleAreListedAndMarked)
{
    native(
        "INSERT INTO V_TA_TPV VALUES ('0002', 0, 0, 'Centro', 0, NULL), ('0001', 0, 0, 'Norte', 0, NULL),"
        " ('0003', 1, 0, 'Web', 0, NULL), ('0004', 0, 1, 'Baja', 0, NULL)");
    EXPECT_EQ(column(run("SELECT * FROM V_TA_TPV  with(nolock)  WHERE INTERNET = 0 AND BAJA = 0 ORDER BY CODIGO "), 0),
              QStringList({"0001", "0002"}));
    run("UPDATE V_TA_TPV SET CONECTADO = 1 WHERE CODIGO = '" + QString("0001") + "'");
    run("UPDATE V_TA_TPV SET CONECTADO = 0, ULTIMA_DETECCION = '" + QString("31/12/2025 10:30:00")
        + "' WHERE CODIGO = '" + "0002" + "'");
    EXPECT_EQ(
        native(
            "SELECT CODIGO, CONECTADO, ULTIMA_DETECCION FROM V_TA_TPV WHERE INTERNET = 0 AND BAJA = 0 ORDER BY CODIGO"),
        Rows({{"0001", "1", kNull}, {"0002", "0", "31/12/2025 10:30:00"}}));
}

TEST_P(SystemStatementsTest, ReplicationReadsInsertsUpdatesAndDeletesByKey)
{
    const QString where = " WHERE IDARTICULO = 'A1' AND IDUNIDAD = 'UN' AND IDUNIDAD_EQUIV = 'CJ'";
    const QString columns = "IDARTICULO,IDUNIDAD,IDUNIDAD_EQUIV,COEFICIENTE,PARATODOS";
    EXPECT_EQ(run("SELECT " + columns + " FROM [" + kDatabase + "].DBO." + "S_TA_EQUIV" + where),
              Rows({{"A1", "UN", "CJ", "12", kNull}}));
    EXPECT_EQ(run("SELECT * FROM  S_TA_EQUIV" + where).size(), 1u);

    const QString target = " WHERE IDARTICULO = 'B7' AND IDUNIDAD = 'UN' AND IDUNIDAD_EQUIV = 'CJ'";
    run("INSERT INTO S_TA_EQUIV(" + columns + ") " + " VALUES (" + "'B7','UN','CJ',12,Null" + ")");
    run("UPDATE S_TA_EQUIV SET COEFICIENTE=24  " + target);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(native("SELECT COEFICIENTE, PARATODOS FROM S_TA_EQUIV" + target), Rows({{"24", kNull}}));
    run("DELETE S_TA_EQUIV" + target);
    EXPECT_EQ(native("SELECT count(*) FROM S_TA_EQUIV" + target), Rows({{"0"}}));
}

TEST_P(SystemStatementsTest, BaseIdentifierIsInsertedOnceThenUpdated)
{
    const QString insert = QString("IF NOT EXISTS(SELECT 1 FROM TA_CONFIGURACION WHERE CLAVE = 'QUROCORE_IDBASE') ")
                           + "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('DATOS', 'QUROCORE_IDBASE', '"
                           + "7" + "')";
    run(insert);
    run(insert);
    run("UPDATE TA_CONFIGURACION SET VALOR = '" + QString("8") + "' WHERE CLAVE = 'QUROCORE_IDBASE'");
    EXPECT_EQ(native("SELECT GRUPO, VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'QUROCORE_IDBASE'"),
              Rows({{"DATOS", "8"}}));
}

TEST_P(SystemStatementsTest, AddedColumnTakesItsDefault)
{
    run("ALTER TABLE dbo.S_TA_EQUIV ADD Activo bit Not Null  CONSTRAINT DF_S_TA_EQUIV_Activo DEFAULT (1)");
    // A bit reads as a Boolean on one engine and as a number on another: count instead.
    EXPECT_EQ(native("SELECT count(*) FROM S_TA_EQUIV WHERE Activo = 1"), Rows({{"5"}}));
    EXPECT_EQ(native("SELECT count(*) FROM S_TA_EQUIV WHERE Activo <> 1"), Rows({{"0"}}));
}

TEST_P(SystemStatementsTest, LookupStatementsLimitFilterAndOrder)
{
    EXPECT_EQ(run("SELECT TOP 2 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 ORDER "
                  "BY DESCRIPCION"),
              Rows({{"Clavo", "A3"}, {"Tornillo", "A1"}}));
    EXPECT_EQ(run("SELECT top 1000 V_MA_ARTICULOS.DESCRIPCION,V_MA_ARTICULOS.IDARTICULO FROM V_MA_ARTICULOS "
                  "with(nolock)   WHERE "
                  "V_MA_ARTICULOS.DESCRIPCION LIKE '%tor%' "),
              Rows({{"Tornillo", "A1"}}));
    EXPECT_EQ(run("select top 1 * from V_TA_Unidad").size(), 1u);
    EXPECT_EQ(column(run("SELECT TOP 3 Descripcion,IdUnidad FROM V_TA_Unidad ORDER BY IdUnidad"), 0),
              QStringList({"Siete", "Doce", "Caja"}));
}

TEST_P(SystemStatementsTest, NextCodeIsTheHighestRightAlignedOne)
{
    EXPECT_EQ(run("SELECT MAX(IdUnidad) as IdUnidad FROM V_TA_Unidad where (left(IdUnidad,1) = ' ' or left(IdUnidad,1) "
                  "= '9') "),
              Rows({{"  12"}}));
}

TEST_P(SystemStatementsTest, FamilyTreeFindsEachFamilysParent)
{
    native(
        "INSERT INTO V_TA_FAMILIAS VALUES ('02', 'Pinturas'), ('0101', 'Tornillos'), ('01', 'Ferreteria'), ('0102', "
        "'Clavos')");
    const QString families =
        QString("SELECT     TOP 100 PERCENT IdFamilia, Descripcion, ")
        + "(SELECT     TOP 1 idfamilia FROM v_ta_familias a  "
        + " Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) "
        + " ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia";
    EXPECT_EQ(run(families), Rows({{"01", "Ferreteria", kNull},
                                   {"0101", "Tornillos", "01"},
                                   {"0102", "Clavos", "01"},
                                   {"02", "Pinturas", kNull}}));
}

TEST_P(SystemStatementsTest, TelephoneSearchJoinsNamesAndKeepsOnlyNumbers)
{
    native(
        "INSERT INTO VT_CLIENTES VALUES ('C1', '4521-3344', ' Ferreteria Sur '), ('C2', 'TEL 4521-3344', 'Letras'),"
        " ('C3', '4521', 'Corto'), ('C4', '011 4521 9988', NULL)");
    native(
        "INSERT INTO V_MV_CPTE VALUES ('F001', '4521-7777', 'Juan', 'C1'), ('F002', '4521-8888', 'Otra cuenta', 'C9')");
    const QString digits =
        "(LEN(TELEFONO) - LEN(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(TELEFONO,"
        "'0',''),'1',''),'2',''),'3',''),'4',''),'5',''),'6',''),'7',''),'8',''),'9',''))) >= 6";
    const QString c = QString("TELEFONO IS NOT NULL AND TELEFONO NOT LIKE '%[a-zA-Z]%' AND ") + digits;
    const QString table = "(SELECT CODIGO, (TELEFONO + ISNULL(' - ' + NULLIF(LTRIM(RTRIM(RAZON_SOCIAL)), ''), '')) AS TELEFONO FROM VT_CLIENTES WHERE "
                          + c + " "
                          + "UNION SELECT DISTINCT IDCOMPROBANTE AS CODIGO, (TELEFONO + ISNULL(' - ' + NULLIF(LTRIM(RTRIM(NOMBRE)), ''), '')) "
                            "AS TELEFONO FROM V_MV_CPTE WHERE CUENTA = '"
                          + "C1" + "' AND " + c + ") AS X";
    const QString b = "4521";
    const QString search = "select top 100 TELEFONO,CODIGO from " + table + " where (TELEFONO like '%" + b
                           + "%' or CODIGO like '%" + b + "%' )  " + "" + " order by TELEFONO";
    EXPECT_EQ(run(search),
              Rows({{"011 4521 9988", "C4"}, {"4521-3344 - Ferreteria Sur", "C1"}, {"4521-7777 - Juan", "F001"}}));
}

TEST_P(SystemStatementsTest, ConsigneeIdJoinsItsThreeTextCodes)
{
    native(
        "INSERT INTO ma_destinatarios VALUES ('Avenida Peña', 'Calle 1', '0001', 'DEST000000000001', 'SUC001'),"
        " ('Avenida Central', 'Calle 2', '0002', 'DEST000000000002', 'SUC001')");
    const QString texto = "PEÑA";
    EXPECT_EQ(
        run("SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios WHERE Nombre LIKE '%"
            + texto + "%'  "),
        Rows({{"Avenida Peña", "Calle 1", "0001DEST000000000001SUC001"}}));
}

ON_EVERY_ENGINE(SystemStatementsTest);
