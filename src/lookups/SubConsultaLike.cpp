#include "lookups/SubConsultaLike.h"

#include "database/TextoSQL.h"
#include "lookups/ArchivoConsultas.h"
#include "lookups/CatalogoConsultas.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/ModConsultas.h"
#include "lookups/TextoConsulta.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/ui/Dialogs.h"
#include "session/Configuracion.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <optional>

namespace {

constexpr char kAviso[] = "Aviso al Operador";
constexpr char kSinCampos[] = "No hay seleccionados campos personalizados para la consulta de ";
constexpr char kArticulos[] = "V_MA_ARTICULOS";

// The lookup to show: its statement, whether the window collects the
// engine's further columns, and whether the choice is read afterwards.
struct Busqueda {
    QString sentencia;
    bool conDevueltos = false;
    bool leerResultado = true;
};

bool SiEnAjuste(const QString& clave) { return vb::SameText(Cfg(clave, "DATOS"), "SI"); }

// One call: the locals of the routine and a statement per entity.
class ConsultaLike {
public:
    ConsultaLike(const QString& tabla, QString& textoBuscado, bool soloNoSuspendidos, const QString& where)
        : tablaOriginal_(tabla),
          tabla_(vb::SameText(tabla, "STK_MA_ARTICULOS") ? QString(kArticulos) : tabla),
          textoBuscado_(textoBuscado),
          soloNoSuspendidos_(soloNoSuspendidos),
          condicion_(where)
    {
    }

    // Nothing when the routine ends without a lookup.
    std::optional<Busqueda> Armar()
    {
        conImagen_ = SiEnAjuste("ConsultaArticuloConImagen");
        top_ = "SELECT top " + QString::number(TopeConsultas()) + " ";
        const Sesion& sesion = gSesion();
        if (vb::SameText(textoBuscado_, sesion.gTituloClientes)
            || vb::SameText(textoBuscado_, sesion.gTituloProveedores))
            textoBuscado_.clear();
        AplicarDefinicion();
        if (vb::SameText(tabla_, "VT_CLIENTES") || vb::SameText(tabla_, "VT_CLIENTESvs")) return Clientes();
        if (vb::SameText(tabla_, "VT_PROVEEDORES")) return Proveedores();
        if (vb::SameText(tabla_, kArticulos)) return Articulos();
        if (vb::SameText(tabla_, "MA_CONTACTOS")) return Contactos();
        if (vb::SameText(tabla_, "MA_CUENTAS") || vb::SameText(tabla_, "VT_MAPINFO_CALLES")
            || vb::SameText(tabla_, "MAPINFO_LOCALIDADES"))
            return CuentasYLugares();
        if (vb::SameText(tabla_, "MA_DESTINATARIOS")) return Destinatarios();
        if (vb::SameText(tabla_, "V_MA_EMAIL")) return Correos();
        if (vb::SameText(tabla_, "V_MV_TROPA")) return Tropas();
        return Otras();
    }

private:
    QString Texto() const { return ComillasDobladas(vb::Trim(textoBuscado_)); }
    bool SinTexto() const { return vb::IsBlank(textoBuscado_); }
    QString ParteAnd() const { return vb::IsBlank(condicion_) ? QString() : " AND (" + vb::Trim(condicion_) + ")"; }
    QString ParteWhere() const { return vb::IsBlank(condicion_) ? QString() : " WHERE " + condicion_; }
    QString Contiene() const { return " LIKE '%" + Texto() + "%'"; }

    // The definition record's condition joins the caller's; a table without a
    // record gets its default one first, once.
    void AplicarDefinicion()
    {
        const ArchivoConsultas archivo(gConsulta().gRutaMascaraConsultas);
        if (!archivo.Existe()) return;
        std::optional<RegistroConsulta> registro = archivo.Buscar(tabla_);
        if (!registro) {
            CrearConsultaDefecto(tabla_);
            registro = archivo.Buscar(tabla_);
        }
        if (registro) condicion_ = UnirCondiciones(QvFunciones::LimpiarTexto(registro->Condicion), condicion_);
    }

    void Columnas(const QString& tabla) { ColumnasConsulta(tabla, columnas_, primera_); }

    std::optional<Busqueda> SinCampos(const QString& entidad) const
    {
        MsgBox(kSinCampos + entidad, vb::vbCritical, kAviso);
        return std::nullopt;
    }

    std::optional<Busqueda> Clientes()
    {
        condicion_ = UnirCondiciones(condicion_, "Dada_De_Baja = 0");
        gConsulta().CampoDevuelto = "CODIGO";
        Columnas("VT_CLIENTES");
        if (columnas_ == "*") {
            MsgBox(QString(kSinCampos) + "Clientes", vb::vbCritical, kAviso);
            return Busqueda{top_ + "* FROM VT_CLIENTES  with(nolock) ", false, false};
        }
        if (SinTexto()) return Busqueda{top_ + columnas_ + " FROM " + tabla_ + " with(nolock)  " + ParteWhere()};
        return Busqueda{top_ + columnas_ + " FROM " + tabla_ + " with(nolock)  WHERE (" + primera_ + Contiene()
                        + " OR NUMERO_DOCUMENTO" + Contiene() + ") " + ParteAnd()};
    }

