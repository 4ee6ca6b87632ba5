#include "session/Configuracion.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "platform/os/System.h"
#include "session/BasesDeDatos.h"
#include "session/Sesion.h"
#include "session/TextoABooleano.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <QHash>
#include <QSet>
#include <QTime>

#include <cstdlib>
#include <optional>
#include <utility>

namespace {

constexpr char kTablaPorDefecto[] = "TA_CONFIGURACION";
constexpr char kGrupoDatos[] = "DATOS";
constexpr char kSinValor[] = " ";
constexpr int kUmbralBytes = 8000;
constexpr qint32 kFondoPorDefecto = 16774118;  // RGB(230, 243, 255)
constexpr qint32 kFondoAmarillo = 0xFFFF00;
constexpr qint32 kFondoCrema = 15072511;  // RGB(255, 252, 229)
constexpr char kUnidadNegocioPorDefecto[] = "   1";
constexpr char kTopPorDefecto[] = "1000";

struct Entrada {
    QString valor;
    QString valorAux;
};

struct Cache {
    std::optional<QHash<QString, Entrada>> entradas;
    bool precargado = false;
    QSet<QString> tablasAusentes;  // connection text | table
};

Cache& cache()
{
    static Cache estado;
    return estado;
}

QString tablaEnUso()
{
    QString& tabla = gTablaConfiguracion();
    if (vb::IsBlank(tabla)) tabla = kTablaPorDefecto;
    return tabla;
}

QString claveCache(const QString& tabla, const QString& grupo, const QString& clave)
{
    return vb::Trim(tabla).toUpper() + "|" + vb::Trim(grupo).toUpper() + "|" + vb::Trim(clave).toUpper();
}

bool nombrado(const QStringList& programas) { return programas.contains(os::executableName(), Qt::CaseInsensitive); }

bool usaCache() { return nombrado(ProgramasConCacheDeConfiguracion()); }

bool abierta(const DB_Dll& base) { return base.gCnn.State() == db::ado::adStateOpen; }

bool esGrupoDatos(const QString& grupo) { return vb::SameText(grupo, kGrupoDatos); }

QString claveTabla(const DB_Dll& base, const QString& tabla)
{
    return base.gConnString + "|" + vb::Trim(tabla).toUpper();
}

// A settings table found missing was reported once, by the read that found
// it; every later read of it gives "no such key" and every write is skipped,
// without a word, instead of reporting the same failure for each key.
bool tablaAusente(const DB_Dll& base, const QString& tabla)
{
    return cache().tablasAusentes.contains(claveTabla(base, tabla));
}

// After an access that opened nothing: notes the table when it was missing,
// and forgets that failure, already reported, so that it is not taken for a
// failure of the next statement.
void anotarSiFalta(DB_Dll& base, const QString& tabla)
{
    db::Errors& errores = base.gCnn.errors();
    if (errores.Count() == 0 || errores.Item(0).Number != db::ErrorMap::NoSuchTable) return;
    cache().tablasAusentes.insert(claveTabla(base, tabla));
    errores.Clear();
}

// Steps 4 to 8 of a read: the row of `sentencia` on `base`, " " when none;
// nothing when the operator chose to leave after a failure.
std::optional<QString> leerFila(DB_Dll& base, const QString& tabla, const QString& sentencia, const QString& clave,
                                QString& ValorAux, TrapErrores& trap)
{
    if (tablaAusente(base, tabla)) {
        ValorAux.clear();
        return kSinValor;
    }
    QString valor;
    db::Recordset filas;
    QString texto = sentencia;
    const QString claveLimpia = vb::Trim(clave);
    if (vb::SameText(claveLimpia, "[FECHA HASTA]") || vb::SameText(claveLimpia, "[FECHA DESDE]")) {
        texto = texto.toUpper();
    }
    if (!trap.paso([&] { base.AbrirRecordset(texto, filas, nullptr, 0, 1, -1); })) return std::nullopt;
    if (filas.State() == db::ado::adStateClosed) anotarSiFalta(base, tabla);
    const bool siguio = trap.paso([&] {
        if (filas.State() == db::ado::adStateClosed || filas.Bof()) {
            valor = kSinValor;
            ValorAux.clear();
            return;
        }
        valor = filas.Fields("VALOR").Value().textOrEmpty();
        ValorAux = filas.Fields("VALORAUX").Value().textOrEmpty();
    });
    (void)TrapErrores::silencioso().paso([&] { base.CierraRecordset(filas); });
    if (!siguio) return std::nullopt;
    if (vb::SameText(claveLimpia, "THEME") && vb::IsBlank(valor)) valor = "1";
    return valor;
}

// The row of a key opened for update, with a new row added when missing.
void grabarFila(DB_Dll& base, const QString& tabla, const QString& sentencia, const QString& Clave,
                const Variant& Valor, const QString& ValorAux, bool PoliticaNegocio, const QString& Grupo,
                bool recortarValor, bool recortarAux, bool BorrarExistente)
{
    if (tablaAusente(base, tabla)) return;
    TrapErrores trap = TrapErrores::silencioso();
    db::Recordset fila;
    (void)trap.paso(
        [&] { base.AbrirRecordset(sentencia, fila, nullptr, db::ado::adOpenDynamic, db::ado::adLockOptimistic); });
    if (fila.State() == db::ado::adStateClosed) anotarSiFalta(base, tabla);
    (void)trap.paso([&] {
        if (fila.Bof()) {
            fila.AddNew();
        } else if (BorrarExistente) {
            fila.Delete();
            fila.MoveFirst();
        }
    });
    const QString valor = Valor.textOrEmpty();
    (void)trap.paso([&] { fila.Fields("GRUPO").setValue(Grupo); });
    (void)trap.paso([&] { fila.Fields("CLAVE").setValue(vb::Trim(Clave).toUpper()); });
    (void)trap.paso([&] { fila.Fields("VALOR").setValue(recortarValor ? vb::Trim(valor) : valor); });
    (void)trap.paso([&] { fila.Fields("PoliticaNegocio").setValue(PoliticaNegocio); });
    (void)trap.paso([&] {
        if (!ValorAux.isEmpty()) fila.Fields("VALORAUX").setValue(recortarAux ? vb::Trim(ValorAux) : ValorAux);
    });
    (void)trap.paso([&] { fila.Update(); });
    (void)trap.paso([&] { base.CierraRecordset(fila); });
}

// --- reading rules of the most used settings ---------------------------------------

bool reglaSi(const QString& valor) { return vb::SameText(valor, "SI"); }
bool reglaNoNo(const QString& valor) { return !vb::IsBlank(valor) && !vb::SameText(vb::Trim(valor), "NO"); }
bool reglaNoEsNo(const QString& valor) { return !vb::SameText(vb::Trim(valor), "NO"); }
qint16 reglaNumero(const QString& valor) { return static_cast<qint16>(vb::Val(valor)); }
double reglaMoneda(const QString& valor) { return QvFunciones::TextoAMoneda(vb::Trim(valor)); }

void leerUsuario()
{
    Sesion& sesion = gSesion();
    db::Recordset fila;
    gBaseDatos().AbrirRecordset(
        "Select * from ta_usuarios  with(nolock)  where Nombre = '" + ComillasDobladas(sesion.gUsuarioLogeado) + "'",
        fila);
    if (fila.State() == db::ado::adStateClosed) return;
    if (!fila.Bof()) {
        sesion.gUNegocio = fila.Fields("UNegocio").Value().textOrEmpty();
        if (sesion.gUsaFacturaProforma) {
            const Variant verProforma = fila.Fields("verproforma").Value();
            sesion.gUsaFacturaProforma = !verProforma.isNull() && verProforma.toBool();
        }
        sesion.gClasesPUSA = QvFunciones::Reemplazar(vb::Trim(fila.Fields("CLASEPUSA").Value().textOrEmpty()), ",", "");
    }
    gBaseDatos().CierraRecordset(fila);
}

void leerColores()
{
    Sesion& sesion = gSesion();
    const auto fondo = static_cast<qint32>(reglaMoneda(Cfg("CFondo")));
    const auto letra = static_cast<qint32>(reglaMoneda(Cfg("CLetra")));
    sesion.gColorFondoFoco = fondo;
    sesion.gColorTextoFoco = letra;
    if (fondo == letra) {
        GrabaCfg("CFondo", kFondoPorDefecto, {}, false, kGrupoDatos, true);
        GrabaCfg("CLetra", 0, {}, false, kGrupoDatos, true);
        sesion.gColorFondoFoco = kFondoPorDefecto;
    }
    if (sesion.gColorFondoFoco == kFondoAmarillo) sesion.gColorFondoFoco = kFondoPorDefecto;
    if (sesion.gColorFondoFoco == 0) sesion.gColorFondoFoco = kFondoCrema;
}

void leerCondicionIva()
{
    Sesion& sesion = gSesion();
    sesion.gCondicionIvaEmpresa = reglaNumero(Cfg("CONDIVAEMPRESA"));
    if (sesion.gCondicionIvaEmpresa == 0) {
        QString razonSocial, cuit, inicio, ingresos, condicion, puntoVenta, domicilio;
        DatosUnidadNegocio(sesion.gUNegocio, razonSocial, cuit, inicio, ingresos, condicion, puntoVenta, domicilio);
    }
    if (sesion.gCondicionIvaEmpresa == 0) sesion.gCondicionIvaEmpresa = 1;
}

}  // namespace

