#include "database/DB_Dll.h"
#include "platform/db/StatementLog.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/Configuracion.h"
#include "session/Sesion.h"
#include "session/TextoABooleano.h"
#include "support/DatabaseTest.h"

class ConfiguracionTest : public EveryEngineTest {
protected:
    void SetUp() override
    {
        EveryEngineTest::SetUp();
        if (IsSkipped()) return;
        openCompany();
        base.gCnn.setStatementLog(&log);
    }

    void setting(const QString& grupo, const QString& clave, const QString& valor, const QString& aux = "NULL")
    {
        base.gCnn.Execute("INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR, VALORAUX) VALUES ('" + grupo + "', '"
                          + clave + "', '" + valor + "', " + aux + ")");
    }

    QString stored(const QString& clave)
    {
        db::Recordset fila = base.gCnn.Execute("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = '" + clave + "'");
        return fila.Eof() ? QString("<none>") : fila.Fields(0).Value().textOrEmpty();
    }

    bool queried(const QString& clave) const
    {
        return std::any_of(log.entries().begin(), log.entries().end(),
                           [&](const auto& e) { return e.original.contains("CLAVE = '" + clave + "'"); });
    }

    DB_Dll& base = gBaseDatos();
    db::StatementLog log;
};

TEST_P(ConfiguracionTest, AMissingKeyReadsAsOneBlankAndThemeAsOne)
{
    QString aux = "previo";
    EXPECT_EQ(Cfg("NOEXISTE", aux), " ");
    EXPECT_EQ(aux, "");
    EXPECT_EQ(log.entries().last().original,
              "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'NOEXISTE'");
    EXPECT_EQ(Cfg("THEME"), "1");
    setting("DATOS", "THEME", "   ");
    EXPECT_EQ(Cfg("theme"), "1");
}

TEST_P(ConfiguracionTest, TheDatosGroupFindsAnyGroupAndAnotherGroupOnlyItsOwn)
{
    setting("VENTAS", "DESCUENTO", "10", "'tope'");
    setting("DATOS", "RECARGO", "5");
    QString aux;
    EXPECT_EQ(Cfg("DESCUENTO", aux, "DATOS"), "10");
    EXPECT_EQ(aux, "tope");
    EXPECT_EQ(Cfg("RECARGO", aux, "VENTAS"), " ");
    EXPECT_EQ(log.entries().last().original,
              "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'RECARGO' AND GRUPO ='VENTAS'");
    EXPECT_EQ(Cfg("DESCUENTO", aux, "ventas"), "10");
}

TEST_P(ConfiguracionTest, AClosedDatabaseReadsEmpty)
{
    base.gCnn.Close();
    EXPECT_EQ(Cfg("THEME"), "");
    QString aux;
    EXPECT_EQ(CfgVX("TimeOut", aux), "") << "the statistics database is not open yet";
}

TEST_P(ConfiguracionTest, GrabaCfgAddsOrReplacesAndTrims)
{
    GrabaCfg("  nueva ", "  valor  ", " aux ", true);
    db::Recordset fila = base.gCnn.Execute("SELECT * FROM TA_CONFIGURACION");
    EXPECT_EQ(fila.Fields("GRUPO").Value().toText(), "DATOS");
    EXPECT_EQ(fila.Fields("CLAVE").Value().toText(), "NUEVA");
    EXPECT_EQ(fila.Fields("VALOR").Value().toText(), "valor");
    EXPECT_EQ(fila.Fields("VALORAUX").Value().toText(), "aux");
    EXPECT_TRUE(fila.Fields("PoliticaNegocio").Value().toBool());

    GrabaCfg("NUEVA", 7);
    EXPECT_EQ(stored("NUEVA"), "7");
    EXPECT_EQ(base.gCnn.Execute("SELECT VALORAUX FROM TA_CONFIGURACION").Fields(0).Value().toText(), "aux")
        << "an empty auxiliary value leaves the column as it was";
    EXPECT_EQ(base.gCnn.Execute("SELECT COUNT(*) FROM TA_CONFIGURACION").Fields(0).Value().toLong(), 1);
}