    std::optional<Busqueda> Proveedores()
    {
        if (vb::IsBlank(condicion_)) condicion_ = "Dada_De_Baja = 0";
        gConsulta().CampoDevuelto = "CODIGO";
        Columnas("VT_PROVEEDORES");
        if (columnas_ == "*") return SinCampos("Proveedores");
        const QString desde = top_ + columnas_ + " FROM VT_PROVEEDORES  with(nolock) ";
        if (SinTexto()) return Busqueda{desde + ParteWhere()};
        return Busqueda{desde + "WHERE " + primera_ + Contiene() + ParteAnd()};
    }

    std::optional<Busqueda> Articulos()
    {
        if (SinTexto() && gSesion().gEXIGECLAVECONSULTALIKEARTICULOS) {
            MsgBox(
                "Atencion, por la gran cantidad de Articulos existentes al consultar se debe ingresar al menos "
                "parte de la clave...",
                vb::vbQuestion, kAviso);
            return std::nullopt;
        }
        gConsulta().CampoDevuelto = "IDARTICULO";
        const bool conLista = vb::ContainsText(condicion_, "idlista");
        const QString union_ =
            conLista ? " LEFT OUTER JOIN V_MA_Precios ON " + tablaOriginal_ + ".IdArticulo = V_MA_Precios.IdArticulo "
                     : QString();
        if (!SinTexto() && soloNoSuspendidos_) condicion_ = "SUSPENDIDO = 0";
        Columnas(tablaOriginal_);
        if (conImagen_)
            columnas_ +=
                vb::ContainsText(columnas_, "STK_MA_ARTICULOS") ? ",STK_MA_ARTICULOS.RutaImagen " : ",RutaImagen ";
        if (conLista) {
            columnas_ = vb::Trim(vb::ReplaceText(columnas_, "STK_MA_ARTICULOS.PRECIO", "V_MA_PRECIOS.PRECIO"));
            columnas_ = vb::Trim(vb::ReplaceText(columnas_, "V_MA_ARTICULOS.PRECIO", "V_MA_PRECIOS.PRECIO"));
        }
        if (SinTexto()) {
            return Busqueda{top_ + columnas_ + " FROM " + tablaOriginal_ + "  with(nolock) " + union_
                                + (vb::IsBlank(condicion_) ? QString() : " where " + condicion_),
                            true};
        }
        const bool usaLike = Cfg("UsaConsultaLIKE", "DATOS") == "SI";
        if (soloNoSuspendidos_) {
            primera_ = "IdArticulo";
        } else if (usaLike) {
            textoBuscado_.replace(u' ', u'%');
        }
        if (usaLike) {
            return Busqueda{top_ + columnas_ + " FROM " + tablaOriginal_ + " with(nolock)  " + union_ + " WHERE "
                                + primera_ + Contiene() + " " + ParteAnd(),
                            true};
        }
        return Busqueda{top_ + columnas_ + " FROM " + tablaOriginal_ + "  with(nolock) " + union_ + " WHERE " + primera_
                            + " LIKE '" + Texto() + "%' " + ParteAnd(),
                        true};
    }

    std::optional<Busqueda> Contactos()
    {
        gConsulta().CampoDevuelto = "idContacto";
        Columnas("MA_CONTACTOS");
        if (columnas_ == "*") return SinCampos("Articulos");
        const QString desde = top_ + columnas_ + " FROM MA_CONTACTOS  with(nolock) ";
        if (SinTexto()) return Busqueda{desde + ParteWhere()};
        return Busqueda{desde + "WHERE " + primera_ + Contiene() + ParteAnd()};
    }

    std::optional<Busqueda> CuentasYLugares()
    {
        Columnas(tabla_);
        if (vb::SameText(tabla_, "MA_CUENTAS")) {
            gConsulta().CampoDevuelto = "CODIGO";
            if (columnas_ == "*") return SinCampos("Proveedores");
        } else {
            const bool calles = vb::SameText(tabla_, "VT_MAPINFO_CALLES");
            gConsulta().CampoDevuelto = calles ? "STREET" : "LOCALIDAD";
            if (vb::IsBlank(primera_)) primera_ = calles ? " STREET " : " LOCALIDAD ";
            if (vb::IsBlank(columnas_) || columnas_ == "*")
                columnas_ = calles ? " STREET " : " LOCALIDAD,PARTIDO,Cod_postal";
        }
        const QString desde = top_ + columnas_ + " FROM " + tabla_ + "  with(nolock) ";
        if (SinTexto()) return Busqueda{desde + ParteWhere()};
        return Busqueda{desde + "  WHERE " + primera_ + Contiene() + ParteAnd()};
    }

