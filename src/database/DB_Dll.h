#pragma once

#include "database/DatosConexion.h"
#include "database/ManejoFallos.h"
#include "platform/ErrorVB.h"
#include "platform/TrapErrores.h"
#include "platform/Variant.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "suitesupport/TratamientoErrores.h"

#include <QString>

#include <memory>

// The suite's database class: one connection (gCnn) and everything the
// program asks of it. It knows SQL Server through "SQLOLEDB" (the usual
// case), Oracle and Microsoft Access files. What it cannot settle by itself
// when something fails it hands to the failure handler it is made with: the
// company and statistics databases ask the operator; the databases that
// replication and the remote link write to are quiet, so that their failures
// never raise the company server's questions, never open the login window
// and never end the program. The facts of its connection and of the session
// keep the suite's names, grouped in the two structures it is made of.
class DB_Dll : public DatosConexion, public DatosSesion {
public:
    explicit DB_Dll(std::unique_ptr<ManejoFallos> manejo = std::make_unique<ManejoSilencioso>())
        : manejo_(std::move(manejo))
    {
    }
    bool Silencioso() const { return manejo_->Silencioso(); }

    static constexpr char pJETOLEDB40[] = "Microsoft.Jet.OLEDB.4.0";
    static constexpr char pJETOLEDB35[] = "Microsoft.Jet.OLEDB.3.51";
    static constexpr char pSQLOLEDB[] = "SQLOLEDB";
    static constexpr char pORACLE[] = "OraOLEDB.Oracle.1";

    bool gOpenFlag = false;
    db::Connection gCnn;

    QString ArchivoErrores() const { return gLogErr; }
    void setArchivoErrores(const Variant& archivo) { gLogErr = archivo.textOrEmpty(); }

    // --- Connections and record sets -------------------------------------
    void OpenServerADODB(bool PideParametrosSQL = false, long lCursor = 3, const QString& ConnString = {},
                         bool ValidaAdmin = true, bool MuestraError = true);
    void OpenLocalADODB(const QString& ConnString = {}, const QString& CadenaID = "User Id",
                        const QString& CadenaPWD = "Password");
    // `SentenciaSQL` comes back with the synonym rewrite applied.
    void AbrirRecordset(QString& SentenciaSQL, db::Recordset& LRCS, db::Connection* Conexionactiva = nullptr,
                        long CursorType = 0, long LockType = 1, long Options = -1, bool ConvOracle = true);
    void AbrirRecordset(const QString& SentenciaSQL, db::Recordset& LRCS, db::Connection* Conexionactiva = nullptr,
                        long CursorType = 0, long LockType = 1, long Options = -1, bool ConvOracle = true);
    void CierraRecordset(db::Recordset& LrcsTemp);
    // Kept for the suite's callers; they do nothing.
    void QConsulta(const QString&, const QString&, const QString&, const QString&, const QString&, const QString&) {}
    void QGridConsulta(const QString&, const QString&, const QString&, const QString&, const QString&) {}

    // --- Statements ----------------------------------------------------------
    // `SentenciaSQL` is rewritten in place; `LRCS`, when given, receives the
    // statement's rows. Failures are not raised: the caller reads the error list.
    void EjecutaConsultaSQL(QString& SentenciaSQL, long& RecordsAffected, db::Recordset* LRCS = nullptr);
    void EjecutaConsultaSQL(QString SentenciaSQL);
    void EjecutaConsultaRSQL(QString& SentenciaSQL, long& RecordsAffected, db::Recordset* LRCS = nullptr);

    // --- SQL text ----------------------------------------------------------------
    Variant SQLValue(const Variant& valor, const QString& Tipo = "'") const;
    Variant SQLValue2(const Variant& valor, const QString& Tipo = "'") const { return SQLValue(valor, Tipo); }
    bool adodate(const Variant& Qtype) const;
    bool ADOText(const Variant& Qtype) const;
    bool ADONumeric(const Variant& Qtype) const;
    bool ADOCurrency(const Variant& Qtype) const;
    bool ADOBoolean(const Variant& Qtype) const;
    QString ADOComilla(const Variant& Qtype) const;
    QString stSTF(QString& rsName, bool rnPart) const;
    QString AddBrackets(const QString& rObjName) const;
    QString StripConnect(const QString& rsTblName) const;
    QString StripBrackets(const QString& rsObjName) const;
    QString StripOwner(QString& rsTblName) const;
    QString StripFileName(const QString& rsFileName) const;
    // The Oracle translation; the text unchanged on any other connection.
    QString ORACLE_Dicc(const QString& valor) const;
    // Users who are not administrators read restricted views.
    QString SS_TSinonimos(const QString& sql) const;

