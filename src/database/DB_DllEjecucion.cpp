#include "database/DB_Dll.h"

#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"

#include <array>

// Running statements and scripts on the connection.

namespace {

constexpr std::array kPalabrasScriptOracle{"INSERT ",  "DELETE ",      "UPDATE ",         "CREATE ",
                                           "DROP ",    "ALTER ",       "SET TRANSACTION", "COMMIT",
                                           "ROLLBACK", "IF NOT EXIST", "IF EXIST",        "GRANT "};

// The words are ASCII: read in place, not made into a text at every statement.
bool contiene(const QString& texto, const char* palabra)
{
    return texto.contains(QLatin1StringView(palabra), Qt::CaseInsensitive);
}

QString sinMarcaAdmin(const QString& texto) { return vb::ReplaceText(texto, "@Admin_", ""); }

// The smallest position (1-based) from `desde` at which a script keyword starts; 0 when none.
int proximaPalabra(const QString& texto, int desde)
{
    int menor = 0;
    for (const char* palabra : kPalabrasScriptOracle) {
        const int posicion = vb::InStrText(texto, palabra, desde);
        if (posicion > 0 && (menor == 0 || posicion < menor)) menor = posicion;
    }
    return menor;
}

const db::DbError* primerError(db::Connection& conexion)
{
    return conexion.errors().Count() > 0 ? &conexion.errors().Item(0) : nullptr;
}

}  // namespace

QString DB_Dll::DescartarSentenciaOracle(QString& texto) const
{
    if (contiene(texto, "SET NOCOUNT") || contiene(texto, "IF NOT EXIST")) texto.clear();
    return texto;
}

QString DB_Dll::EjecutarScriptOracle(QString& texto, long& RecordsAffected)
{
    static const std::array<std::pair<const char*, const char*>, 16> normalizacion{{
        {"SET NOCOUNT ON", ""},
        {"SET NOCOUNT OFF", ""},
        {" GO ", " "},
        {"\r\nGO ", " "},
        {"\r\nGO ", " "},
        {"\r\nGO\r\n", " "},
        {"\r", " "},
        {"\r\n", " "},
        {"BEGIN TRANSACTION", "SET TRANSACTION"},
        {"BEGIN TRANS", "SET TRANSACTION"},
        {"COMMIT TRANSACTION", "COMMIT"},
        {"COMMIT TRANS", "COMMIT"},
        {"ROLLBACK TRANSACTION", "ROLLBACK"},
        {"ROLLBACK TRANS", "ROLLBACK"},
        {"", ""},
        {"", ""},
    }};
    for (const auto& [buscado, reemplazo] : normalizacion) texto = vb::ReplaceText(texto, buscado, reemplazo);

    for (int inicio = proximaPalabra(texto, 1); inicio > 0; inicio = proximaPalabra(texto, 1)) {
        const int siguiente = proximaPalabra(texto, inicio + 1);
        const int fin = siguiente > 0 ? siguiente - 1 : static_cast<int>(texto.size());
        QString sentencia = vb::Trim(vb::Mid(texto, inicio, fin - inicio + 1));
        long filas = 0;
        if (vb::SameText(sentencia, "SET TRANSACTION")) {
            gCnn.BeginTrans();
        } else if (vb::SameText(sentencia, "COMMIT")) {
            gCnn.CommitTrans();
        } else if (vb::SameText(sentencia, "ROLLBACK")) {
            gCnn.RollbackTrans();
        } else {
            sentencia = ORACLE_Dicc(sentencia);
            if (!DescartarSentenciaOracle(sentencia).isEmpty()) gCnn.Execute(sentencia, filas, -1);
        }
        RecordsAffected += filas;
        texto = siguiente > 0 ? vb::Trim(vb::Mid(texto, siguiente)) : QString();
    }
    if (gCnn.errors().Count() == 1 && gCnn.errors().Item(0).Number == db::ErrorMap::OracleWarning)
        gCnn.errors().Clear();
    return {};
}