    std::optional<Busqueda> Destinatarios()
    {
        gConsulta().CampoDevuelto = "ID";
        const QString desde = "SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios ";
        if (SinTexto()) return Busqueda{desde + ParteWhere(), true};
        return Busqueda{desde + "WHERE Nombre" + Contiene() + "  " + ParteAnd(), true};
    }

    std::optional<Busqueda> Correos()
    {
        gConsulta().CampoDevuelto = "EVENTO";
        Columnas("V_MA_EMAIL");
        if (columnas_ == "*") columnas_ = "Evento";
        if (vb::IsBlank(primera_)) primera_ = "Evento";
        const QString desde = top_ + columnas_ + " FROM V_MA_EMAIL  with(nolock) ";
        if (SinTexto()) return Busqueda{desde + ParteWhere()};
        return Busqueda{desde + "WHERE " + primera_ + Contiene() + ParteAnd()};
    }

    std::optional<Busqueda> Tropas()
    {
        Lib_ClsCons3& motor = gConsulta();
        motor.CampoDevuelto = "DTE";
        Columnas("V_MV_TROPA");
        if (columnas_ == "*") return SinCampos("E-MAIL");
        // Added only for a lookup that is shown, so that they never reach another one.
        motor.CmpsDevueltos.append({"DTE", "id"});
        if (SinTexto())
            return Busqueda{top_ + columnas_ + ",id FROM " + tabla_ + "  with(nolock) " + ParteWhere(), true};
        return Busqueda{top_ + columnas_ + ", id FROM " + tabla_ + "  with(nolock) WHERE DTe" + Contiene() + ParteAnd(),
                        true};
    }

    // Technicians and any other table: the code column the catalogue knows.
    std::optional<Busqueda> Otras()
    {
        QString tabla = tabla_;
        ColumnasCatalogo catalogo;
        ResolverCatalogo(tabla, catalogo);
        gConsulta().CampoDevuelto = vb::SameText(tabla_, "V_TA_TECNICOS") ? QString("IDTECNICO") : catalogo.Codigo;
        Columnas(tabla_);
        if (columnas_ == "*") return SinCampos("Proveedores");
        const QString desde = top_ + columnas_ + " FROM " + tabla_ + " with(nolock)  ";
        if (SinTexto()) return Busqueda{desde + ParteWhere()};
        return Busqueda{desde + "  WHERE " + primera_ + Contiene() + ParteAnd()};
    }

    const QString tablaOriginal_;
    const QString tabla_;
    QString& textoBuscado_;
    const bool soloNoSuspendidos_;
    QString condicion_;
    QString columnas_;
    QString primera_;
    QString top_;
    bool conImagen_ = false;
};

// The consignee's Id is the client (4), the consignee (16) and the branch (6) side by side.
void PartirDestinatario(const QString& id, QString& Resultado, DatosAdicionales* Datos)
{
    Resultado = vb::Trim(vb::Mid(id, 5, 16));
    if (!Datos) return;
    Datos->Dato1 = vb::Trim(vb::Mid(id, 21, 6));
    Datos->Dato2.clear();
    Datos->Dato3 = vb::Trim(vb::Mid(id, 1, 4));
}

}  // namespace

void SubConsultaLike(const QString& Tabla, QString& TextoBuscado, QString& Resultado, bool SoloNoSuspendidos,
                     const QString& Where, DatosAdicionales* Datos)
{
    TrapErrores trap("SubConsultaLike", [](const ErrorVB& error, const QString& rutina) {
        return QvFunciones::TratarError(error, rutina);
    });
    ConsultaLike consulta(Tabla, TextoBuscado, SoloNoSuspendidos, Where);
    std::optional<Busqueda> busqueda;
    if (!trap.paso([&] { busqueda = consulta.Armar(); }) || !busqueda) return;
    Lib_ClsCons3& motor = gConsulta();
    if (!trap.paso([&] {
            ArgumentosConsulta argumentos;
            if (busqueda->conDevueltos) argumentos.CmpsDevueltos = &motor.CmpsDevueltos;
            motor.ConsultaSearch(busqueda->sentencia, argumentos);
        }))
        return;
    if (!busqueda->leerResultado) return;
    Resultado = vb::Trim(motor.ValorDevuelto);
    if (vb::SameText(Tabla, "MA_DESTINATARIOS") && !Resultado.isEmpty()) {
        PartirDestinatario(motor.ValorDevuelto, Resultado, Datos);
    } else if (vb::SameText(Tabla, "V_MV_TROPA") && Datos && motor.Valores.size() > 1) {
        Datos->Dato1 = motor.Valores.at(1);
    }
}