QString& gTablaConfiguracion()
{
    static QString tabla;
    return tabla;
}

QStringList& ProgramasConCacheDeConfiguracion()
{
    static QStringList programas;
    return programas;
}

QStringList& ProgramasDeVentas()
{
    static QStringList programas;
    return programas;
}

QString Cfg(const QString& Clave, QString& ValorAux, const QString& Grupo)
{
    DB_Dll& base = gBaseDatos();
    if (!abierta(base)) return {};
    const QString tabla = tablaEnUso();
    const QString clave = claveCache(tabla, Grupo, Clave);
    if (usaCache() && cache().entradas && cache().entradas->contains(clave)) {
        const Entrada& entrada = cache().entradas->value(clave);
        ValorAux = entrada.valorAux;
        return entrada.valor;
    }

    QString sentencia = "SELECT VALOR, valoraux FROM " + tabla + " with(nolock)  WHERE CLAVE = '"
                        + ComillasDobladas(vb::Trim(Clave)) + "'";
    if (!esGrupoDatos(Grupo)) sentencia += " AND GRUPO ='" + ComillasDobladas(Grupo) + "'";
    // Here Reintentar is not offered a second run: only Ignorar goes on.
    TrapErrores trap("Cfg", [](const ErrorVB& error, const QString& rutina) {
        const Respuesta respuesta = QvFunciones::TratarError(error, rutina);
        return respuesta == Respuesta::Seguir ? respuesta : Respuesta::Salir;
    });
    const std::optional<QString> valor = leerFila(base, tabla, sentencia, Clave, ValorAux, trap);
    if (!valor) return {};
    if (usaCache()) {
        if (!cache().entradas) cache().entradas.emplace();
        cache().entradas->insert(clave, {*valor, ValorAux});
    }
    return *valor;
}