TEST_P(ConfiguracionTest, TheCacheServesReadsUntilAWriteRemovesTheKey)
{
    ProgramasConCacheDeConfiguracion() = {os::executableName()};
    setting("DATOS", "COLOR", "rojo");
    EXPECT_EQ(Cfg("COLOR"), "rojo");
    base.gCnn.Execute("UPDATE TA_CONFIGURACION SET VALOR = 'verde' WHERE CLAVE = 'COLOR'");
    EXPECT_EQ(Cfg("COLOR"), "rojo") << "served from memory";
    GrabaCfg("COLOR", "azul");
    EXPECT_EQ(Cfg("COLOR"), "azul") << "read from the table, not the stale entry";
}

TEST_P(ConfiguracionTest, WithoutTheCacheEveryReadGoesToTheTable)
{
    setting("DATOS", "COLOR", "rojo");
    EXPECT_EQ(Cfg("COLOR"), "rojo");
    base.gCnn.Execute("UPDATE TA_CONFIGURACION SET VALOR = 'verde' WHERE CLAVE = 'COLOR'");
    EXPECT_EQ(Cfg("COLOR"), "verde");
}

TEST_P(ConfiguracionTest, ThePreloadLeavesOverLongValuesToTheTable)
{
    ProgramasConCacheDeConfiguracion() = {os::executableName()};
    setting("DATOS", "CORTA", "abc");
    setting("", "SINGRUPO", "x");
    setting("DATOS", "LARGA", QString(8001, u'x'));
    CfgCachePrecargarConfiguracion(true);
    log.clear();
    EXPECT_EQ(Cfg("CORTA"), "abc");
    EXPECT_EQ(Cfg("SINGRUPO"), "x") << "a blank group is kept as DATOS";
    EXPECT_TRUE(log.entries().isEmpty());
    EXPECT_EQ(Cfg("LARGA").size(), 8001);
    EXPECT_TRUE(queried("LARGA"));
}

TEST_P(ConfiguracionTest, TheStatisticsDatabaseHasItsOwnSettings)
{
    createStatisticsDatabase("VX_ESTADISTICAS");
    DB_Dll& vx = gBaseDatosVX();
    vx.gServidor = kServer;
    vx.gDBName = vx.gUsuario = "VX_ESTADISTICAS";
    vx.gUserPassWord = kStatisticsPassword;
    vx.OpenServerADODB(false, 3, {}, true, false);
    QString aux;
    EXPECT_EQ(CfgVX("TimeOut", aux), " ");
    GrabaCfgVX("TimeOut", 0, {}, false, "BaseDeDatos", true);
    EXPECT_EQ(CfgVX("timeout", aux), "0");
    EXPECT_EQ(stored("TIMEOUT"), "<none>") << "nothing was written to the company";
}

class CfgMasUsadasTest : public ConfiguracionTest {
protected:
    void load() { CfgMasUsadas(programFolder() + "/"); }
};

TEST_P(CfgMasUsadasTest, EmptyColoursGetTheDefaultsWrittenBack)
{
    load();
    EXPECT_EQ(gSesion().gColorFondoFoco, 16774118);
    EXPECT_EQ(gSesion().gColorTextoFoco, 0);
    EXPECT_EQ(stored("CFONDO"), "16774118");
    EXPECT_EQ(stored("CLETRA"), "0");
    EXPECT_TRUE(gSesion().gConfiguracionCargada);
    EXPECT_EQ(gTablaConfiguracion(), "ta_configuracion");
}

TEST_P(CfgMasUsadasTest, YellowAndBlackBackgroundsAreReplaced)
{
    setting("DATOS", "CFondo", "16776960");
    setting("DATOS", "CLetra", "255");
    load();
    EXPECT_EQ(gSesion().gColorFondoFoco, 16774118);
    EXPECT_EQ(gSesion().gColorTextoFoco, 255);

    base.gCnn.Execute("UPDATE TA_CONFIGURACION SET VALOR = '0' WHERE CLAVE = 'CFondo'");
    load();
    EXPECT_EQ(gSesion().gColorFondoFoco, 15072511) << "RGB(255, 252, 229)";
}

