#include "database/DB_Dll.h"

#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"

namespace {
constexpr int kTiempoConexion = 3;
}  // namespace

int DB_Dll::TratamientoErrores(const ErrorVB& CodErr, int Botones, const QString& Rutina) const
{
    return manejo_->TratamientoErrores(CodErr, Botones, Rutina, gLogErr);
}

bool DB_Dll::esOracle() const { return vb::ContainsText(gConnString, "ORACLE"); }

// --- Opening ---------------------------------------------------------------------

void DB_Dll::ArmarCadenaConexion()
{
    if (gServidor.contains(u'#')) {
        gConnString = "Provider=" + QString(pORACLE) + ";Data Source=" + gDBName + ";User Id=" + gUsuario
                      + ";Password=" + gUserPassWord + ";";
        return;
    }
    gConnString = "PROVIDER=" + QString(pSQLOLEDB) + ";" + "Server=" + gServidor + ";" + "Database =" + gDBName + ";"
                  + "UId=" + gUsuario + ";" + "Pwd=" + gUserPassWord + ";";
    if (!vb::ContainsText(gConnString, "Connect Timeout=")) gConnString += "Connect Timeout=5;";
    gConnString += gExtended;
}

void DB_Dll::ParametrosConexion()
{
    DatosAcceso datos{gDBName, gServidor, gUsuarioLogeado, gPasswordUsuario, 0};
    if (!manejo_->PedirParametros(datos)) {
        gOpenFlag = false;
        return;
    }
    gOpenFlag = true;
    gUsuarioLogeado = datos.usuario;
    gPasswordUsuario = datos.password;
    gDBName = datos.dbName;
    gUsuario = datos.dbName;
    gUserPassWord = datos.dbName;
    gServidor = datos.servidor;
    if (datos.plataforma > 0) {
        gProveedor = pORACLE;
        if (!gServidor.contains(u'#')) gServidor += "#";
    } else {
        gProveedor = pSQLOLEDB;
    }
}

// What to do with a failure of OpenServerADODB: try the step again, or end.
Respuesta DB_Dll::tratarFalloApertura(const ErrorVB& error, bool& cerroUnaVez, bool MuestraError)
{
    const auto cerrarYReintentar = [&] {
        cerroUnaVez = true;
        if (gCnn.State() != db::ado::adStateClosed) gCnn.Close();
        return Respuesta::Reintentar;
    };
    // An object already open is closed and opened again once, unless the server gave reasons to ask about.
    const bool sinPregunta = gCnn.errors().Count() == 0 || !MuestraError || Silencioso();
    if (sinPregunta && error.numero == db::ErrorMap::AlreadyOpen && !cerroUnaVez) return cerrarYReintentar();
    if (!MuestraError || !manejo_->ReintentarApertura(error, gCnn.errors(), enlace(), gUsuario)) {
        gOpenFlag = false;
        return Respuesta::Salir;
    }
    gCnn.errors().Clear();
    ParametrosConexion();
    // Leaving the parameters window ends the attempts instead of retrying the old ones.
    if (!gOpenFlag) return Respuesta::Salir;
    ArmarCadenaConexion();
    return Respuesta::Reintentar;
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, long lCursor, const QString& ConnString, bool ValidaAdmin,
                             bool MuestraError)
{
    bool cerroUnaVez = false;
    TrapErrores trap("OpenServerADODB", [&](const ErrorVB& error, const QString&) {
        return tratarFalloApertura(error, cerroUnaVez, MuestraError);
    });

    gOpenFlag = true;
    if (gProveedor.isEmpty()) gProveedor = pSQLOLEDB;
    if (vb::IsBlank(ConnString))
        ArmarCadenaConexion();
    else
        gConnString = ConnString;
    if (PideParametrosSQL) {
        ParametrosConexion();
        if (!gOpenFlag) return;
        ArmarCadenaConexion();
    }

    const bool abierta = trap.paso([&] {
        gCnn.setConnectionTimeout(kTiempoConexion);
        gCnn.setCursorLocation(static_cast<int>(lCursor));
        gCnn.Open(gConnString, "", "", -1);
    });
    if (!abierta) return;
    if (!ValidaAdmin) {
        gEsAdmin = true;
        return;
    }
    if (vb::IsBlank(gDBName)) return;
    if (!trap.paso([&] { gCnn.setDefaultDatabase(gDBName); })) return;
    if (!ExisteTablaDB("TA_USUARIOS")) return;
    if (!MuestraError) {
        gEsAdmin = true;
        return;
    }
    (void)trap.paso([&] {
        const Variant administrador =
            DatosTabla("ta_usuarios", gUsuarioLogeado, "Administrador", "nombre", 8, "", true, false);
        gEsAdmin = vb::Val(administrador.textOrEmpty()) == 1;
    });
}