QString Cfg(const QString& Clave, const QString& Grupo)
{
    QString ignorado;
    return Cfg(Clave, ignorado, Grupo);
}

QVector<ValorCfg> CfgVarias(const QStringList& Claves)
{
    QVector<ValorCfg> valores;
    DB_Dll& base = gBaseDatos();
    const QString tabla = tablaEnUso();
    // The cache, the closed database and the missing table answer each key as Cfg does.
    if (!abierta(base) || usaCache() || tablaAusente(base, tabla)) {
        for (const QString& clave : Claves) {
            ValorCfg& leido = valores.emplace_back();
            leido.valor = Cfg(clave, leido.valorAux);
        }
        return valores;
    }
    valores.fill({kSinValor, {}}, Claves.size());
    QStringList lista;
    for (const QString& clave : Claves) lista.append("'" + ComillasDobladas(vb::Trim(clave)) + "'");
    const QString sentencia =
        "SELECT CLAVE, VALOR, valoraux FROM " + tabla + " with(nolock)  WHERE CLAVE IN (" + lista.join(", ") + ")";
    TrapErrores trap("Cfg", [](const ErrorVB& error, const QString& rutina) {
        const Respuesta respuesta = QvFunciones::TratarError(error, rutina);
        return respuesta == Respuesta::Seguir ? respuesta : Respuesta::Salir;
    });
    db::Recordset filas;
    if (!trap.paso([&] { base.AbrirRecordset(sentencia, filas, nullptr, 0, 1, -1); }))
        return QVector<ValorCfg>(Claves.size());
    if (filas.State() == db::ado::adStateClosed) anotarSiFalta(base, tabla);
    QVector<bool> leidas(Claves.size(), false);
    (void)trap.paso([&] {
        for (; filas.State() == db::ado::adStateOpen && !filas.Eof(); filas.MoveNext()) {
            const QString clave = vb::Trim(filas.Fields("CLAVE").Value().textOrEmpty());
            for (qsizetype i = 0; i < Claves.size(); ++i) {
                // A key in several groups: the first row found, as Cfg takes it.
                if (leidas[i] || !vb::SameText(vb::Trim(Claves[i]), clave)) continue;
                valores[i] = {filas.Fields("VALOR").Value().textOrEmpty(),
                              filas.Fields("VALORAUX").Value().textOrEmpty()};
                leidas[i] = true;
            }
        }
    });
    (void)TrapErrores::silencioso().paso([&] { base.CierraRecordset(filas); });
    return valores;
}

