#include "database/DB_Dll.h"

#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "suitesupport/QvFunciones.h"

#include <optional>

// The small questions windows ask all the time: does a code exist, what is
// its description, what is the highest code.

namespace {

constexpr char kFiltroCeros[] = "substring(ltrim(idarticulo),1,1)<>'0'";

bool esTipo(const Variant& tipo, std::initializer_list<const char*> codigos)
{
    const QString texto = vb::Trim(tipo.textOrEmpty());
    return std::any_of(codigos.begin(), codigos.end(), [&](const char* codigo) { return texto == codigo; });
}

bool esTexto(const Variant& tipo) { return esTipo(tipo, {"8"}); }
bool esFecha(const Variant& tipo) { return esTipo(tipo, {"7"}); }
bool esNumero(const Variant& tipo) { return esTipo(tipo, {"3", "5", "4"}); }

QString textoNumerico(const QString& valor) { return vb::Trim(vb::NumberText(vb::Val(valor))); }

Variant valorNumerico(const Variant& valor) { return vb::Val(QvFunciones::ValorATexto(valor)); }

// " WHERE " and the trimmed condition; nothing for a blank one, which would
// leave the statement unfinished.
QString donde(const std::optional<QString>& condicion)
{
    if (!condicion || vb::IsBlank(*condicion)) return {};
    return " WHERE " + vb::Trim(*condicion);
}

// The date, number and any other key form of the existence lookups.
QString claveNoTexto(const QString& cabeza, const QString& Campo, const QString& ValorBuscado, const Variant& Tipodato)
{
    if (esFecha(Tipodato)) return cabeza + Campo + " = " + vb::Trim(ValorBuscado) + " ";
    if (esNumero(Tipodato)) return cabeza + Campo + " = " + textoNumerico(ValorBuscado);
    return cabeza + Campo + " = " + ValorBuscado;
}

// " WHERE " before a condition that lacks one, a blank otherwise.
QString condicionConWhere(const QString& Condicion)
{
    return (vb::InStr(Condicion, " WHERE ") > 0 ? QString(" ") : QString(" WHERE ")) + Condicion;
}

}  // namespace

// Whether to run the failing step again, go on, or leave the lookup.
Respuesta DB_Dll::tratarFalloBusqueda(const ErrorVB& error, Busqueda busqueda, int& contador)
{
    if (Silencioso()) return tratarEnSilencio(error, contador);
    const bool enlacePerdido =
        gCnn.errors().Count() > 0 && gCnn.errors().Item(0).NativeError == db::ErrorMap::LinkLostNative;
    if (enlacePerdido) {
        if (ReintentaConectar()) {
            if (++contador < kReintentosSilenciosos) return Respuesta::Reintentar;
        } else {
            for (;;) {
                const bool reconectado = ReintentaConectar();
                if (busqueda == Busqueda::Datos) {
                    if (reconectado) return Respuesta::Reintentar;
                    if (++contador < kReintentosSilenciosos) continue;
                } else if (reconectado) {
                    if (++contador < kReintentosSilenciosos) return Respuesta::Reintentar;
                    break;
                }
                if (!manejo_->ReintentarTrasPerdida(enlace())) return Respuesta::Salir;
            }
        }
    }
    return manejo_->FalloDeBusqueda(error);
}

bool DB_Dll::existeEn(const QString& sentencia, db::Recordset* LRCS, bool SoloLectura, bool traducir)
{
    if (LRCS) {
        if (LRCS->State() != db::ado::adStateClosed) LRCS->Close();
        const int cursor = SoloLectura ? db::ado::adOpenForwardOnly : LRCS->CursorType();
        const int bloqueo = SoloLectura ? db::ado::adLockReadOnly : LRCS->LockType();
        LRCS->Open(sentencia, gCnn, cursor, bloqueo);
        return !LRCS->Bof();
    }
    db::Recordset propio;
    propio.Open(traducir ? ORACLE_Dicc(sentencia) : sentencia, gCnn, db::ado::adOpenForwardOnly,
                db::ado::adLockReadOnly);
    const bool hay = !propio.Bof();
    propio.Close();
    return hay;
}

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo, db::Recordset* LRCS,
                           const Variant& Tipodato, const QString& Condicion, bool SoloLectura)
{
    const QString cabeza = "SELECT TOP 1 * FROM " + Tabla + " with(nolock)  WHERE ";
    QString sentencia;
    if (!Condicion.isEmpty()) {
        sentencia = "SELECT TOP 1 * FROM " + Tabla + " with(nolock) " + condicionConWhere(Condicion);
    } else if (esTexto(Tipodato)) {
        sentencia = "SELECT TOP 1  * FROM " + Tabla + " with(nolock)  WHERE LTRIM(RTRIM(" + Campo + ")) ='"
                    + ComillasDobladas(vb::Trim(ValorBuscado)) + "'";
    } else {
        sentencia = claveNoTexto(cabeza, Campo, ValorBuscado, Tipodato);
    }

    int contador = 0;
    TrapErrores trap("ExisteEnTabla", [&](const ErrorVB& error, const QString&) {
        return tratarFalloBusqueda(error, Busqueda::Existe, contador);
    });
    bool existe = false;
    if (!trap.paso([&] { sentencia = SS_TSinonimos(sentencia); })) return false;
    if (!trap.paso([&] { existe = existeEn(sentencia, LRCS, SoloLectura, true); })) return false;
    return existe;
}

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                             db::Recordset* LRCS, const Variant& Tipodato, const QString& Condicion, bool SoloLectura)
{
    const QString cabeza = "SELECT * FROM " + Tabla + " with(nolock)   WHERE ";
    QString sentencia;
    if (!Condicion.isEmpty()) {
        sentencia = "SELECT * FROM " + Tabla + " with(nolock)  " + condicionConWhere(Condicion);
    } else if (esTexto(Tipodato)) {
        sentencia = cabeza + Campo + " ='" + ComillasDobladas(ValorBuscado) + "'";
    } else {
        sentencia = claveNoTexto(cabeza, Campo, ValorBuscado, Tipodato);
    }

    int contador = 0;
    TrapErrores trap("ExisteEnTablaST", [&](const ErrorVB& error, const QString&) {
        return tratarFalloBusqueda(error, Busqueda::ExisteST, contador);
    });
    bool existe = false;
    if (!trap.paso([&] { existe = existeEn(sentencia, LRCS, SoloLectura, false); })) return false;
    return existe;
}