    // --- Record lookups ----------------------------------------------------------
    bool ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo = "Codigo",
                       db::Recordset* LRCS = nullptr, const Variant& Tipodato = 8, const QString& Condicion = {},
                       bool SoloLectura = true);
    bool ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo = "Codigo",
                         db::Recordset* LRCS = nullptr, const Variant& Tipodato = 8, const QString& Condicion = {},
                         bool SoloLectura = false);
    Variant DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                       const QString& Campo = "Codigo", const Variant& Tipodato = 8, const QString& Condicion = {},
                       bool UsaTrim = true, bool IgnoraError = false);
    // `Condicion`, when given, may come back extended (article codes starting with "0").
    Variant BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const Variant& Tipo = {},
                        QString* Condicion = nullptr);
    Variant BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const Variant& Tipo = {},
                        const QString* Condicion = nullptr);
    Variant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const Variant& Tipo = 8,
                              const QString& Condicion = {});

    // --- Schema ---------------------------------------------------------------------
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                  const Variant& ValorDefault = {});
    bool ExisteTablaDB(const QString& Tabla);
    bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo, bool PermiteNulos,
                    const Variant& ValorDefault = {});

    // --- Errors and lost connections -------------------------------------------
    int TratamientoErrores(const ErrorVB& CodErr, int Botones = kBotonesTratamiento, const QString& Rutina = {}) const;
    bool AsegurarConexion();
    bool ReintentaConectar();

private:
    enum class Perdida { NoEsPerdida = 0, Reconectado = 1, Cerrar = 2 };
    enum class Busqueda { Existe, ExisteST, Datos };

    void ArmarCadenaConexion();
    void ParametrosConexion();
    bool BuscarBase();
    bool esOracle() const;
    Respuesta tratarFalloApertura(const ErrorVB& error, bool& cerroUnaVez, bool MuestraError);

    QString DescartarSentenciaOracle(QString& texto) const;
    QString EjecutarScriptOracle(QString& texto, long& RecordsAffected);
    void ejecutarSinReintento(QString& SentenciaSQL, long& RecordsAffected, db::Recordset* LRCS);
    bool reconectarOPreguntar(int& contador);
    Respuesta tratarFalloBusqueda(const ErrorVB& error, Busqueda busqueda, int& contador);
    bool existeEn(const QString& sentencia, db::Recordset* LRCS, bool SoloLectura, bool traducir);

    Perdida TratarPerdidaConexion(long NumeroError, int& Intentos, const QString& Rutina);
    // The treatment of AbrirRecordset and AsegurarConexion: a lost link first,
    // then the library's error dialog, whose button answers.
    Respuesta tratarFalloConPerdida(const ErrorVB& error, int& contador, const QString& rutina);
    EnlaceBase enlace(const QString& rutina = {}) const { return {gServidor, gDBName, rutina}; }

    // Quiet reconnections before the operator is asked: statements and
    // lookups try three times, a lost link found by the other routines twice.
    static constexpr int kReintentosSilenciosos = 3;
    static constexpr int kReconexionesAntesDePreguntar = 2;

    // A quiet object's treatment: one quiet reconnection for a lost link,
    // then the failure goes to the caller.
    Respuesta tratarEnSilencio(const ErrorVB& error, int& contador);
    // A failed statement of a quiet object is always in the error list.
    void anotarFallo(const ErrorVB& error);

    QString gLogErr;
    std::unique_ptr<ManejoFallos> manejo_;
    int contadorAbrirRecordset_ = 0;
    int contadorAsegurarConexion_ = 0;
};