void GrabaCfg(const QString& Clave, const Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
              const QString& Grupo, bool RecortarValor, bool BorrarExistente)
{
    const QString tabla = tablaEnUso();
    QString sentencia = "SELECT * FROM " + tabla + " with(nolock)  WHERE CLAVE = '" + ComillasDobladas(Clave) + "'";
    if (!esGrupoDatos(Grupo)) sentencia += " AND GRUPO = '" + ComillasDobladas(Grupo) + "'";
    grabarFila(gBaseDatos(), tabla, sentencia, Clave, Valor, ValorAux, PoliticaNegocio, Grupo, RecortarValor,
               RecortarValor, BorrarExistente);
    CfgQuitarDelCache(tabla, Grupo, Clave);
}

QString CfgVX(const QString& Clave, QString& ValorAux)
{
    DB_Dll& base = gBaseDatosVX();
    if (!abierta(base)) return {};
    const QString sentencia = QString("SELECT VALOR, valoraux FROM ") + kTablaPorDefecto
                              + " with(nolock)  WHERE CLAVE = '" + ComillasDobladas(vb::Trim(Clave)) + "'";
    TrapErrores trap(
        "CfgVX", [](const ErrorVB& error, const QString& rutina) { return QvFunciones::TratarError(error, rutina); });
    return leerFila(base, kTablaPorDefecto, sentencia, Clave, ValorAux, trap).value_or(QString());
}

void GrabaCfgVX(const QString& Clave, const Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortarValor)
{
    DB_Dll& base = gBaseDatosVX();
    if (!abierta(base)) return;
    const QString sentencia =
        QString("SELECT * FROM ") + kTablaPorDefecto + " with(nolock)  WHERE CLAVE = '" + ComillasDobladas(Clave) + "'";
    grabarFila(base, kTablaPorDefecto, sentencia, Clave, Valor, ValorAux, PoliticaNegocio, Grupo, RecortarValor, true,
               false);
}

void CfgQuitarDelCache(const QString& Tabla, const QString& Grupo, const QString& Clave)
{
    Cache& estado = cache();
    if (vb::IsBlank(Clave)) estado.tablasAusentes.clear();
    if (!estado.entradas) return;
    if (vb::IsBlank(Clave)) {
        estado.entradas->clear();
        estado.precargado = false;
        return;
    }
    estado.entradas->remove(claveCache(Tabla, Grupo, Clave));
}

void CfgCachePrecargarConfiguracion(bool Forzar)
{
    if (!usaCache() || !abierta(gBaseDatos())) return;
    const QString tabla = tablaEnUso();
    if (tablaAusente(gBaseDatos(), tabla)) return;
    Cache& estado = cache();
    if (!estado.entradas) estado.entradas.emplace();
    if (estado.precargado && !Forzar) return;

    estado.entradas->clear();
    const QString umbral = QString::number(kUmbralBytes);
    const QString sentencia = "SELECT CLAVE, GRUPO," + (" CASE WHEN DATALENGTH(VALOR) > " + umbral)
                              + " THEN NULL ELSE VALOR END AS VALOR," + " CASE WHEN DATALENGTH(VALORAUX) > " + umbral
                              + " THEN NULL ELSE VALORAUX END AS VALORAUX," + " CASE WHEN DATALENGTH(VALOR) > " + umbral
                              + " OR DATALENGTH(VALORAUX) > " + umbral + " THEN 1 ELSE 0 END AS Excedido,"
                              + " DATALENGTH(VALOR) AS BytesValor, DATALENGTH(VALORAUX) AS BytesValorAux" + " FROM "
                              + tabla + " with(nolock)";
    db::Recordset filas;
    try {
        gBaseDatos().AbrirRecordset(sentencia, filas);
        if (filas.State() == db::ado::adStateClosed) {
            anotarSiFalta(gBaseDatos(), tabla);
            return;
        }
        for (; !filas.Eof(); filas.MoveNext()) {
            QString grupo = vb::Trim(filas.Fields("GRUPO").Value().textOrEmpty());
            if (grupo.isEmpty()) grupo = kGrupoDatos;
            if (filas.Fields("Excedido").Value().toLong() == 1) continue;
            estado.entradas->insert(
                claveCache(tabla, grupo, filas.Fields("CLAVE").Value().textOrEmpty()),
                {filas.Fields("VALOR").Value().textOrEmpty(), filas.Fields("VALORAUX").Value().textOrEmpty()});
        }
        filas.Close();
        estado.precargado = true;
    } catch (const ErrorVB&) {
        // A failed preload leaves the table to answer each read.
    }
}