bool DB_Dll::BuscarBase()
{
    const std::optional<QString> archivo =
        manejo_->ElegirArchivo("Buscar Base de Datos", "Base de Datos de Microsoft Access |*.MDB");
    if (!archivo) return false;
    gDBName = *archivo;
    return true;
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID, const QString& CadenaPWD)
{
    QString clave;
    for (;;) {
        if (vb::IsBlank(gDBName) && !BuscarBase()) return;
        const QString cadena = !ConnString.isEmpty()
                                   ? ConnString
                                   : "PROVIDER=" + gProveedor + ";" + "Data Source =" + gDBName + ";" + CadenaID + "="
                                         + gUsuario + ";" + CadenaPWD + "=" + gUserPassWord + ";" + gExtended;
        try {
            gCnn.Open(cadena + clave, "", "", -1);
            gConnString = cadena + clave;
            return;
        } catch (const ErrorVB& error) {
            const QString estado = gCnn.errors().Count() > 0 ? gCnn.errors().Item(0).SQLState : QString();
            if (estado == "3024" || estado == "3051" || estado == "3044") {
                if (!BuscarBase()) return;
                continue;
            }
            if (estado == "3031") {
                const bool usarClaveGuardada = !gIgnoraPassWord.isNull() && gIgnoraPassWord.toBool();
                clave = usarClaveGuardada ? "Jet OLEDB:Database Password=" + gUserPassWord + ";"
                                          : " Jet OLEDB:Database Password=" + manejo_->PedirClave() + ";";
                continue;
            }
            manejo_->FalloDeArchivo(error);
            return;
        }
    }
}

// --- Record sets ---------------------------------------------------------------------

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, db::Recordset& LRCS, db::Connection* Conexionactiva, long CursorType,
                            long LockType, long Options, bool ConvOracle)
{
    TrapErrores trap("AbrirRecordset", [this](const ErrorVB& error, const QString& rutina) {
        return tratarFalloConPerdida(error, contadorAbrirRecordset_, rutina);
    });
    if (!trap.paso([&] { CierraRecordset(LRCS); })) return;
    if (!trap.paso([&] { LRCS.setCursorLocation(db::ado::adUseClient); })) return;
    if (!trap.paso([&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); })) return;
    if (!trap.paso([&] {
            if (!AsegurarConexion()) throw ErrorVB(db::ErrorMap::NoConnection, "No hay conexión con la base de datos.");
        })) {
        return;
    }
    if (!trap.paso([&] {
            db::Connection& conexion = Conexionactiva ? *Conexionactiva : gCnn;
            const bool traducir = vb::InStrText(gCnn.ConnectionString(), "ORACLE") > 1 && ConvOracle;
            LRCS.Open(traducir ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL, conexion, static_cast<int>(CursorType),
                      static_cast<int>(LockType), Options);
        })) {
        return;
    }
    manejo_->DespuesDeLeer();
}

void DB_Dll::AbrirRecordset(const QString& SentenciaSQL, db::Recordset& LRCS, db::Connection* Conexionactiva,
                            long CursorType, long LockType, long Options, bool ConvOracle)
{
    QString sentencia = SentenciaSQL;
    AbrirRecordset(sentencia, LRCS, Conexionactiva, CursorType, LockType, Options, ConvOracle);
}

void DB_Dll::CierraRecordset(db::Recordset& LrcsTemp)
{
    TrapErrores trap("CierraRecordset", [this, &LrcsTemp](const ErrorVB& error, const QString& rutina) {
        if (error.numero != db::ErrorMap::NotAllowedWhileEditing)
            return RespuestaDelBoton(TratamientoErrores(error, kBotonesTratamiento, rutina));
        (void)TrapErrores::silencioso().paso([&] {
            LrcsTemp.CancelUpdate();
            if (LrcsTemp.State() != db::ado::adStateClosed) LrcsTemp.Close();
        });
        return Respuesta::Salir;
    });
    (void)trap.paso([&] {
        if (LrcsTemp.State() != db::ado::adStateClosed) LrcsTemp.Close();
    });
}

// --- SQL text ----------------------------------------------------------------------

Variant DB_Dll::SQLValue(const Variant& valor, const QString& Tipo) const { return ::SQLValue(valor, Tipo); }
bool DB_Dll::adodate(const Variant& Qtype) const { return ::adodate(Qtype); }
bool DB_Dll::ADOText(const Variant& Qtype) const { return ::ADOText(Qtype); }
bool DB_Dll::ADONumeric(const Variant& Qtype) const { return ::ADONumeric(Qtype); }
bool DB_Dll::ADOCurrency(const Variant& Qtype) const { return ::ADOCurrency(Qtype); }
bool DB_Dll::ADOBoolean(const Variant& Qtype) const { return ::ADOBoolean(Qtype); }
QString DB_Dll::ADOComilla(const Variant& Qtype) const { return ::ADOComilla(Qtype); }
QString DB_Dll::stSTF(QString& rsName, bool rnPart) const { return ::stSTF(rsName, rnPart); }
QString DB_Dll::AddBrackets(const QString& rObjName) const { return ::AddBrackets(rObjName); }
QString DB_Dll::StripConnect(const QString& rsTblName) const { return ::StripConnect(rsTblName); }
QString DB_Dll::StripBrackets(const QString& rsObjName) const { return ::StripBrackets(rsObjName); }
QString DB_Dll::StripOwner(QString& rsTblName) const { return ::StripOwner(rsTblName); }
QString DB_Dll::StripFileName(const QString& rsFileName) const { return ::StripFileName(rsFileName); }
QString DB_Dll::ORACLE_Dicc(const QString& valor) const { return ::ORACLE_Dicc(valor, esOracle()); }

QString DB_Dll::SS_TSinonimos(const QString& sql) const { return ::SS_TSinonimos(sql, gEsAdmin, gConfidencialidad); }