Variant DB_Dll::DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                           const QString& Campo, const Variant& Tipodato, const QString& Condicion, bool UsaTrim,
                           bool IgnoraError)
{
    const bool texto = esTexto(Tipodato) || vb::Trim(Tipodato.textOrEmpty()) == "'";
    const QString extra = vb::IsBlank(Condicion) ? QString() : " AND " + Condicion;
    const QString cabeza = "SELECT TOP 1 * FROM " + Tabla + " with(nolock)  WHERE ";
    QString sentencia;
    if (texto && UsaTrim) {
        sentencia = cabeza + "LTRIM(RTRIM(" + Campo + ")) ='" + ComillasDobladas(vb::Trim(ValorBuscado)) + "' " + extra;
    } else if (texto) {
        sentencia = cabeza + Campo + " ='" + ComillasDobladas(ValorBuscado) + "' " + extra;
    } else if (esFecha(Tipodato)) {
        sentencia = cabeza + Campo + " = #" + vb::Trim(ValorBuscado) + "# " + extra;
    } else if (esNumero(Tipodato)) {
        sentencia = cabeza + Campo + " = " + textoNumerico(ValorBuscado) + extra;
    } else {
        sentencia = cabeza + Campo + " = " + ValorBuscado + extra;
    }

    int contador = 0;
    TrapErrores trap("DatosTabla", [&](const ErrorVB& error, const QString&) {
        if (IgnoraError) return Respuesta::Salir;
        return tratarFalloBusqueda(error, Busqueda::Datos, contador);
    });
    Variant resultado = QString();
    db::Recordset filas;
    if (!trap.paso([&] { AbrirRecordset(sentencia, filas, &gCnn, 0, 1, -1); })) return QString();
    if (!trap.paso([&] {
            if (filas.State() != db::ado::adStateClosed && !filas.Bof()) {
                resultado = QvFunciones::ValorATexto(filas.Fields(CampoDevuelto).Value());
            }
        })) {
        return QString();
    }
    (void)trap.paso([&] { CierraRecordset(filas); });
    return resultado;
}

Variant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const Variant& Tipo, QString* Condicion)
{
    std::optional<QString> condicion;
    if (Condicion) condicion = *Condicion;
    for (;;) {
        const QString sentencia = "SELECT MAX(" + QueCampo + ") AS MAYOR FROM " + QueTabla + donde(condicion);
        db::Recordset filas;
        filas.Open(sentencia, gCnn, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
        if (filas.Bof()) return {};
        const Variant mayor = filas.Fields("MAYOR").Value();
        filas.Close();
        const bool empiezaConCero = vb::Trim(QvFunciones::ValorATexto(mayor)).startsWith(u'0');
        if (vb::SameText(QueTabla, "V_MA_ARTICULOS") && empiezaConCero) {
            condicion = (!condicion || condicion->isEmpty()) ? QString(" ") + kFiltroCeros
                                                             : *condicion + " and " + kFiltroCeros;
            if (Condicion) *Condicion = *condicion;
            continue;
        }
        return esFecha(Tipo) ? Variant(QvFunciones::ValorATexto(mayor)) : valorNumerico(mayor);
    }
}

Variant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const Variant&, const QString* Condicion)
{
    const QString sentencia = "SELECT MIN(" + QueCampo + ") AS MENOR FROM " + QueTabla + "  with(nolock) "
                              + donde(Condicion ? std::optional<QString>(*Condicion) : std::nullopt);
    db::Recordset filas;
    filas.Open(sentencia, gCnn, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
    if (filas.Bof()) return {};
    return valorNumerico(filas.Fields("MENOR").Value());
}

Variant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const Variant&,
                                  const QString& Condicion)
{
    const QString sentencia = "SELECT MAX(" + QueCampo + ") AS MAYOR FROM " + QueTabla
                              + (vb::IsBlank(Condicion) ? QString() : " WHERE " + Condicion);
    db::Recordset filas;
    filas.Open(sentencia, gCnn, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
    if (filas.Bof()) return {};
    return valorNumerico(filas.Fields("MAYOR").Value());
}