// The statement on the connection, and the clean-up of a truncation notice.
void DB_Dll::ejecutarSinReintento(QString& SentenciaSQL, long& RecordsAffected, db::Recordset* LRCS)
{
    if (contiene(gCnn.ConnectionString(), "ORACLE")) {
        EjecutarScriptOracle(SentenciaSQL, RecordsAffected);
    } else if (LRCS) {
        *LRCS = gCnn.Execute(SentenciaSQL, RecordsAffected, -1);
    } else {
        gCnn.Execute(SentenciaSQL, RecordsAffected, -1);
    }
    const int errores = gCnn.errors().Count();
    if ((errores == 1 || errores == 2) && !contiene(SentenciaSQL, "TRANS")
        && gCnn.errors().Item(0).NativeError == db::ErrorMap::TextTooLongNative) {
        gCnn.errors().Clear();
    }
}

// After a lost link: true to run the statement again, false to give up silently.
bool DB_Dll::reconectarOPreguntar(int& contador)
{
    if (ReintentaConectar()) return ++contador < kReintentosSilenciosos;
    if (Silencioso()) return false;
    for (;;) {
        if (ReintentaConectar()) return true;
        if (++contador < kReintentosSilenciosos) continue;
        if (!manejo_->ReintentarTrasPerdida(enlace())) return false;
    }
}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, long& RecordsAffected, db::Recordset* LRCS)
{
    const bool crea = contiene(SentenciaSQL, "CREATE");
    const bool borraTabla = contiene(SentenciaSQL, "DROP");
    if (!(crea && borraTabla) || contiene(SentenciaSQL, "DELETE") || contiene(SentenciaSQL, "@ADMIN_")) {
        if (!(crea && borraTabla) || contiene(SentenciaSQL, "@ADMIN_")) SentenciaSQL = sinMarcaAdmin(SentenciaSQL);
    } else {
        SentenciaSQL = SS_TSinonimos(SentenciaSQL);
    }

    int contador = 0;
    for (;;) {
        try {
            ejecutarSinReintento(SentenciaSQL, RecordsAffected, LRCS);
            return;
        } catch (const ErrorVB& fallo) {
            if (Silencioso()) anotarFallo(fallo);
            const db::DbError* error = primerError(gCnn);
            if (!error || contiene(SentenciaSQL, "TRANS")) return;
            if (error->NativeError == db::ErrorMap::LinkLostNative) {
                if (reconectarOPreguntar(contador)) continue;
                return;
            }
            if (error->NativeError == db::ErrorMap::TextTooLongNative) gCnn.errors().Clear();
            return;
        }
    }
}

void DB_Dll::EjecutaConsultaSQL(QString SentenciaSQL)
{
    long filas = 0;
    EjecutaConsultaSQL(SentenciaSQL, filas, nullptr);
}

void DB_Dll::EjecutaConsultaRSQL(QString& SentenciaSQL, long& RecordsAffected, db::Recordset* LRCS)
{
    static constexpr std::array kErroresCallados{db::ErrorMap::UnspecifiedFailure, db::ErrorMap::IntegrityViolation,
                                                 db::ErrorMap::NoSuchTable, db::ErrorMap::ErrorsInCommand};
    const bool crea = contiene(SentenciaSQL, "CREATE");
    const bool borraTabla = contiene(SentenciaSQL, "DROP");
    if (!(crea && borraTabla) || contiene(SentenciaSQL, "@ADMIN_"))
        SentenciaSQL = sinMarcaAdmin(SentenciaSQL);
    else if (!contiene(SentenciaSQL, "DELETE"))
        SentenciaSQL = SS_TSinonimos(SentenciaSQL);

    try {
        if (!contiene(gCnn.ConnectionString(), "ORACLE") && !AsegurarConexion()) {
            manejo_->SinConexion();
            return;
        }
        ejecutarSinReintento(SentenciaSQL, RecordsAffected, LRCS);
    } catch (const ErrorVB& error) {
        const db::DbError* primero = primerError(gCnn);
        if (primero && !contiene(SentenciaSQL, "TRANS") && primero->NativeError == db::ErrorMap::TextTooLongNative) {
            gCnn.errors().Clear();
            return;
        }
        const bool callado =
            std::find(kErroresCallados.begin(), kErroresCallados.end(), error.numero) != kErroresCallados.end();
        if (Silencioso()) anotarFallo(error);
        if (!callado && !contiene(SentenciaSQL, "TRANS")) manejo_->FalloDeSentencia(error);
    }
}

void DB_Dll::anotarFallo(const ErrorVB& error)
{
    if (gCnn.errors().Count() == 0) gCnn.errors().append({error.numero, error.descripcion, {}, 0});
}