void DatosUnidadNegocio(const QString& UNegocio, QString& RazonSocial, QString& Cuit, QString& InicioActividades,
                        QString& IngresosBrutos, QString& CondicionIva, QString& PuntoVenta, QString& Domicilio)
{
    if (!UNegocio.isEmpty()) {
        const QString codigo = QvFunciones::FormatoCodigo(UNegocio, 4);
        db::Recordset unidad;
        if (gBaseDatos().ExisteEnTabla("v_ta_unidadNegocio", codigo, "codigo", &unidad)) {
            RazonSocial = unidad.Fields("razon_social").Value().textOrEmpty();
            Cuit = unidad.Fields("Cuit").Value().textOrEmpty();
            if (!Cuit.isEmpty()) {
                const QString sufijo = vb::Trim(codigo);
                InicioActividades = vb::Trim(Cfg("INICIO_ACTIVIDADES_UN_" + sufijo));
                IngresosBrutos = vb::Trim(Cfg("INGRESOS_BRUTOS_UN_" + sufijo));
                CondicionIva = vb::Trim(Cfg("CONDICIONIVA_UN_" + sufijo));
                Domicilio = vb::Trim(Cfg("DOMICILIO_UN_" + sufijo));
            } else {
                InicioActividades.clear();
                IngresosBrutos.clear();
                CondicionIva.clear();
                Domicilio.clear();
                RazonSocial.clear();
            }
            PuntoVenta = vb::Trim(unidad.Fields("PDV").Value().textOrEmpty());
        }
        gBaseDatos().CierraRecordset(unidad);
    }
    if (RazonSocial.isEmpty()) RazonSocial = Cfg("NOMBRE");
    if (Cuit.isEmpty()) Cuit = Cfg("cuit");
    if (CondicionIva.isEmpty()) CondicionIva = Cfg("CONDIVAEMPRESA");
    if (InicioActividades.isEmpty()) InicioActividades = vb::Trim(Cfg("INICIOACTIVIDADES"));
    if (IngresosBrutos.isEmpty()) IngresosBrutos = vb::Trim(Cfg("NROINGRESOSBRUTOS"));
    if (Domicilio.isEmpty()) {
        Domicilio = Cfg("CALLE") + " " + Cfg("NUMERO") + "  " + Cfg("PISO") + " " + Cfg("Departamento");
    }
    gSesion().gCondicionIvaTexto = CondicionIva;
    gSesion().gCondicionIvaEmpresa = static_cast<qint16>(vb::Val(CondicionIva));
}