TEST_P(CfgMasUsadasTest, SettingsAreReadByTheirRules)
{
    setting("DATOS", "UsaConsultaLike", "si");
    setting("DATOS", "MADERERA", "NO");
    setting("DATOS", "V_ModificaCPrecio", "x");
    setting("DATOS", "ModuloOrdenDeTrabajo", "");
    setting("DATOS", "PERIODO", "2025abc");
    setting("DATOS", "MaxDto", " 12,5 ");
    setting("DATOS", "TituloClientes", "  Socios ");
    setting("DATOS", "CantidadDecimales", " 3 ");
    load();
    const Sesion& s = gSesion();
    EXPECT_TRUE(s.gUsaConsultaLike);
    EXPECT_FALSE(s.gMADERERA);
    EXPECT_TRUE(s.gV_ModificaCPrecio);
    EXPECT_FALSE(s.gC_ModificaCPrecio) << "missing is not a yes";
    EXPECT_TRUE(s.gModuloOrdenDeTrabajo) << "only NO says no";
    EXPECT_EQ(s.gPERIODO, 2025);
    EXPECT_DOUBLE_EQ(s.gMaxDto, 12.5);
    EXPECT_EQ(s.gTituloClientes, "Socios");
    EXPECT_EQ(s.gCantidadDecimales, " 3 ");
    EXPECT_EQ(s.gTop_Default, "1000");
    EXPECT_EQ(s.gCondicionIvaEmpresa, 1);
    EXPECT_EQ(s.gRutaTareasDoc, programFolder() + "/VXDOCTareas.vtx");
}

TEST_P(CfgMasUsadasTest, SalesProgramsTakeTheirOwnDecimals)
{
    setting("DATOS", "CantidadDecimales", "2");
    setting("DATOS", "CantidadDecimalesVentas", "4");
    load();
    EXPECT_EQ(gSesion().gCantidadDecimales, "2");
    ProgramasDeVentas() = {os::executableName().toUpper()};
    load();
    EXPECT_EQ(gSesion().gCantidadDecimales, "4");
}

TEST_P(CfgMasUsadasTest, AUserWithoutBusinessUnitWorksForUnitOne)
{
    gSesion().gUsuarioLogeado = "ANA";
    base.gCnn.Execute("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, CLASEPUSA) VALUES ('ANA', 'QURO', ' A,B,C ')");
    base.gCnn.Execute(
        "INSERT INTO V_TA_UNIDADNEGOCIO (Codigo, razon_social, Cuit, PDV) VALUES "
        "('   1', 'Casa central', '30-1', '0002')");
    setting("DATOS", "CONDICIONIVA_UN_1", "4");
    load();
    EXPECT_EQ(gSesion().gUNegocio, "   1");
    EXPECT_EQ(gSesion().gClasesPUSA, "ABC");
    EXPECT_TRUE(queried("INICIO_ACTIVIDADES_UN_1"));
    EXPECT_TRUE(queried("DOMICILIO_UN_1"));
    EXPECT_EQ(gSesion().gCondicionIvaEmpresa, 4);
    EXPECT_EQ(gSesion().gCondicionIvaTexto, "4");
}

TEST_P(CfgMasUsadasTest, BusinessUnitDataFallsBackToTheCompany)
{
    setting("DATOS", "NOMBRE", "Distribuidora");
    setting("DATOS", "CALLE", "Mitre");
    setting("DATOS", "NUMERO", "120");
    QString razon, cuit, inicio, ingresos, condicion, puntoVenta, domicilio;
    DatosUnidadNegocio("", razon, cuit, inicio, ingresos, condicion, puntoVenta, domicilio);
    EXPECT_EQ(razon, "Distribuidora");
    EXPECT_EQ(cuit, " ");
    EXPECT_EQ(domicilio, "Mitre 120     ");
    EXPECT_EQ(inicio, "");
}

TEST(TextoABooleano, ReadsTheSuitesYesAndNoWords)
{
    QString texto = "s";
    EXPECT_TRUE(TextoABooleano(texto));
    texto = "Sí";
    EXPECT_FALSE(TextoABooleano(texto));
    texto = "";
    EXPECT_FALSE(TextoABooleano(texto));
    EXPECT_EQ(texto, "0");
    texto = "x";
    EXPECT_TRUE(TextoABooleano(texto, true));
    texto = "n";
    EXPECT_FALSE(TextoABooleano(texto, true));
    texto = "Verdadero";
    EXPECT_TRUE(TextoABooleano(texto));
    texto = "-1";
    EXPECT_TRUE(TextoABooleano(texto));
}

ON_EVERY_ENGINE(ConfiguracionTest);
ON_EVERY_ENGINE(CfgMasUsadasTest);