void CfgMasUsadas(const QString& RutaPrograma)
{
    Sesion& s = gSesion();
    TrapErrores trap = TrapErrores::silencioso();
    const auto paso = [&trap](const std::function<void()>& accion) { (void)trap.paso(accion); };

    paso([] { std::srand(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay())); });
    paso([] { gTablaConfiguracion() = "ta_configuracion"; });
    paso([] { CfgCachePrecargarConfiguracion(true); });
    paso([&] { s.gMostrarStockenConsultas = reglaSi(QvFunciones::ValorATexto(Cfg("MostrarStockenConsultas"))); });
    paso([&] { s.gTituloClientes = vb::Trim(Cfg("TituloClientes")); });
    paso([&] { s.gTituloProveedores = vb::Trim(Cfg("TituloProveedores")); });
    paso([&] { s.gRutaTareasDoc = RutaPrograma + "VXDOCTareas.vtx"; });
    paso([&] { s.gEXIGECLAVECONSULTALIKEARTICULOS = reglaSi(Cfg("EXIGECLAVECONSULTALIKEARTICULOS")); });
    paso([&] { s.gUsaConsultaLike = reglaSi(Cfg("UsaConsultaLike")); });
    paso([&] { s.gCantidadDecimales = Cfg("CantidadDecimales"); });
    paso([&] { s.gConfidencialidad = reglaSi(Cfg("SS_CONFIDENCIALIDAD")); });
    paso([&] {
        if (!nombrado(ProgramasDeVentas())) return;
        const QString decimales = Cfg("CantidadDecimalesVentas");
        if (vb::Val(decimales) > 0) s.gCantidadDecimales = decimales;
    });
    paso([&] { s.gUsaMultilesMonedas = reglaSi(Cfg("UsaMultilesMonedas")); });
    paso([&] { s.gUsaFacturaProforma = reglaSi(Cfg("UsaFacturaProforma")); });
    paso([&] { s.gUSACCOSTO = reglaSi(Cfg("USACCOSTO")); });
    paso([&] { s.gUSA_STK_STOCK_UDKG = reglaSi(Cfg("USA_STK_STOCK_UDKG")); });
    paso(leerUsuario);
    paso([&] {
        if (s.gUNegocio.isEmpty()) s.gUNegocio = kUnidadNegocioPorDefecto;
    });
    paso([&] { s.gUNIDADDEMEDIDA_M3 = vb::Trim(Cfg("UNIDADDEMEDIDA_M3")); });
    paso([&] { s.gUNIDADDEMEDIDA_BL = vb::Trim(Cfg("UNIDADDEMEDIDA_BL")); });
    paso([&] { s.gUNIDADDEMEDIDA_KG = vb::Trim(Cfg("UNIDADDEMEDIDA_KG")); });
    paso([&] { s.gPERIODO = reglaNumero(Cfg("PERIODO")); });
    paso([&] { s.gRazonSocialPorUneg = reglaSi(vb::Trim(Cfg("RazonSocialPorUneg"))); });
    paso([&] { s.gVALIDACODIGOBARRA = reglaSi(Cfg("VALIDACODIGOBARRA")); });
    paso([&] { s.gConfiguracionCargada = true; });
    paso(leerColores);
    paso([&] { s.gModuloOrdenDeTrabajo = reglaNoEsNo(Cfg("ModuloOrdenDeTrabajo")); });
    paso([&] { s.gV_ModificaCPrecio = reglaNoNo(Cfg("V_ModificaCPrecio")); });
    paso([&] { s.gC_ModificaCPrecio = reglaNoNo(Cfg("C_ModificaCPrecio")); });
    paso([&] { s.gMADERERA = reglaNoNo(Cfg("MADERERA")); });
    const std::pair<QString*, const char*> textos[] = {
        {&s.gMAD_TIRAS, "MAD_TIRAS"}, {&s.gMAD_P2, "MAD_P2"},       {&s.gMAD_ML, "MAD_ML"},
        {&s.gMAD_M2, "MAD_M2"},       {&s.gMAD_HOJAS, "MAD_HOJAS"}, {&s.gMAD_ML_P2, "MAD_ML_P2"},
        {&s.gMAD_M2_P2, "MAD_M2_P2"}, {&s.gMAD_ML_M2, "MAD_ML_M2"}, {&s.gCuentaCtroDist, "CuentaCtroDist"}};
    for (const auto& [campo, clave] : textos) paso([&] { *campo = vb::Trim(Cfg(clave)); });
    paso([&] { s.gMaxDto = reglaMoneda(Cfg("MaxDto")); });
    paso([&] { s.gMaxDtoProforma = reglaMoneda(Cfg("MaxDtoProforma")); });
    paso([&] { s.gPideClave_StockNeg = reglaNoNo(Cfg("PideClave_StockNeg")); });
    paso([&] { s.gPideClave_MarkUpBase = reglaNoNo(Cfg("PideClave_MarkUpBase")); });
    paso([&] { s.gPideClave_LimiteCredito = reglaNoNo(Cfg("PideClave_LimiteCredito")); });
    paso([&] { s.gSS_BloqueoActivo = reglaSi(Cfg("SS_BloqueoActivo")); });
    paso([&] { s.gUtilizarFechaDia = reglaSi(Cfg("UTILIZARFECHADIA")); });
    paso([&] { s.gAsignacionAutomaticaDeLoteING = reglaSi(Cfg("AsignacionAutomaticaDeLoteING")); });
    paso([&] { s.gAsignacionAutomaticaDeLoteINGOP = reglaSi(Cfg("AsignacionAutomaticaDeLoteINGOP")); });
    paso(leerCondicionIva);
    paso([&] {
        s.gTop_Default = Cfg("Top_Default");
        if (vb::IsBlank(s.gTop_Default)) s.gTop_Default = kTopPorDefecto;
    });
}
